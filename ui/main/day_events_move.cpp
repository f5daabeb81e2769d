#include "ui/main/day_events_move.h"

#include "store/user.h"

namespace orvane {

bool MoveDayEvents(CUser &user, int fromMonth, int fromDay, int toMonth, int toDay)
{
    CEventList &source = user.GetDayEvents(fromMonth, fromDay);
    CEventList &target = user.GetDayEvents(toMonth, toDay);
    if (&source == &target || !target.IsEmpty())
        return false;
    for (CEventRecord event : source) {
        event.Month = toMonth;
        event.Day = toDay;
        target.AddTail(event);
    }
    source.RemoveAll();
    return true;
}

} // namespace orvane
