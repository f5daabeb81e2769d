#include "store/clock.h"
#include "store/day_edit.h"
#include "store/user.h"

#include "event_maker.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

TEST(DayEdit, RebuildsTheDayAndOtherDaysKeepTheirCategories)
{
    Clock::SetSource([] { return QDate(2026, 5, 10); });
    const auto restore = qScopeGuard([] { Clock::SetSource({}); });
    CUser user;
    user.SetCategories({u"День рождения"_s, u"Работа"_s, u"Дача"_s, u"Остальное"_s});
    for (const int category : {0, 1, 2, 3, 7, -1})
        user.GetDayEvents(1, 1).AddTail(test::MakeEvent(1, 1, QString::number(category), {}, category));
    user.GetDayEvents(3, 5).AddTail(test::MakeEvent(3, 5, u"старое"_s));

    // "Работа" deleted, a new category inserted before the last.
    const QStringList labels = {u"День рождения"_s, u"Дача"_s, u"Отпуск"_s, u"Остальное"_s};
    CommitDayEdit(user, 3, 5, {{labels[0], 0}, {labels[1], 2}, {labels[2], -1}, {labels[3], 3}}, {{u"А"_s, {}, 2, 0}});
    EXPECT_EQ(user.Categories(), labels);
    // A deleted category's events go to the last; those outside the list follow the second
    // category, deleted here, to the last.
    QList<int> categories;
    for (const CEventRecord &event : user.GetDayEvents(1, 1))
        categories << event.Category;
    EXPECT_EQ(categories, (QList<int>{0, 3, 1, 3, 3, 3}));
    const CEventList &day = user.GetDayEvents(3, 5);
    EXPECT_EQ(QList<CEventRecord>(day.begin(), day.end()), QList<CEventRecord>({{u"А"_s, {}, 3, 5, 2, 0}}));
}
