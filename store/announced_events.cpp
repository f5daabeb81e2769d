#include "store/announced_events.h"

#include "store/day_addressing.h"
#include "store/user.h"

#include <algorithm>

namespace orvane {

CAnnouncedEvents::CAnnouncedEvents(const std::vector<UpcomingDay> &days)
{
    for (const UpcomingDay &day : days)
        for (const CEventRecord *event : day.events)
            m_events.push_back({event->Month, event->Day, event->Name});
}

int CAnnouncedEvents::Silence(CUser &user) const
{
    int cleared = 0;
    for (int slot = 0; slot < kDaySlots; ++slot)
        for (CEventRecord &event : user.Slot(slot)) {
            if (!event.Monitoring)
                continue;
            // The texts are decoded only for events of an announced date.
            const bool announced = std::any_of(m_events.begin(), m_events.end(), [&](const Event &e) {
                return e.month == event.Month && e.day == event.Day && event.Name == e.name;
            });
            if (announced) {
                event.Monitoring = 0;
                ++cleared;
            }
        }
    return cleared;
}

} // namespace orvane
