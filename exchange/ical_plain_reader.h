#pragma once

#include "exchange/ical_event.h"

#include <QByteArrayView>

#include <optional>
#include <vector>

namespace orvane {

// Reads, without libical, the events of an iCalendar document of the form this program exports:
// one VCALENDAR that holds nothing but VEVENTs, whose lines the reader either does not look at
// (see KindOf) or reads as libical would: SUMMARY, DESCRIPTION and CATEGORIES without parameters,
// their values without a NUL and of the text escapes \n \N \, \; \\ alone, CATEGORIES without a
// bare ',' or a '"'; "DTSTART;VALUE=DATE:" and a valid date; RRULE FREQ=YEARLY, alone or with
// BYMONTHDAY=-1;BYMONTH=2; each at most once. Gives nothing for any other document, which is
// left to libical.
std::optional<std::vector<ICalEvent>> ReadPlainICalendar(QByteArrayView bytes);

} // namespace orvane
