#include "store/day_addressing.h"

namespace orvane {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    default:
        return 0;
    }
}

int DayOfYear(int month, int day, int year)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    int result = day;
    for (int k = 1; k < month; ++k)
        result += DaysInMonth(k, year);
    return result;
}

} // namespace orvane
