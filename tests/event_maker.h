#pragma once

#include "store/event_record.h"

namespace orvane::test {

// An event of a date, the other fields as a new record has them.
inline CEventRecord MakeEvent(int month, int day, const QString &name, const QString &notes = {},
                              int category = 0)
{
    CEventRecord event;
    event.Name = name;
    event.Notes = notes;
    event.Month = month;
    event.Day = day;
    event.Category = category;
    return event;
}

} // namespace orvane::test
