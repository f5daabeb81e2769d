#include "store/clock.h"
#include "store/day_edit.h"
#include "store/user.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

class DayEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2026, 5, 10); });
        user.SetCategories({QStringLiteral("День рождения"), QStringLiteral("Работа"), QStringLiteral("Дача"),
                            QStringLiteral("Остальное")});
    }
    void TearDown() override { Clock::SetSource({}); }

    void Add(int month, int day, const QString &name, int category)
    {
        CEventRecord e;
        e.Name = name;
        e.Month = month;
        e.Day = day;
        e.Category = category;
        user.GetDayEvents(month, day).AddTail(e);
    }
    int CategoryOf(int month, int day, const QString &name)
    {
        for (const CEventRecord &e : user.GetDayEvents(month, day))
            if (e.Name == name)
                return e.Category;
        return -100;
    }

    CUser user;
};

} // namespace

TEST_F(DayEditTest, RebuildsTheDayInOrderAndReplacesTheCategories)
{
    Add(3, 5, QStringLiteral("старое"), 1);
    CommitDayEdit(user, 3, 5,
                  {{QStringLiteral("День рождения"), 0}, {QStringLiteral("Новая"), -1}, {QStringLiteral("Остальное"), 3}},
                  {{QStringLiteral("Б"), QStringLiteral("n1"), 0, 1}, {QStringLiteral("А"), QString(), 2, 0}});
    EXPECT_EQ(user.Categories(),
              (QStringList{QStringLiteral("День рождения"), QStringLiteral("Новая"), QStringLiteral("Остальное")}));
    const CEventList &slot = user.GetDayEvents(3, 5);
    ASSERT_EQ(slot.GetCount(), 2);
    const CEventRecord &first = *slot.begin();
    EXPECT_EQ(first.Name, QStringLiteral("Б"));
    EXPECT_EQ(first.Notes, QStringLiteral("n1"));
    EXPECT_EQ(first.Month, 3);
    EXPECT_EQ(first.Day, 5);
    EXPECT_EQ(first.Category, 0);
    EXPECT_EQ(first.Monitoring, 1);
    EXPECT_EQ(std::next(slot.begin())->Category, 2);
    EXPECT_EQ(std::next(slot.begin())->Monitoring, 0);
}

TEST_F(DayEditTest, OtherDaysKeepTheirCategoriesThroughDeleteAndInsert)
{
    Add(1, 1, QStringLiteral("др"), 0);
    Add(1, 1, QStringLiteral("работа"), 1);
    Add(1, 1, QStringLiteral("дача"), 2);
    Add(1, 1, QStringLiteral("прочее"), 3);
    Add(1, 1, QStringLiteral("вне списка"), 7);
    // "Работа" deleted, a new category inserted before the last.
    CommitDayEdit(user, 5, 10,
                  {{QStringLiteral("День рождения"), 0}, {QStringLiteral("Дача"), 2}, {QStringLiteral("Отпуск"), -1},
                   {QStringLiteral("Остальное"), 3}},
                  {});
    EXPECT_EQ(CategoryOf(1, 1, QStringLiteral("др")), 0);
    EXPECT_EQ(CategoryOf(1, 1, QStringLiteral("дача")), 1);
    EXPECT_EQ(CategoryOf(1, 1, QStringLiteral("прочее")), 3);
    EXPECT_EQ(CategoryOf(1, 1, QStringLiteral("работа")), 3) << "a deleted category's events go to the last";
    EXPECT_EQ(CategoryOf(1, 1, QStringLiteral("вне списка")), 3)
        << "shown under the second category, which was deleted: follows it to the last";
}

TEST_F(DayEditTest, EventsOutsideTheListFollowTheSecondCategory)
{
    Add(1, 1, QStringLiteral("вне списка"), 9);
    CommitDayEdit(user, 5, 10,
                  {{QStringLiteral("День рождения"), 0}, {QStringLiteral("Новая"), -1}, {QStringLiteral("Работа"), 1},
                   {QStringLiteral("Дача"), 2}, {QStringLiteral("Остальное"), 3}},
                  {});
    EXPECT_EQ(CategoryOf(1, 1, QStringLiteral("вне списка")), 2);
}
