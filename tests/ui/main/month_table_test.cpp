#include "res/string_table.h"
#include "store/clock.h"
#include "store/user.h"
#include "ui/main/calendar_texts.h"
#include "ui/main/day_cursor.h"
#include "ui/main/day_events_move.h"
#include "ui/main/month_table.h"
#include "ui/main/status_hint_tracker.h"

#include "event_maker.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

CMonthTable SpanFrom(QDate today)
{
    CMonthTable table;
    table.SetToday(today);
    return table;
}

// The span as "month/year" texts, first month first.
QStringList Span(const CMonthTable &table, int scale = 12)
{
    QStringList span;
    table.ForEachVisible(scale, [&](int, int month) { span << u"%1/%2"_s.arg(month).arg(table.Info(month).nYear); });
    return span;
}

TEST(MonthTableTest, MonthsWrapAndOutOfRangeReadsJanuary)
{
    const std::pair<int, int> next[] = {{12, 1}, {1, 2}, {0, 0}, {13, 13}};
    for (const auto &[month, following] : next)
        EXPECT_EQ(NextMonth(month), following) << month;
    const std::pair<int, int> previous[] = {{1, 12}, {0, 12}, {12, 11}};
    for (const auto &[month, before] : previous)
        EXPECT_EQ(PreviousMonth(month), before) << month;
    CMonthTable table;
    table.Info(1).x = 77;
    EXPECT_EQ(table.Info(0).x, 77);
    EXPECT_EQ(table.Info(13).x, 77);
}

TEST(MonthTableTest, TheSpanStartsWithTodaysMonthEachMonthInItsYear)
{
    const CMonthTable table = SpanFrom(QDate(2024, 11, 17));
    EXPECT_EQ(table.FirstMonth(), 11);
    EXPECT_EQ(Span(table), (QStringList{u"11/2024"_s, u"12/2024"_s, u"1/2025"_s, u"2/2025"_s, u"3/2025"_s, u"4/2025"_s,
                                        u"5/2025"_s, u"6/2025"_s, u"7/2025"_s, u"8/2025"_s, u"9/2025"_s, u"10/2025"_s}));
    EXPECT_EQ(table.Info(1).nOffset, 2); // 1 January 2025 is a Wednesday
    EXPECT_EQ(table.Info(12).nOffset, 6); // 1 December 2024 a Sunday
    EXPECT_EQ(table.Info(2).nDays, 28);
    const std::pair<QDate, int> februaries[] = {
        {{2024, 1, 1}, 29}, {{2023, 12, 1}, 29}, {{2100, 1, 1}, 28}, {{2000, 1, 1}, 29}};
    for (const auto &[today, days] : februaries)
        EXPECT_EQ(SpanFrom(today).Info(2).nDays, days) << today.year();
    EXPECT_TRUE(table.IsVisible(1, 3));
    EXPECT_FALSE(table.IsVisible(2, 3));
    EXPECT_TRUE(table.IsVisible(10, 12));
}

TEST(MonthTableTest, PagingMovesTheSpanAMonthAndStopsAtTheYearsQDateHolds)
{
    CMonthTable table = SpanFrom(QDate(2024, 1, 15));
    ASSERT_TRUE(table.PageBackward());
    EXPECT_EQ(Span(table, 2), (QStringList{u"12/2023"_s, u"1/2024"_s}));
    EXPECT_EQ(table.Info(2).nDays, 29);
    ASSERT_TRUE(table.PageForward());
    ASSERT_TRUE(table.PageForward());
    EXPECT_EQ(Span(table, 2), (QStringList{u"2/2024"_s, u"3/2024"_s}));
    EXPECT_EQ(Span(table).last(), u"1/2025"_s);
    // Twelve steps back and twelve forward come home to the same span.
    const QStringList start = Span(table);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(table.PageBackward());
    EXPECT_EQ(Span(table).first(), u"2/2023"_s);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(table.PageForward());
    EXPECT_EQ(Span(table), start);

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
    EXPECT_EQ(Span(table, 1), QStringList{u"1/%1"_s.arg(last)});
    EXPECT_EQ(Span(table).last(), u"12/%1"_s.arg(last));
    EXPECT_TRUE(table.PageBackward());
}

TEST(CalendarTextsTest, YearTitlesDayNumbersAndNames)
{
    CMonthTable table = SpanFrom(QDate(2024, 11, 1));
    EXPECT_EQ(YearTitleText(table, 2), u"Календарь - 2024"_s);
    EXPECT_EQ(YearTitleText(table, 4), u"Календарь - 2024/2025"_s);
    table.SetToday(QDate(2024, 1, 1));
    EXPECT_EQ(YearTitleText(table, 12), u"Календарь - 2024"_s);
    table.PageBackward();
    EXPECT_EQ(YearTitleText(table, 12), u"Календарь - 2023/2024"_s);

    EXPECT_EQ(QStringList({DayNumberText(10, true), DayNumberText(31, true), DayNumberText(9, true),
                           DayNumberText(31, false)}),
              QStringList({u"A"_s, u"1F"_s, u"9"_s, u"31"_s}));
    EXPECT_EQ(QStringList({MonthName(1), MonthName(12), WeekdayAbbreviation(0), WeekdayAbbreviation(6),
                           WeekdayAbbreviation(7), WeekdayName(2024, 9, 1), WeekdayName(2024, 9, 7)}),
              QStringList({u"Январь"_s, u"Декабрь"_s, u"Пн"_s, u"Вс"_s, {}, u"Воскресенье"_s, u"Суббота"_s}));
}

