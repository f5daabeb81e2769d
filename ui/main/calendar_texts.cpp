#include "ui/main/calendar_texts.h"

#include "ui/main/month_table.h"

#include <QDate>
#include <QStringList>

namespace orvane {

QString MonthName(int month)
{
    static const QStringList names{
        QStringLiteral("Январь"), QStringLiteral("Февраль"), QStringLiteral("Март"),
        QStringLiteral("Апрель"), QStringLiteral("Май"), QStringLiteral("Июнь"),
        QStringLiteral("Июль"), QStringLiteral("Август"), QStringLiteral("Сентябрь"),
        QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"), QStringLiteral("Декабрь")};
    return names.value(month - 1);
}

QString WeekdayAbbreviation(int row)
{
    static const QStringList names{
        QStringLiteral("Пн"), QStringLiteral("Вт"), QStringLiteral("Ср"), QStringLiteral("Чт"),
        QStringLiteral("Пт"), QStringLiteral("Сб"), QStringLiteral("Вс")};
    return names.value(row);
}

QString WeekdayName(int year, int month, int day)
{
    static const QStringList names{
        QStringLiteral("Воскресенье"), QStringLiteral("Понедельник"), QStringLiteral("Вторник"),
        QStringLiteral("Среда"), QStringLiteral("Четверг"), QStringLiteral("Пятница"),
        QStringLiteral("Суббота")};
    return names.value(QDate(year, month, day).dayOfWeek() % 7);
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
