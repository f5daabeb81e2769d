#pragma once

#include <QString>

namespace orvane {

// "Январь" .. "Декабрь" for 1..12; empty for any other number.
QString MonthName(int month);
// The full weekday name of a date, e.g. "Воскресенье".
QString WeekdayName(int year, int month, int day);

} // namespace orvane
