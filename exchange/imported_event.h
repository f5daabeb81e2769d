#pragma once

#include "store/event_list.h"

namespace orvane {

// A record read from a document to import: the event and the category it names, which the
// merge finds or adds in the calendar's list.
struct CImportedEvent : CEventRecord {
    QString CategoryName;

    friend bool operator==(const CImportedEvent &, const CImportedEvent &) = default;
};

using CImportList = CRecordList<CImportedEvent>;

} // namespace orvane
