#include "ui/main/calendar_texts.h"

#include "ui/main/month_table.h"

#include <QStringList>

namespace orvane {

QString WeekdayAbbreviation(int row)
{
    static const QStringList names{
        QStringLiteral("Пн"), QStringLiteral("Вт"), QStringLiteral("Ср"), QStringLiteral("Чт"),
        QStringLiteral("Пт"), QStringLiteral("Сб"), QStringLiteral("Вс")};
    return names.value(row);
}

QString DayNumberText(int day, bool hexadecimal)
{
    return hexadecimal ? QString::number(day, 16).toUpper() : QString::number(day);
}

QString YearTitleText(const CMonthTable &table, int scale)
{
    const int first = table.Info(table.FirstMonth()).nYear;
    int last = first;
    table.ForEachVisible(scale, [&](int, int month) {
        if (table.Info(month).nYear != first)
            last = table.Info(month).nYear;
    });
    if (last == first)
        return QStringLiteral("Календарь - %1").arg(first);
    return QStringLiteral("Календарь - %1/%2").arg(first).arg(last);
}

} // namespace orvane
