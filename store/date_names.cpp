#include "store/date_names.h"

#include <QCoreApplication>
#include <QDate>

#include <iterator>

namespace orvane {

QString MonthName(int month)
{
    static const char *const names[]{
        QT_TRANSLATE_NOOP("DateNames", "Январь"), QT_TRANSLATE_NOOP("DateNames", "Февраль"),
        QT_TRANSLATE_NOOP("DateNames", "Март"), QT_TRANSLATE_NOOP("DateNames", "Апрель"),
        QT_TRANSLATE_NOOP("DateNames", "Май"), QT_TRANSLATE_NOOP("DateNames", "Июнь"),
        QT_TRANSLATE_NOOP("DateNames", "Июль"), QT_TRANSLATE_NOOP("DateNames", "Август"),
        QT_TRANSLATE_NOOP("DateNames", "Сентябрь"), QT_TRANSLATE_NOOP("DateNames", "Октябрь"),
        QT_TRANSLATE_NOOP("DateNames", "Ноябрь"), QT_TRANSLATE_NOOP("DateNames", "Декабрь")};
    if (month < 1 || month > static_cast<int>(std::size(names)))
        return {};
    return QCoreApplication::translate("DateNames", names[month - 1]);
}

QString WeekdayName(int year, int month, int day)
{
    static const char *const names[]{
        QT_TRANSLATE_NOOP("DateNames", "Воскресенье"), QT_TRANSLATE_NOOP("DateNames", "Понедельник"),
        QT_TRANSLATE_NOOP("DateNames", "Вторник"), QT_TRANSLATE_NOOP("DateNames", "Среда"),
        QT_TRANSLATE_NOOP("DateNames", "Четверг"), QT_TRANSLATE_NOOP("DateNames", "Пятница"),
        QT_TRANSLATE_NOOP("DateNames", "Суббота")};
    return QCoreApplication::translate("DateNames", names[QDate(year, month, day).dayOfWeek() % 7]);
}

} // namespace orvane
