#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

// What screen readers are told of the month grid, in the language of the texts.

// Which of the three Russian forms goes with a count: 0 as in "1 событие" (21, 101, ...),
// 1 as in "2 события" (3, 4, 22, ...), 2 as in "5 событий" (0, 11..14, 25, ...).
int RussianPluralForm(qint64 count);

// A month table: "Март 2026".
QString MonthTableName(int month, int year);

// A day: its long date in `locale`, "четверг, 12 марта 2026 г." or "Thursday, 12 March 2026",
// followed by ", сегодня" for today.
QString DayAccessibleName(QDate date, bool today, const QLocale &locale);

// The events of a day: "2 события: Анна, Борис"; empty for a day without events.
QString DayEventsDescription(const QStringList &names);

} // namespace orvane
