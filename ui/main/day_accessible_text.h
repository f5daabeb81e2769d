#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

// What screen readers are told of the month grid, in the language of the texts.

// A month table: "Март 2026".
QString MonthTableName(int month, int year);

// A day: its long date in `locale`, "четверг, 12 марта 2026 г." or "Thursday, 12 March 2026",
// followed by ", сегодня" for today.
QString DayAccessibleName(QDate date, bool today, const QLocale &locale);

// The events of a day: "2 события: Анна, Борис"; empty for a day without events.
QString DayEventsDescription(const QStringList &names);

} // namespace orvane
