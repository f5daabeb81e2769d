#include "store/clock.h"
#include "store/user.h"
#include "ui/main/day_events_move.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

CEventRecord Event(const QString &name, int month, int day)
{
    CEventRecord event;
    event.Name = name;
    event.Month = month;
    event.Day = day;
    return event;
}

TEST(MoveDayEventsTest, MovesAllEventsInOrderWithTheirDateRewritten)
{
    CUser user;
    user.GetDayEvents(3, 8).AddTail(Event(u"Первое"_s, 3, 8));
    user.GetDayEvents(3, 8).AddTail(Event(u"Второе"_s, 3, 8));
    ASSERT_TRUE(MoveDayEvents(user, 3, 8, 5, 9));
    EXPECT_TRUE(user.GetDayEvents(3, 8).IsEmpty());
    const CEventList &moved = user.GetDayEvents(5, 9);
    ASSERT_EQ(moved.GetCount(), 2);
    EXPECT_EQ(moved.begin()->Name, u"Первое"_s);
    for (const CEventRecord &e : moved) {
        EXPECT_EQ(e.Month, 5);
        EXPECT_EQ(e.Day, 9);
    }
}

TEST(MoveDayEventsTest, LeavesBothDaysAloneWhenTheTargetIsTakenOrTheSame)
{
    CUser user;
    user.GetDayEvents(3, 8).AddTail(Event(u"A"_s, 3, 8));
    user.GetDayEvents(4, 1).AddTail(Event(u"B"_s, 4, 1));
    const CUser before = user;
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 4, 1));
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 3, 8));
    EXPECT_EQ(user, before);
}

TEST(MoveDayEventsTest, TwoDatesOfOneSlotAreTheSameDay)
{
    // In a common year 29 February and 1 March share a slot: a move between them would empty it.
    Clock::SetSource([] { return QDate(2025, 5, 1); });
    CUser user;
    user.GetDayEvents(3, 1).AddTail(Event(u"Весна"_s, 3, 1));
    EXPECT_FALSE(MoveDayEvents(user, 2, 29, 3, 1));
    EXPECT_EQ(user.GetDayEvents(3, 1).GetCount(), 1);
    Clock::SetSource({});
}

} // namespace
} // namespace orvane
