#include "store/day_edit.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

// An edit that deletes "Работа" and inserts a category before the last renumbers the other days'
// events: a deleted category's go to the last, and those outside the list follow the second
// category, deleted here, to the last.
TEST(DayEdit, OtherDaysEventsFollowTheirCategories)
{
    CUser user;
    user.SetCategories({u"День рождения"_s, u"Работа"_s, u"Дача"_s, u"Остальное"_s});
    for (const int category : {0, 1, 2, 3, 7, -1})
        user.Slot(0).AddTail(test::MakeEvent(1, 1, QString::number(category), {}, category));
    CommitDayEdit(user, 3, 5, {{u"День рождения"_s, 0}, {u"Дача"_s, 2}, {u"Отпуск"_s, -1}, {u"Остальное"_s, 3}}, {});
    QList<int> categories;
    for (const CEventRecord &event : user.Slot(0))
        categories << event.Category;
    EXPECT_EQ(categories, (QList<int>{0, 3, 1, 3, 3, 3}));
}
