#include "ui/main/calendar_texts.h"

#include "ui/main/month_table.h"

#include <QCoreApplication>

#include <iterator>

namespace orvane {

QString WeekdayAbbreviation(int row)
{
    static const char *const names[]{
        QT_TRANSLATE_NOOP("CalendarTexts", "Пн"), QT_TRANSLATE_NOOP("CalendarTexts", "Вт"),
        QT_TRANSLATE_NOOP("CalendarTexts", "Ср"), QT_TRANSLATE_NOOP("CalendarTexts", "Чт"),
        QT_TRANSLATE_NOOP("CalendarTexts", "Пт"), QT_TRANSLATE_NOOP("CalendarTexts", "Сб"),
        QT_TRANSLATE_NOOP("CalendarTexts", "Вс")};
    if (row < 0 || row >= static_cast<int>(std::size(names)))
        return {};
    return QCoreApplication::translate("CalendarTexts", names[row]);
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
        return QCoreApplication::translate("CalendarTexts", "Календарь - %1").arg(first);
    return QCoreApplication::translate("CalendarTexts", "Календарь - %1/%2").arg(first).arg(last);
}

} // namespace orvane
