#pragma once

#include "store/user.h"

#include <QDate>

// Fills every day of `year` with 40 events: 40-character names, 255-character notes, the two
// default categories in turn, the notify flag set; `selected` as the export wizard marks them.
inline void FillFullCalendar(orvane::CUser &user, int year, bool selected = false)
{
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        orvane::CEventList &slot = user.Slot(date.dayOfYear() - 1);
        for (int i = 0; i < orvane::CEventList::kMaxEvents; ++i) {
            orvane::CEventRecord event;
            event.Name = QString(40, QChar(u'а' + i % 32));
            event.Notes = QString(255, QChar(u'я' - i % 32));
            event.Month = date.month();
            event.Day = date.day();
            event.Category = i % 2;
            event.Monitoring = 1;
            event.Selected = selected ? 1 : 0;
            slot.AddTail(event);
        }
    }
}
