#include "store/clock.h"
#include "store/user.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
CEventRecord Event(int month, int day, const QString &name = QStringLiteral("e"), int monitoring = 0)
{
    CEventRecord e;
    e.Name = name;
    e.Month = month;
    e.Day = day;
    e.Monitoring = monitoring;
    return e;
}
} // namespace

TEST(User, NewUserHasDefaults)
{
    const CUser user;
    EXPECT_EQ(user.Categories(), (QStringList{QStringLiteral("День рождения"), QStringLiteral("Остальное")}));
    EXPECT_EQ(user.m_strName, QStringLiteral("<user>"));
    EXPECT_TRUE(user.m_strPassword.isEmpty());
    EXPECT_EQ(user.m_nRights, 2);
    for (int i = 0; i < kDaySlots; ++i)
        ASSERT_TRUE(user.Slot(i).IsEmpty());
}

TEST(User, RearmingKeepsTheFlagOnlyWithinTheComingDaysOfThisMonth)
{
    const int span = 7; // today is 10 May
    // Kept as stored: 10 and 17 May (both ends of the window).
    EXPECT_EQ(CUser::RearmedMonitoring(Event(5, 10), 5, 10, span), 0);
    EXPECT_EQ(CUser::RearmedMonitoring(Event(5, 17), 5, 10, span), 0);
    EXPECT_EQ(CUser::RearmedMonitoring(Event(5, 10, {}, 1), 5, 10, span), 1);
    // Set again: the day before, the day after the window, other months (even within N days).
    EXPECT_EQ(CUser::RearmedMonitoring(Event(5, 9), 5, 10, span), 1);
    EXPECT_EQ(CUser::RearmedMonitoring(Event(5, 18), 5, 10, span), 1);
    EXPECT_EQ(CUser::RearmedMonitoring(Event(6, 1), 5, 30, span), 1);
    EXPECT_EQ(CUser::RearmedMonitoring(Event(4, 10), 5, 10, span), 1);
}

TEST(User, DayEventsFollowTheCurrentYearAndTheSelection)
{
    Clock::SetSource([] { return QDate(2025, 6, 1); });
    CUser user;
    user.GetDayEvents(3, 1).AddTail(Event(3, 1, QStringLiteral("first")));
    user.GetDayEvents(3, 1).AddTail(Event(3, 1, QStringLiteral("second")));
    EXPECT_EQ(&user.GetDayEvents(3, 1), &user.Slot(59));
    EXPECT_EQ(user.Slot(59).begin()->Name, QStringLiteral("first"));
    EXPECT_EQ(std::next(user.Slot(59).begin())->Name, QStringLiteral("second"));

    user.m_selected = {3, 1};
    EXPECT_EQ(&user.GetSelectedDayEvents(), &user.Slot(59));
    Clock::SetSource([] { return QDate(2024, 6, 1); });
    EXPECT_EQ(&user.GetSelectedDayEvents(), &user.Slot(60));
    Clock::SetSource({});
}
