#pragma once

#include "store/event_list.h"

namespace orvane {

// A record read from a document to import: the event and the category it names, which the
// merge finds or adds in the calendar's list.
struct CImportedEvent : CEventRecord {
    QString CategoryName;
    // Whether a record without a category name is worth a note in the merge's report: not for
    // formats where most events name none (iCalendar).
    bool CategoryExpected = true;

    friend bool operator==(const CImportedEvent &, const CImportedEvent &) = default;
};

using CImportList = CRecordList<CImportedEvent>;

} // namespace orvane
