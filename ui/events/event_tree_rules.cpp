#include "ui/events/event_tree_rules.h"

#include "store/windows1251.h"
#include "ui/main/calendar_texts.h"

#include <QCoreApplication>

namespace orvane {

QString EventTreeTitle(int month, int day)
{
    return QCoreApplication::translate("EventTreeRules", "День %1, %2").arg(day, 2, 10, QChar(u'0')).arg(MonthName(month));
}

QString NameForNewEvent(const QString &name, const QString &categoryLabel, bool lastCategory)
{
    QString result = name;
    if (result.isEmpty())
        result = lastCategory ? QCoreApplication::translate("EventTreeRules", "Без названия") : categoryLabel;
    const qsizetype bracket = result.lastIndexOf(u'(');
    if (bracket >= 0)
        result.truncate(qMax<qsizetype>(0, bracket - 1));
    return result;
}

LabelCheck CheckLabel(const QString &typed, const QString &previous, bool category)
{
    if (typed.isEmpty())
        return {previous,
                category ? QCoreApplication::translate("EventTreeRules", "Необходимо указать название категории")
                         : QCoreApplication::translate("EventTreeRules", "Необходимо указать название события"),
                true};
    if (!FitsCp1251(typed))
        return {previous, UnsupportedCharactersMessage(), true};
    const int limit = category ? kMaxCategoryLabel : kMaxEventLabel;
    if (typed.size() > limit)
        return {typed.left(limit),
                category ? QCoreApplication::translate("EventTreeRules", "Количество символов в названии категории\nне может превышать 20 символов.")
                         : QCoreApplication::translate("EventTreeRules", "Количество символов в названии события\nне может превышать 40 символов."),
                false};
    return {typed, {}, false};
}

QString UnsupportedCharactersMessage()
{
    return QCoreApplication::translate("EventTreeRules", "Текст содержит символы, которые календарь не может сохранить\n"
                          "(например, значки или иероглифы). Уберите их, пожалуйста.");
}

} // namespace orvane
