#include "ui/main/calendar_texts.h"
#include "ui/main/month_table.h"

#include "qt_print.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// The span as "month/year" texts, first month first.
QStringList Span(const CMonthTable &table, int scale = 12)
{
    QStringList span;
    table.ForEachVisible(scale, [&](int, int month) {
        span << QStringLiteral("%1/%2").arg(month).arg(table.Info(month).nYear);
    });
    return span;
}

TEST(MonthTableTest, NextAndPreviousMonthWrapAround)
{
    EXPECT_EQ(NextMonth(12), 1);
    EXPECT_EQ(NextMonth(1), 2);
    EXPECT_EQ(NextMonth(0), 0);
    EXPECT_EQ(NextMonth(13), 13);
    EXPECT_EQ(PreviousMonth(1), 12);
    EXPECT_EQ(PreviousMonth(0), 12);
    EXPECT_EQ(PreviousMonth(12), 11);
}

TEST(MonthTableTest, OutOfRangeMonthReadsJanuary)
{
    CMonthTable table;
    table.Info(1).x = 77;
    EXPECT_EQ(table.Info(0).x, 77);
    EXPECT_EQ(table.Info(13).x, 77);
}

TEST(MonthTableTest, SetTodayStartsWithTodaysMonthAndFollowsIntoNextYear)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 11, 17));
    EXPECT_EQ(table.FirstMonth(), 11);
    EXPECT_EQ(table.Today(), QDate(2024, 11, 17));
    EXPECT_EQ(Span(table, 4), (QStringList{u"11/2024"_s, u"12/2024"_s, u"1/2025"_s, u"2/2025"_s}));
    EXPECT_EQ(table.Info(10).nYear, 2025); // the twelfth month
}

TEST(MonthTableTest, FirstWeekdayOffsets)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 1, 10));
    EXPECT_EQ(table.Info(1).nOffset, 0); // 1 January 2024 is a Monday
    EXPECT_EQ(table.Info(9).nOffset, 6); // 1 September 2024 is a Sunday
    EXPECT_EQ(table.Info(5).nOffset, 2); // 1 May 2024 is a Wednesday
}

TEST(MonthTableTest, FebruaryFollowsItsOwnYear)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 1, 1));
    EXPECT_EQ(table.Info(2).nDays, 29);
    table.SetToday(QDate(2025, 1, 1));
    EXPECT_EQ(table.Info(2).nDays, 28);
    table.SetToday(QDate(2023, 12, 1)); // the span's February is in 2024
    EXPECT_EQ(table.Info(2).nDays, 29);
    table.SetToday(QDate(2100, 1, 1));
    EXPECT_EQ(table.Info(2).nDays, 28);
    table.SetToday(QDate(2000, 1, 1));
    EXPECT_EQ(table.Info(2).nDays, 29);
}

TEST(MonthTableTest, PagingAFullYearBackAndForward)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 1, 15));
    ASSERT_TRUE(table.PageBackward());
    EXPECT_EQ(Span(table).first(), u"12/2023"_s);
    EXPECT_EQ(Span(table).last(), u"11/2024"_s);
    EXPECT_EQ(table.Info(2).nDays, 29);

    table.SetToday(QDate(2024, 1, 15));
    ASSERT_TRUE(table.PageForward());
    EXPECT_EQ(Span(table).first(), u"2/2024"_s);
    EXPECT_EQ(Span(table).last(), u"1/2025"_s);

    // Twelve steps back and twelve forward come home to the same span.
    table.SetToday(QDate(2024, 6, 1));
    const QStringList start = Span(table);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(table.PageBackward());
    EXPECT_EQ(Span(table).first(), u"6/2023"_s);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(table.PageForward());
    EXPECT_EQ(Span(table), start);
}

TEST(MonthTableTest, PagingAcrossTheYearBoundary)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 12, 5));
    table.PageForward();
    EXPECT_EQ(Span(table, 1), QStringList{u"1/2025"_s});
    table.PageBackward();
    EXPECT_EQ(Span(table, 1), QStringList{u"12/2024"_s});
    table.SetToday(QDate(2024, 1, 5));
    table.PageBackward();
    EXPECT_EQ(Span(table, 1), QStringList{u"12/2023"_s});
}

TEST(MonthTableTest, PagingStopsAtTheYearsQDateHolds)
{
    CMonthTable table;
    table.SetToday(QDate(1, 1, 1));
    EXPECT_FALSE(table.PageBackward());
    EXPECT_EQ(Span(table, 1), QStringList{u"1/1"_s});
    EXPECT_EQ(table.Info(1).nOffset, QDate(1, 1, 1).dayOfWeek() - 1);
    EXPECT_TRUE(table.PageForward());
    EXPECT_TRUE(table.PageBackward());

    // The last year a QDate holds: its December, and the first month of the span, are reachable
    // but nothing after them.
    const int last = std::numeric_limits<int>::max();
    ASSERT_TRUE(QDate(last, 12, 31).isValid());
    table.SetToday(QDate(last - 1, 12, 1));
    EXPECT_TRUE(table.PageForward());
    EXPECT_FALSE(table.PageForward());
    EXPECT_EQ(Span(table, 1), QStringList{QStringLiteral("1/%1").arg(last)});
    EXPECT_EQ(Span(table).last(), QStringLiteral("12/%1").arg(last));
    EXPECT_TRUE(table.PageBackward());
}

TEST(MonthTableTest, VisibilityFollowsTheScale)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 11, 1));
    EXPECT_TRUE(table.IsVisible(11, 3));
    EXPECT_TRUE(table.IsVisible(1, 3));
    EXPECT_FALSE(table.IsVisible(2, 3));
    EXPECT_TRUE(table.IsVisible(10, 12));
}

TEST(CalendarTextsTest, YearTitleNamesBothYearsOfASpanAcrossNewYear)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 11, 1));
    EXPECT_EQ(YearTitleText(table, 2), QStringLiteral("Календарь - 2024"));
    EXPECT_EQ(YearTitleText(table, 4), QStringLiteral("Календарь - 2024/2025"));
    table.SetToday(QDate(2024, 1, 1));
    EXPECT_EQ(YearTitleText(table, 12), QStringLiteral("Календарь - 2024"));
    table.PageBackward();
    EXPECT_EQ(YearTitleText(table, 12), QStringLiteral("Календарь - 2023/2024"));
}

TEST(CalendarTextsTest, DayNumbersAndNames)
{
    EXPECT_EQ(DayNumberText(10, true), u"A"_s);
    EXPECT_EQ(DayNumberText(31, true), u"1F"_s);
    EXPECT_EQ(DayNumberText(9, true), u"9"_s);
    EXPECT_EQ(DayNumberText(31, false), u"31"_s);
    EXPECT_EQ(MonthName(1), QStringLiteral("Январь"));
    EXPECT_EQ(MonthName(12), QStringLiteral("Декабрь"));
    EXPECT_EQ(WeekdayAbbreviation(0), QStringLiteral("Пн"));
    EXPECT_EQ(WeekdayAbbreviation(6), QStringLiteral("Вс"));
    EXPECT_EQ(WeekdayName(2024, 9, 1), QStringLiteral("Воскресенье"));
    EXPECT_EQ(WeekdayName(2024, 9, 7), QStringLiteral("Суббота"));
}

} // namespace
} // namespace orvane
