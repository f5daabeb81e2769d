#include "store/day_addressing.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

#include <array>

using namespace orvane;

TEST(DayAddressing, DaysAndSlotsAcrossLeapAndCommonYears)
{
    // Month, day, year and the day of the year; the day is not checked against the month.
    const std::array<int, 4> cases[] = {{3, 1, 2004, 61}, {3, 1, 2005, 60}, {3, 1, 2100, 60}, {12, 31, 2000, 366},
                                        {12, 31, 2001, 365}, {2, 31, 2005, 62}, {13, 1, 2005, 0}, {0, 1, 2005, 0},
                                        {1, 32, 2005, 0}, {1, 0, 2005, 0}};
    for (const auto &[month, day, year, dayOfYear] : cases) {
        EXPECT_EQ(DayOfYear(month, day, year), dayOfYear) << month << '/' << day << '/' << year;
        EXPECT_EQ(CUser::SlotIndex(month, day, year), dayOfYear - 1);
    }
    EXPECT_EQ(DaysInMonth(0, 2000), 0);
    EXPECT_EQ(CUser::SlotIndex(2, 29, 2025), 59) << "29 February of a common year is 1 March";

    // So both are in slot 59 when placed for a common year: an event whose own slot is full stays where it was.
    CUser user;
    for (int i = 0; i < CEventList::kMaxEvents; ++i)
        user.Slot(59).AddTail(test::MakeEvent(2, 29, QStringLiteral("e")));
    user.Slot(60).AddTail(test::MakeEvent(3, 1, QStringLiteral("март")));
    user.PlaceForYear(2025);
    EXPECT_EQ(std::pair(user.Slot(59).GetCount(), user.Slot(60).GetCount()), std::pair(CEventList::kMaxEvents, 1));
}
