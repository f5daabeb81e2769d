#include "ui/main/calendar_texts.h"
#include "ui/main/month_table.h"

#include "qt_print.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

TEST(MonthTableTest, PagingStopsAtTheYearsQDateHoldsAndMonthsOutOfRangeReadJanuary)
{
    EXPECT_EQ(QList<int>({NextMonth(12), NextMonth(1), NextMonth(0), NextMonth(13), PreviousMonth(0)}),
              QList<int>({1, 2, 0, 13, 12}));
    CMonthTable table;
    table.Info(1).x = 77;
    EXPECT_EQ(std::make_pair(table.Info(0).x, table.Info(13).x), std::make_pair(77, 77));

    table.SetToday(QDate(1, 1, 1));
    EXPECT_FALSE(table.PageBackward());
    EXPECT_EQ(table.Info(1).nOffset, QDate(1, 1, 1).dayOfWeek() - 1);
    EXPECT_TRUE(table.PageForward());
    EXPECT_TRUE(table.PageBackward());
    EXPECT_EQ(std::make_pair(table.FirstMonth(), table.Info(1).nYear), std::make_pair(1, 1));
    // The last year a QDate holds: its December, and the first month of the span, are reachable
    // but nothing after them.
    const int last = std::numeric_limits<int>::max();
    table.SetToday(QDate(last - 1, 12, 1));
    EXPECT_TRUE(table.PageForward());
    EXPECT_FALSE(table.PageForward());
    EXPECT_EQ(std::make_tuple(table.FirstMonth(), table.Info(1).nYear, table.Info(12).nYear), std::make_tuple(1, last, last));
    EXPECT_TRUE(table.PageBackward());
}

TEST(CalendarTextsTest, HexadecimalDayNumbersAndWeekdaysMondayFirst)
{
    EXPECT_EQ(QStringList({DayNumberText(10, true), DayNumberText(31, true), DayNumberText(31, false)}),
              QStringList({u"A"_s, u"1F"_s, u"31"_s}));
    EXPECT_EQ(QStringList({WeekdayAbbreviation(0), WeekdayAbbreviation(6), WeekdayAbbreviation(7)}),
              QStringList({u"Пн"_s, u"Вс"_s, {}}));
}

} // namespace
} // namespace orvane
