#pragma once

namespace orvane {

// Gregorian leap years: every fourth year, except centuries not divisible by 400.
bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int month, int year);
// 1-based day of the year; 0 when month is outside 1..12 or day outside 1..31. The day is not
// checked against the month's length (31 February gives 62).
int DayOfYear(int month, int day, int year);

constexpr int kDaySlots = 366;

} // namespace orvane
