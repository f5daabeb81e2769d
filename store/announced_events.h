#pragma once

#include "store/upcoming_days.h"

#include <QString>

#include <vector>

namespace orvane {

class CUser;

// The events an announcement listed, kept by their date and name rather than by address, so that
// an answer to it that comes after the calendar was edited finds what is still there.
class CAnnouncedEvents {
public:
    CAnnouncedEvents() = default;
    explicit CAnnouncedEvents(const std::vector<UpcomingDay> &days);

    bool IsEmpty() const { return m_events.empty(); }
    // Clears the notify flag of every announced event the calendar still holds with it set, as
    // unchecking it in the day editor does; the number of events cleared.
    int Silence(CUser &user) const;

private:
    struct Event {
        int month = 0;
        int day = 0;
        QString name;
    };
    std::vector<Event> m_events;
};

} // namespace orvane
