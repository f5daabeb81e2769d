#pragma once

#include <QByteArray>

namespace orvane {

class CUser;

struct ICalendarExport {
    QByteArray text;
    int leftOut = 0; // selected events dated on a day no year has (31 April), not written
};

// The iCalendar (RFC 5545) form of the events whose Selected byte is set, slot by slot and in
// list order, in UTF-8 with CR LF line ends: one all-day VEVENT each, starting on its date in
// the current year and repeating every year, with its name, notes and category. An event's UID
// is made from its date and content, so the same calendar always gives the same UIDs. 29
// February repeats on the last day of February, which is 28 February in a common year.
ICalendarExport BuildICalendar(const CUser &user);

} // namespace orvane
