#pragma once

#include "store/user.h"

#include <QDate>

// How the texts of a full calendar are made.
enum class Texts {
    Repeated, // 32 names and 32 notes in turn, which the loader shares
    Distinct, // every name and note its own, as in a real calendar
};

// Fills every day of `year` with 40 events: 40-character names, 255-character notes, the two
// default categories in turn, the notify flag set; `selected` as the export wizard marks them.
inline void FillFullCalendar(orvane::CUser &user, int year, bool selected = false, Texts texts = Texts::Repeated)
{
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        orvane::CEventList &slot = user.Slot(date.dayOfYear() - 1);
        for (int i = 0; i < orvane::CEventList::kMaxEvents; ++i) {
            orvane::CEventRecord event;
            QString name(40, QChar(u'а' + i % 32));
            QString notes(255, QChar(u'я' - i % 32));
            if (texts == Texts::Distinct) {
                const QString unique = QStringLiteral(" %1.%2").arg(date.dayOfYear()).arg(i);
                name.replace(name.size() - unique.size(), unique.size(), unique);
                notes.replace(0, unique.size(), unique);
            }
            event.Name = name;
            event.Notes = notes;
            event.Month = date.month();
            event.Day = date.day();
            event.Category = i % 2;
            event.Monitoring = 1;
            event.Selected = selected ? 1 : 0;
            slot.AddTail(event);
        }
    }
}

// The first `events` events of a full calendar of 2024 with distinct texts: whole days of 40.
inline orvane::CUser FirstEventsOfFullCalendar(int events)
{
    orvane::CUser user;
    FillFullCalendar(user, 2024, false, Texts::Distinct);
    for (int slot = 0, kept = 0; slot < 366; ++slot)
        for (auto it = user.Slot(slot).begin(); it != user.Slot(slot).end();)
            it = ++kept > events ? user.Slot(slot).RemoveAt(it) : std::next(it);
    return user;
}
