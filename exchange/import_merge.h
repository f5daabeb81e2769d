#pragma once

#include "exchange/imported_event.h"
#include "exchange/merge_report.h"

namespace orvane {

class CUser;

// Adds the records of an import list whose Selected byte is set to the user's calendar, each at
// the tail of the slot of its month and day in the current year. A record's category is the first
// entry equal to its category name (case-sensitive); a name the list lacks is inserted before the
// last entry, once, and the events already there keep their categories. The calendar's limits
// hold: a record without a date that exists in a leap year, or for a day that already holds 40
// events, is not added; the category list never passes 10 entries (such records go to the last
// category); names, notes and category names are cut to 40, 255 and 20 characters, and
// characters the calendar cannot hold become "?". The report tells what was added, not added and
// changed.
MergeReport MergeImportedEvents(CUser &user, const CImportList &list);

} // namespace orvane
