#pragma once

#include "store/date_names.h"

#include <QString>

namespace orvane {

class CMonthTable;

// "Пн" .. "Вс" for the weekday rows 0..6 (Monday first).
QString WeekdayAbbreviation(int row);
// A day number as drawn in its cell: decimal, or upper-case hexadecimal ("A", "1F").
QString DayNumberText(int day, bool hexadecimal);
// The menu button's year text for the first `scale` months of the span:
// "Календарь - 2024", or "Календарь - 2024/2025" when the span reaches into the next year.
QString YearTitleText(const CMonthTable &table, int scale);

} // namespace orvane
