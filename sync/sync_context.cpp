#include "sync/sync_context.h"

#include "exchange/import_merge.h"
#include "store/clock.h"
#include "store/user.h"
#include "sync/event_resource.h"

namespace orvane::sync {

std::optional<EventDigest> SyncContext::Take(const CImportedEvent &record)
{
    CImportList list;
    list.AddTail(record)->Selected = 1;
    const MergeReport report = MergeImportedEvents(user, list);
    if (report.added == 0) {
        outcome.notes << LeftAloneText(report.notes.front());
        ++outcome.leftAlone;
        return std::nullopt;
    }
    ++outcome.downloaded;
    outcome.calendarChanged = true;
    const CEventRecord &taken = *std::prev(user.Slot(CUser::SlotIndex(record.Month, record.Day, Clock::Today().year())).end());
    days[DayKey(taken.Month, taken.Day)] = true;
    return DigestOf(user, taken);
}

std::optional<EventDigest> SyncContext::Replace(LocalEvent &local, const CImportedEvent &record)
{
    CEventList &slot = user.Slot(local.slot);
    const CEventRecord old = *local.event;
    slot.RemoveAt(local.event);
    const std::optional<EventDigest> taken = Take(record);
    if (!taken)
        local.event = slot.AddTail(old);
    return taken;
}

void SyncContext::Remove(LocalEvent &local)
{
    user.Slot(local.slot).RemoveAt(local.event);
    ++outcome.deleted;
    outcome.calendarChanged = true;
}

} // namespace orvane::sync
