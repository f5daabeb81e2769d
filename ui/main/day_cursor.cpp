#include "ui/main/day_cursor.h"

#include "ui/main/go_to_day_dialog.h"
#include "ui/main/month_table.h"

namespace orvane {

QDate SelectedDayDate(const CMonthTable &table, SelectedDate selected)
{
    if (!selected.IsSet())
        return {};
    return QDate(table.Info(selected.month).nYear, selected.month, selected.day);
}

bool ShowsDate(const CMonthTable &table, int scale, QDate date)
{
    return date.isValid() && table.IsVisible(date.month(), scale)
        && table.Info(date.month()).nYear == date.year();
}

qint64 PagesToShow(const CMonthTable &table, int scale, QDate date)
{
    if (!date.isValid())
        return 0;
    const int first = table.FirstMonth();
    const qint64 offset = (qint64{date.year()} - table.Info(first).nYear) * 12 + date.month() - first;
    if (offset < 0)
        return offset;
    return offset >= scale ? offset - scale + 1 : 0;
}

QDate StartDate(const CMonthTable &table, int scale)
{
    if (ShowsDate(table, scale, table.Today()))
        return table.Today();
    return QDate(table.Info(table.FirstMonth()).nYear, table.FirstMonth(), 1);
}

QDate KeptInView(const CMonthTable &table, int scale, QDate date)
{
    if (!date.isValid() || ShowsDate(table, scale, date))
        return date;
    int month = table.FirstMonth();
    if (PagesToShow(table, scale, date) > 0)
        table.ForEachVisible(scale, [&month](int, int shown) { month = shown; });
    const int year = table.Info(month).nYear;
    return QDate(year, month, FitDayToMonth(date.day(), month, year));
}

} // namespace orvane
