#pragma once

#include "store/event_text.h"

#include <QtGlobal>

namespace orvane {

// One yearly event.
struct CEventRecord {
    CEventText Name;
    CEventText Notes;
    qint32 Month = 0;     // 1..12: the date by which the event was placed in its slot
    qint32 Day = 0;       // 1..31
    qint32 Category = 0;  // index into the owner's category list
    qint32 Monitoring = 1; // notify flag, 0 or 1
    quint8 Selected = 0;  // selection mark of the exchange wizards; never stored

    friend bool operator==(const CEventRecord &, const CEventRecord &) = default;
};

} // namespace orvane
