#include "store/clock.h"
#include "store/day_edit.h"
#include "store/user.h"

#include "event_maker.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

using namespace orvane;

TEST(DayEdit, RebuildsTheDayAndOtherDaysKeepTheirCategories)
{
    Clock::SetSource([] { return QDate(2026, 5, 10); });
    const auto restore = qScopeGuard([] { Clock::SetSource({}); });
    CUser user;
    user.SetCategories({QStringLiteral("День рождения"), QStringLiteral("Работа"), QStringLiteral("Дача"),
                        QStringLiteral("Остальное")});
    for (const int category : {0, 1, 2, 3, 7, -1})
        user.GetDayEvents(1, 1).AddTail(test::MakeEvent(1, 1, QString::number(category), {}, category));
    user.GetDayEvents(3, 5).AddTail(test::MakeEvent(3, 5, QStringLiteral("старое")));

    // "Работа" deleted, a new category inserted before the last.
    CommitDayEdit(user, 3, 5,
                  {{QStringLiteral("День рождения"), 0}, {QStringLiteral("Дача"), 2}, {QStringLiteral("Отпуск"), -1},
                   {QStringLiteral("Остальное"), 3}},
                  {{QStringLiteral("Б"), QStringLiteral("n1"), 0, 1}, {QStringLiteral("А"), QString(), 2, 0}});
    EXPECT_EQ(user.Categories(), (QStringList{QStringLiteral("День рождения"), QStringLiteral("Дача"),
                                              QStringLiteral("Отпуск"), QStringLiteral("Остальное")}));
    // A deleted category's events go to the last; those outside the list follow the second
    // category, deleted here, to the last.
    QList<int> categories;
    for (const CEventRecord &event : user.GetDayEvents(1, 1))
        categories << event.Category;
    EXPECT_EQ(categories, (QList<int>{0, 3, 1, 3, 3, 3}));
    const CEventList &day = user.GetDayEvents(3, 5);
    EXPECT_EQ(QList<CEventRecord>(day.begin(), day.end()),
              (QList<CEventRecord>{test::MakeEvent(3, 5, QStringLiteral("Б"), QStringLiteral("n1")),
                                   {QStringLiteral("А"), QString(), 3, 5, 2, 0}}));
}
