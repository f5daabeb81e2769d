#pragma once

#include <QString>

namespace orvane {

// What the iCalendar reader takes from a VEVENT's properties, whichever way it read them.
struct ICalEvent {
    QString name;     // SUMMARY
    QString notes;    // DESCRIPTION
    QString category; // the first CATEGORIES value
    bool hasStart = false; // a DTSTART that is not the null time
    bool allDay = false;   // DTSTART is a date
    int month = 0;         // DTSTART's month and day
    int day = 0;
    // One RRULE, yearly with an interval of 1, no end and at most one month and one day of the
    // month, and no RECURRENCE-ID.
    bool yearly = false;
    int byMonth = 0;    // the rule's month, 0 for none
    int byMonthDay = 0; // the rule's day of the month, from the month's end when negative; 0 for none
};

} // namespace orvane
