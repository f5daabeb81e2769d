#include "store/day_addressing.h"
#include "store/user.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(DayAddressing, LeapYearsAreGregorian)
{
    for (int year : {1992, 1996, 2000, 2004, 2024, 2400})
        EXPECT_TRUE(IsLeapYear(year)) << year;
    for (int year : {1900, 1997, 2003, 2100, 2200, 2025})
        EXPECT_FALSE(IsLeapYear(year)) << year;
}

TEST(DayAddressing, DayOfYearAcrossLeapAndCommonYears)
{
    EXPECT_EQ(DayOfYear(3, 1, 2004), 61);
    EXPECT_EQ(DayOfYear(3, 1, 2005), 60);
    EXPECT_EQ(DayOfYear(3, 1, 2100), 60);
    EXPECT_EQ(DayOfYear(12, 31, 2000), 366);
    EXPECT_EQ(DayOfYear(12, 31, 2001), 365);
    EXPECT_EQ(DayOfYear(2, 31, 2005), 62) << "the day is not checked against the month";
    EXPECT_EQ(DayOfYear(13, 1, 2005), 0);
    EXPECT_EQ(DayOfYear(0, 1, 2005), 0);
    EXPECT_EQ(DayOfYear(1, 32, 2005), 0);
    EXPECT_EQ(DayOfYear(1, 0, 2005), 0);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2100), 28);
    EXPECT_EQ(DaysInMonth(0, 2000), 0);
}

TEST(DayAddressing, SlotOfTwentyNinthFebruaryIsFirstMarchInCommonYears)
{
    EXPECT_EQ(CUser::SlotIndex(2, 29, 2024), 59);
    EXPECT_EQ(CUser::SlotIndex(3, 1, 2025), 59);
    EXPECT_EQ(CUser::SlotIndex(2, 29, 2025), 59);
    EXPECT_EQ(CUser::SlotIndex(3, 1, 2024), 60);
    EXPECT_EQ(CUser::SlotIndex(0, 0, 2024), -1);
}
