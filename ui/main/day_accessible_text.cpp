#include "ui/main/day_accessible_text.h"

#include "store/date_names.h"
#include "store/russian_plural.h"

#include <QCoreApplication>

namespace orvane {

QString MonthTableName(int month, int year)
{
    return QStringLiteral("%1 %2").arg(MonthName(month)).arg(year);
}

QString DayAccessibleName(QDate date, bool today, const QLocale &locale)
{
    // The day before the month in English too, as the Russian long date has it.
    const QLocale dates = locale.language() == QLocale::English
                              ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                              : locale;
    QString name = dates.toString(date, QLocale::LongFormat);
    if (today)
        name += QCoreApplication::translate("DayAccessibleText", ", сегодня");
    return name;
}

QString DayEventsDescription(const QStringList &names)
{
    if (names.isEmpty())
        return {};
    // The source texts are Russian and only the English catalogue has plural forms of its
    // own: the Russian form is chosen here, each with its English singular and plural.
    static const char *const forms[]{QT_TRANSLATE_N_NOOP("DayAccessibleText", "%n событие: %1"),
                                     QT_TRANSLATE_N_NOOP("DayAccessibleText", "%n события: %1"),
                                     QT_TRANSLATE_N_NOOP("DayAccessibleText", "%n событий: %1")};
    const auto count = static_cast<int>(names.size());
    return QCoreApplication::translate("DayAccessibleText", forms[RussianPluralForm(count)], nullptr, count)
        .arg(names.join(QStringLiteral(", ")));
}

} // namespace orvane
