#include "ui/main/month_table.h"

#include "store/day_addressing.h"

#include <limits>

namespace orvane {

int NextMonth(int month)
{
    if (month == 12)
        return 1;
    if (month >= 1 && month <= 11)
        return month + 1;
    return month;
}

int PreviousMonth(int month)
{
    return month <= 1 ? 12 : month - 1;
}

CMonthTable::CMonthTable()
{
    constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (size_t i = 0; i < kDays.size(); ++i)
        m_aMonthInfo[i].nDays = kDays[i];
}

MonthInfo &CMonthTable::Info(int month)
{
    return m_aMonthInfo[static_cast<size_t>(month >= 1 && month <= 12 ? month - 1 : 0)];
}

const MonthInfo &CMonthTable::Info(int month) const
{
    return m_aMonthInfo[static_cast<size_t>(month >= 1 && month <= 12 ? month - 1 : 0)];
}

void CMonthTable::SetToday(QDate today)
{
    m_timeToday = today;
    m_nFirstMonth = today.month();
    Info(m_nFirstMonth).nYear = today.year();
    UpdateYears(true);
}

bool CMonthTable::CanHoldSpanFrom(int firstMonth, qint64 firstYear)
{
    int month = firstMonth;
    qint64 year = firstYear;
    for (int i = 0; i < 12; ++i) {
        if (year < std::numeric_limits<int>::min() || year > std::numeric_limits<int>::max()
            || !QDate(static_cast<int>(year), month, 1).isValid())
            return false;
        if (month == 12)
            ++year;
        month = NextMonth(month);
    }
    return true;
}

bool CMonthTable::PageForward()
{
    const int first = NextMonth(m_nFirstMonth);
    if (!CanHoldSpanFrom(first, Info(first).nYear))
        return false;
    m_nFirstMonth = first;
    UpdateYears(true);
    return true;
}

bool CMonthTable::PageBackward()
{
    const int first = PreviousMonth(m_nFirstMonth);
    // The month moving to the front was the last of the span: it comes one year earlier.
    if (!CanHoldSpanFrom(first, qint64{Info(first).nYear} - 1))
        return false;
    m_nFirstMonth = first;
    UpdateYears(false);
    return true;
}

void CMonthTable::UpdateYears(bool forward)
{
    int year = Info(m_nFirstMonth).nYear;
    int month = m_nFirstMonth;
    if (forward) {
        for (int i = 0; i < 11; ++i) {
            if (month == 12) {
                month = 1;
                ++year;
            } else {
                ++month;
            }
            Info(month).nYear = year;
        }
    } else {
        for (int i = 0; i < 12; ++i) {
            if (month == 1) {
                month = 12;
                --year;
            } else {
                --month;
            }
            Info(month).nYear = year;
        }
    }
    Info(2).nDays = IsLeapYear(Info(2).nYear) ? 29 : 28;
    for (int m = 1; m <= 12; ++m)
        Info(m).nOffset = QDate(Info(m).nYear, m, 1).dayOfWeek() - 1;
}

bool CMonthTable::IsVisible(int month, int scale) const
{
    bool visible = false;
    ForEachVisible(scale, [&](int, int m) { visible = visible || m == month; });
    return visible;
}

} // namespace orvane
