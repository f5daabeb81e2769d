#pragma once

#include "exchange/exchange_reader.h"
#include "exchange/merge_report.h"

#include <libical/ical.h>

#include <memory>
#include <vector>

namespace orvane {

struct FreeICalComponent {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using ICalComponent = std::unique_ptr<icalcomponent, FreeICalComponent>;

// Parses an iCalendar document with libical into its top-level components: with every property
// when `everyLine`, else only with those the reader looks at.
ExchangeReadResult ParseICalendar(QByteArrayView bytes, std::vector<ICalComponent> &components, bool everyLine = false);

// Reads an iCalendar (RFC 5545) document and appends a record for each all-day VEVENT that
// repeats every year on one date (FREQ=YEARLY, an interval of 1, no end, at most one month and
// one day of the month); its date is the month and day of DTSTART in whatever year, or the
// rule's month and day (the last day of February is 29 February). SUMMARY gives the name,
// DESCRIPTION the notes, the first CATEGORIES value the category. Events with a time, events
// that do not come back yearly on one date, and components other than events (time zones
// aside) are not appended but noted in `skipped`, in document order. Nothing is appended
// unless the whole document is read.
ExchangeReadResult ReadICalendar(QByteArrayView bytes, CImportList &list, std::vector<MergeNote> &skipped);

} // namespace orvane
