// An import of arbitrary bytes, whose format the content tells or else the file name their
// length picks: a refusal appends nothing; the merge adds or skips every record and keeps the
// calendar's limits (40 events a day, 10 categories).
#include "exchange/import_file.h"
#include "exchange/import_merge.h"
#include "store/event_limits.h"
#include "store/user.h"

#include <cstdint>
#include <cstdlib>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString names[] = {QString(), QStringLiteral("a.ics"), QStringLiteral("a.vcf"), QStringLiteral("a.xml")};
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    CImportList list;
    ImportRead read{QStringLiteral("Дни рождения"), {}};
    if (!ReadImportDocument(bytes, names[size % 4], list, read).ok()) {
        if (!list.IsEmpty())
            std::abort();
        return 0;
    }
    for (CImportedEvent &record : list)
        record.Selected = 1;
    CUser user;
    const MergeReport report = MergeImportedEvents(user, list);
    bool withinLimits = report.added + report.skipped == list.GetCount() && user.GetCategoryCount() <= kMaxCategories;
    for (int slot = 0; slot < kDaySlots; ++slot)
        withinLimits &= user.Slot(slot).GetCount() <= CEventList::kMaxEvents;
    if (!withinLimits)
        std::abort();
    return 0;
}
