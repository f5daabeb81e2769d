#include "store/date_names.h"

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

QString WeekdayName(int year, int month, int day)
{
    static const QStringList names{
        QStringLiteral("Воскресенье"), QStringLiteral("Понедельник"), QStringLiteral("Вторник"),
        QStringLiteral("Среда"), QStringLiteral("Четверг"), QStringLiteral("Пятница"),
        QStringLiteral("Суббота")};
    return names.value(QDate(year, month, day).dayOfWeek() % 7);
}

} // namespace orvane
