// The exchange document reader on arbitrary bytes, both as a stored document and as clipboard
// text: a refusal appends nothing.
#include "exchange/exchange_reader.h"
#include "store/event_list.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    CImportList document;
    if (!ReadExchangeDocument(bytes, document).ok() && !document.IsEmpty())
        std::abort();
    CImportList text;
    if (!ReadExchangeText(QString::fromUtf8(bytes), text).ok() && !text.IsEmpty())
        std::abort();
    return 0;
}
