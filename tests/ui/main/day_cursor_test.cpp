#include "ui/main/day_cursor.h"
#include "ui/main/month_table.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

CMonthTable SpanFrom(QDate today)
{
    CMonthTable table;
    table.SetToday(today);
    return table;
}

TEST(DayCursorTest, ASelectedDayStandsForItsMonthInTheSpansYear)
{
    const CMonthTable table = SpanFrom(QDate(2024, 11, 5)); // November 2024 .. October 2025
    EXPECT_EQ(SelectedDayDate(table, {11, 5}), QDate(2024, 11, 5));
    EXPECT_EQ(SelectedDayDate(table, {2, 28}), QDate(2025, 2, 28));
    EXPECT_FALSE(SelectedDayDate(table, {2, 29}).isValid()); // 2025 is a common year
    EXPECT_FALSE(SelectedDayDate(table, {}).isValid());
}

TEST(DayCursorTest, ShownDatesAndThePagesToTheOthers)
{
    const CMonthTable table = SpanFrom(QDate(2024, 11, 5));
    EXPECT_TRUE(ShowsDate(table, 3, QDate(2025, 1, 31)));
    EXPECT_FALSE(ShowsDate(table, 3, QDate(2025, 2, 1)));
    EXPECT_FALSE(ShowsDate(table, 3, QDate()));
    // All twelve months are shown, but November and December only in 2024.
    EXPECT_FALSE(ShowsDate(table, 12, QDate(2025, 11, 1)));
    EXPECT_EQ(PagesToShow(table, 12, QDate(2025, 11, 1)), 1);
    EXPECT_EQ(PagesToShow(table, 3, QDate(2025, 2, 1)), 1);
    EXPECT_EQ(PagesToShow(table, 3, QDate(2025, 5, 1)), 4);
    EXPECT_EQ(PagesToShow(table, 3, QDate(2024, 10, 31)), -1);
    EXPECT_EQ(PagesToShow(table, 3, QDate(2023, 10, 31)), -13);
    EXPECT_EQ(PagesToShow(table, 3, QDate(2024, 12, 31)), 0);
    EXPECT_EQ(PagesToShow(table, 3, QDate()), 0);
}

TEST(DayCursorTest, TheFirstKeyStartsOnTodayOrOnTheFirstMonthShown)
{
    CMonthTable table = SpanFrom(QDate(2024, 11, 5));
    EXPECT_EQ(StartDate(table, 1), QDate(2024, 11, 5));
    table.PageForward();
    EXPECT_EQ(StartDate(table, 1), QDate(2024, 12, 1));
}

TEST(DayCursorTest, PagingKeepsTheDayOrTakesItToTheNearestMonthShown)
{
    CMonthTable table = SpanFrom(QDate(2024, 12, 31));
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 1, 31)), QDate(2025, 1, 31));
    table.PageForward(); // January .. March 2025
    EXPECT_EQ(KeptInView(table, 3, QDate(2024, 12, 31)), QDate(2025, 1, 31));
    table.PageForward(); // February .. April 2025
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 1, 31)), QDate(2025, 2, 28));
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 5, 31)), QDate(2025, 4, 30));
    EXPECT_EQ(KeptInView(table, 12, QDate(2025, 1, 31)), QDate(2025, 2, 28));
    EXPECT_FALSE(KeptInView(table, 3, QDate()).isValid());
}

} // namespace
} // namespace orvane