TEST(DayCursorTest, SelectedShownAndKeptDays)
{
    CMonthTable table = SpanFrom(QDate(2024, 11, 5)); // November 2024 .. October 2025
    EXPECT_EQ(SelectedDayDate(table, {2, 28}), QDate(2025, 2, 28));
    EXPECT_FALSE(SelectedDayDate(table, {2, 29}).isValid()); // 2025 is a common year
    EXPECT_FALSE(SelectedDayDate(table, {}).isValid());
    EXPECT_TRUE(ShowsDate(table, 3, QDate(2025, 1, 31)));
    EXPECT_FALSE(ShowsDate(table, 3, QDate(2025, 2, 1)));
    EXPECT_FALSE(ShowsDate(table, 12, QDate(2025, 11, 1))); // November is shown only in 2024
    const std::pair<QDate, qint64> pages[] = {{{2025, 2, 1}, 1},     {{2025, 5, 1}, 4}, {{2024, 10, 31}, -1},
                                              {{2023, 10, 31}, -13}, {{2024, 12, 31}, 0}, {{}, 0}};
    for (const auto &[date, count] : pages)
        EXPECT_EQ(PagesToShow(table, 3, date), count) << date.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(PagesToShow(table, 12, QDate(2025, 11, 1)), 1);
    EXPECT_EQ(StartDate(table, 1), QDate(2024, 11, 5));
    table.PageForward();
    EXPECT_EQ(StartDate(table, 1), QDate(2024, 12, 1));

    table = SpanFrom(QDate(2024, 12, 31));
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 1, 31)), QDate(2025, 1, 31));
    table.PageForward(); // January .. March 2025
    EXPECT_EQ(KeptInView(table, 3, QDate(2024, 12, 31)), QDate(2025, 1, 31));
    table.PageForward(); // February .. April 2025
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 1, 31)), QDate(2025, 2, 28));
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 5, 31)), QDate(2025, 4, 30));
    EXPECT_FALSE(KeptInView(table, 3, QDate()).isValid());
}

TEST(StatusHintTrackerTest, HintsForANewDayAndForTheRestingCursor)
{
    CStatusHintTracker hints;
    const struct {
        int month, day;
        bool onPanel;
        int hint;
    } ticks[] = {{0, 0, true, res::StringId::PropertiesHint}, {0, 0, true, res::StringId::PropertiesHint},
                 {0, 0, false, 0}, // on a move strip or outside the window
                 {5, 12, true, res::StringId::AddEventHint}, {5, 12, true, 0}, // still the same day
                 {5, 13, true, res::StringId::AddEventHint}, {0, 0, true, 0},  // just left the days
                 {0, 0, true, res::StringId::PropertiesHint}, {6, 13, true, res::StringId::AddEventHint},
                 {7, 13, true, 0}}; // another month, the same day number
    for (const auto &t : ticks)
        EXPECT_EQ(hints.Tick(t.month, t.day, t.onPanel), t.hint) << t.month << "/" << t.day;
}

TEST(MoveDayEventsTest, MovesAllEventsToAnEmptyOtherDayOnly)
{
    Clock::SetSource([] { return QDate(2025, 5, 1); });
    CUser user;
    user.GetDayEvents(3, 8).AddTail(test::MakeEvent(3, 8, u"Первое"_s));
    user.GetDayEvents(3, 8).AddTail(test::MakeEvent(3, 8, u"Второе"_s));
    user.GetDayEvents(4, 1).AddTail(test::MakeEvent(4, 1, u"Занято"_s));
    const CUser before = user;
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 4, 1));
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 3, 8));
    EXPECT_FALSE(MoveDayEvents(user, 3, 1, 2, 29)); // one slot in a common year: it would be emptied
    EXPECT_EQ(user, before);
    EXPECT_TRUE(MoveDayEvents(user, 3, 8, 5, 9));
    EXPECT_TRUE(user.GetDayEvents(3, 8).IsEmpty());
    QStringList moved;
    for (const CEventRecord &e : user.GetDayEvents(5, 9))
        moved << u"%1 %2/%3"_s.arg(e.Name).arg(e.Month).arg(e.Day);
    EXPECT_EQ(moved, (QStringList{u"Первое 5/9"_s, u"Второе 5/9"_s}));
    Clock::SetSource({});
}

} // namespace
} // namespace orvane
