// The iCalendar and vCard readers on arbitrary bytes (each refuses at once a text that does not
// begin as its own format does): a refusal says why and appends no record and no note.
#include "exchange/ical_reader.h"
#include "exchange/vcard_reader.h"

#include <cstdint>
#include <cstdlib>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const bool vCards : {false, true}) {
        CImportList list;
        std::vector<MergeNote> skipped;
        const ExchangeReadResult result = vCards ? ReadVCards(bytes, QStringLiteral("B"), list, skipped)
                                                 : ReadICalendar(bytes, list, skipped);
        if (!result.ok() && (result.detail.isEmpty() || !list.IsEmpty() || !skipped.empty()))
            std::abort();
    }
    return 0;
}
