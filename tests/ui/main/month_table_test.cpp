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

#include <QScopeGuard>

#include <gtest/gtest.h>

#include <limits>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// The first month shown and its year.
QString First(const CMonthTable &table)
{
    return u"%1/%2"_s.arg(table.FirstMonth()).arg(table.Info(table.FirstMonth()).nYear);
}

TEST(MonthTableTest, PagingStopsAtTheYearsQDateHoldsAndMonthsOutOfRangeReadJanuary)
{
    const std::pair<int, int> next[] = {{12, 1}, {1, 2}, {0, 0}, {13, 13}};
    for (const auto &[month, following] : next)
        EXPECT_EQ(NextMonth(month), following) << month;
    EXPECT_EQ(PreviousMonth(0), 12);
    CMonthTable table;
    table.Info(1).x = 77;
    EXPECT_EQ(std::make_pair(table.Info(0).x, table.Info(13).x), std::make_pair(77, 77));

    table.SetToday(QDate(1, 1, 1));
    EXPECT_FALSE(table.PageBackward());
    EXPECT_EQ(table.Info(1).nOffset, QDate(1, 1, 1).dayOfWeek() - 1);
    EXPECT_TRUE(table.PageForward());
    EXPECT_TRUE(table.PageBackward());
    EXPECT_EQ(First(table), u"1/1"_s);
    // The last year a QDate holds: its December, and the first month of the span, are reachable
    // but nothing after them.
    const int last = std::numeric_limits<int>::max();
    table.SetToday(QDate(last - 1, 12, 1));
    EXPECT_TRUE(table.PageForward());
    EXPECT_FALSE(table.PageForward());
    EXPECT_EQ(First(table), u"1/%1"_s.arg(last));
    EXPECT_EQ(table.Info(12).nYear, last);
    EXPECT_TRUE(table.PageBackward());
}

TEST(CalendarTextsTest, YearTitlesAndDayNumbers)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 1, 1));
    table.PageBackward();
    EXPECT_EQ(YearTitleText(table, 12), u"Календарь - 2023/2024"_s);
    EXPECT_EQ(YearTitleText(table, 1), u"Календарь - 2023"_s);
    EXPECT_EQ(QStringList({DayNumberText(10, true), DayNumberText(31, true), DayNumberText(31, false)}),
              QStringList({u"A"_s, u"1F"_s, u"31"_s}));
    EXPECT_EQ(QStringList({WeekdayAbbreviation(0), WeekdayAbbreviation(6), WeekdayAbbreviation(7)}),
              QStringList({u"Пн"_s, u"Вс"_s, {}}));
}

TEST(DayCursorTest, ShownDatesPagesToThemAndTheDayKeptInView)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 11, 5)); // November 2024 .. October 2025
    EXPECT_FALSE(SelectedDayDate(table, {2, 29}).isValid()); // 2025 is a common year
    EXPECT_FALSE(ShowsDate(table, 12, QDate(2025, 11, 1))); // November is shown only in 2024
    const std::pair<QDate, qint64> pages[] = {{{2025, 5, 1}, 4}, {{2023, 10, 31}, -13}, {{2024, 12, 31}, 0}, {{}, 0}};
    for (const auto &[date, count] : pages)
        EXPECT_EQ(PagesToShow(table, 3, date), count) << date.toString(Qt::ISODate).toStdString();
    table.PageForward();
    table.PageForward();
    table.PageForward(); // February .. April 2025
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 1, 31)), QDate(2025, 2, 28));
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 5, 31)), QDate(2025, 4, 30));
    EXPECT_FALSE(KeptInView(table, 3, QDate()).isValid());
}

TEST(StatusHintTrackerTest, HintsForANewDayAndForTheRestingCursor)
{
    constexpr int kProperties = res::StringId::PropertiesHint, kAddEvent = res::StringId::AddEventHint;
    const struct {
        int month, day;
        bool onPanel;
        int hint;
    } ticks[] = {{0, 0, true, kProperties}, {0, 0, true, kProperties}, {0, 0, false, 0}, // off the panel
                 {5, 12, true, kAddEvent},  {5, 12, true, 0},                            // the same day
                 {5, 13, true, kAddEvent},  {0, 0, true, 0},                             // just left the days
                 {0, 0, true, kProperties}, {6, 13, true, kAddEvent},
                 {7, 13, true, 0}}; // another month, the same day number
    CStatusHintTracker hints;
    for (const auto &t : ticks)
        EXPECT_EQ(hints.Tick(t.month, t.day, t.onPanel), t.hint) << t.month << "/" << t.day;
}

TEST(MoveDayEventsTest, MovesAllEventsOnlyToAnEmptyOtherDay)
{
    Clock::SetSource([] { return QDate(2025, 5, 1); });
    const auto restore = qScopeGuard([] { Clock::SetSource({}); });
    CUser user;
    user.GetDayEvents(3, 8).AddTail(test::MakeEvent(3, 8, u"Первое"_s));
    user.GetDayEvents(4, 1).AddTail(test::MakeEvent(4, 1, u"Занято"_s));
    const CUser before = user;
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 4, 1));
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 3, 8));
    EXPECT_FALSE(MoveDayEvents(user, 3, 1, 2, 29)); // one slot in a common year: it would be emptied
    EXPECT_EQ(user, before);
}

} // namespace
} // namespace orvane
