#include "store/day_addressing.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(DayAddressing, DaysAndSlotsAcrossLeapAndCommonYears)
{
    struct Case {
        int month, day, year, dayOfYear;
    };
    for (const Case c : {Case{3, 1, 2004, 61}, Case{3, 1, 2005, 60}, Case{3, 1, 2100, 60}, Case{12, 31, 2000, 366},
                         Case{12, 31, 2001, 365}, Case{2, 31, 2005, 62} /* the day is not checked against the month */,
                         Case{13, 1, 2005, 0}, Case{0, 1, 2005, 0}, Case{1, 32, 2005, 0}, Case{1, 0, 2005, 0}}) {
        EXPECT_EQ(DayOfYear(c.month, c.day, c.year), c.dayOfYear) << c.month << '/' << c.day << '/' << c.year;
        EXPECT_EQ(CUser::SlotIndex(c.month, c.day, c.year), c.dayOfYear - 1);
    }
    EXPECT_EQ(DaysInMonth(0, 2000), 0);
    EXPECT_EQ(CUser::SlotIndex(2, 29, 2025), 59) << "29 February of a common year is 1 March";
}

// Placed for a common year, 29 February and 1 March of a leap year both belong to slot 59: an
// event whose own slot is full stays where it was.
TEST(DayAddressing, AnEventWhoseSlotIsFullStaysWhereItWas)
{
    CUser user;
    for (int i = 0; i < CEventList::kMaxEvents; ++i)
        user.Slot(59).AddTail(test::MakeEvent(2, 29, QStringLiteral("e")));
    user.Slot(60).AddTail(test::MakeEvent(3, 1, QStringLiteral("март")));
    user.PlaceForYear(2025);
    EXPECT_EQ(std::pair(user.Slot(59).GetCount(), user.Slot(60).GetCount()), std::pair(CEventList::kMaxEvents, 1));
}
