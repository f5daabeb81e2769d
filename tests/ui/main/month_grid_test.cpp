#include "res/string_table.h"
#include "store/user.h"
#include "ui/main/calendar_texts.h"
#include "ui/main/day_cursor.h"
#include "ui/main/day_events_move.h"
#include "ui/main/frame_hit_test.h"
#include "ui/main/grid_geometry.h"
#include "ui/main/month_table.h"
#include "ui/main/status_hint_tracker.h"
#include "ui/main/window_snapping.h"

#include "event_maker.h"
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

TEST(DayCursorTest, ShownDatesPagesToThemAndTheDayKeptInView)
{
    CMonthTable table;
    table.SetToday(QDate(2024, 11, 5)); // November 2024 .. October 2025
    EXPECT_FALSE(ShowsDate(table, 12, QDate(2025, 11, 1))); // November is shown only in 2024
    EXPECT_EQ(PagesToShow(table, 3, QDate()), 0);
    table.SetToday(QDate(2025, 2, 1)); // February .. April 2025
    EXPECT_EQ(KeptInView(table, 3, QDate(2025, 5, 31)), QDate(2025, 4, 30));
}

TEST(StatusHintTrackerTest, HintsForANewDayAndForTheRestingCursor)
{
    constexpr int kProperties = res::StringId::PropertiesHint, kAddEvent = res::StringId::AddEventHint;
    // Off the panel (a move strip), the same day, just left the days, another month's same day.
    const std::tuple<int, int, bool, int> ticks[] = {
        {0, 0, true, kProperties}, {0, 0, true, kProperties}, {0, 0, false, 0}, {5, 12, true, kAddEvent}, {5, 12, true, 0},
        {5, 13, true, kAddEvent}, {0, 0, true, 0}, {0, 0, true, kProperties}, {6, 13, true, kAddEvent}, {7, 13, true, 0}};
    CStatusHintTracker hints;
    for (const auto &[month, day, onPanel, hint] : ticks)
        EXPECT_EQ(hints.Tick(month, day, onPanel), hint) << month << "/" << day;
}

// Onto a day that holds events, or onto its own slot (which a move would empty), nothing moves.
TEST(MoveDayEventsTest, MovesAllEventsOnlyToAnEmptyOtherDay)
{
    CUser user;
    user.GetDayEvents(3, 8).AddTail(test::MakeEvent(3, 8, u"Первое"_s));
    user.GetDayEvents(4, 1).AddTail(test::MakeEvent(4, 1, u"Занято"_s));
    const CUser before = user;
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 4, 1));
    EXPECT_FALSE(MoveDayEvents(user, 3, 8, 3, 8));
    EXPECT_EQ(user, before);
}

// A font 17 pixels high gives 28-pixel cells and month blocks of 198 x 208.
const GridMetrics kMetrics = GridMetrics::FromTextHeight(17, true);

TEST(GridGeometryTest, DaysRunMondayFirstDownTheColumnsAndOtherPointsHitNoDay)
{
    // September 2024 starts on a Sunday, the last row; its 30th is a Monday, the first row.
    CMonthTable table;
    table.SetToday(QDate(2024, 9, 1));
    LayoutMonths(table, kMetrics, 2, false);
    EXPECT_EQ(DayRect(table, kMetrics, 9, 1), QRect(41 + 20, 60 + 6 * 28, 28, 28));
    EXPECT_EQ(DayRect(table, kMetrics, 9, 30), QRect(41 + 20 + 5 * 28, 60, 28, 28));

    // Inside a block the month is still given (the hint timer sees it); row 5 of column 0 of
    // September gives day 0, no month.
    const MonthInfo &sep = table.Info(9);
    // The weekday column, before the 1st, day 0, after the last, the right margin, above, below,
    // outside every block.
    const std::pair<QPoint, int> points[] = {
        {{sep.x + 5, sep.y + 40}, 9}, {{sep.x + 30, sep.y + 2 * 28 + 10}, 9}, {{sep.x + 30, sep.y + 5 * 28 + 10}, 0},
        {DayRect(table, kMetrics, 10, 31).center() + QPoint(0, 28), 10}, {{sep.x + 20 + 6 * 28 + 4, sep.y + 10}, 9},
        {{sep.x + 30, sep.y - 5}, 0}, {{sep.x + 30, sep.y + 7 * 28 + 2}, 0}, {{10, 100}, 0}};
    for (const auto &[point, month] : points) {
        const DayHit hit = HitTestDay(table, kMetrics, 2, point);
        EXPECT_EQ(std::make_pair(hit.onDay, hit.month), std::make_pair(false, month)) << point.x() << "," << point.y();
    }
}

TEST(FrameHitTestTest, EarGripStripsAndClient)
{
    const QRect window(100, 50, 463, 348); // right edge at x 563, bottom at y 398
    const std::pair<QPoint, FrameArea> points[] = {
        {{560, 60}, FrameArea::RightEar},   {{538, 85}, FrameArea::RightEar},    {{537, 60}, FrameArea::MoveStrip},
        {{538, 86}, FrameArea::Client},     {{560, 390}, FrameArea::BottomGrip}, {{512, 363}, FrameArea::BottomGrip},
        {{511, 390}, FrameArea::MoveStrip}, {{512, 362}, FrameArea::Client},     {{120, 55}, FrameArea::MoveStrip},
        {{120, 390}, FrameArea::MoveStrip}, {{300, 200}, FrameArea::Client}};
    for (const auto &[point, area] : points)
        EXPECT_EQ(FrameHitTest(window, point), area) << point.x() << "," << point.y();
}

TEST(WindowSnappingTest, TheEarSnapsToWholeBlocksTheGripToOneOrTwoRows)
{
    // k = (width + 47) / 198 blocks, two to six: 2 up to 546 pixels wide, 3 from 547.
    const std::pair<int, int> widths[] = {{0, 2}, {546, 2}, {547, 3}, {1000, 5}, {5000, 6}};
    for (const auto &[width, scale] : widths) {
        const SnappedSize s = SnapSizing(QRect(10, 20, width, 348), SizingEdge::Right, kMetrics, 2, false);
        EXPECT_EQ(std::make_tuple(s.rect, s.scale, s.large), std::make_tuple(QRect(10, 20, scale * 198 + 67, 348), scale, false))
            << width;
    }
    const SnappedSize twoRows = SnapSizing(QRect(10, 20, 548, 556), SizingEdge::Right, kMetrics, 4, true);
    EXPECT_EQ(std::make_tuple(twoRows.scale, twoRows.large, twoRows.rect.width()), std::make_tuple(6, true, 3 * 198 + 67));

    // The proposed height, scale and large mode, and the snapped ones.
    const std::tuple<int, int, bool, int, int, bool> heights[] = {
        {349, 3, false, 556, 6, true}, {900, 6, true, 556, 6, true}, {348, 6, true, 348, 3, false}, {100, 3, false, 348, 3, false}};
    for (const auto &[height, scale, large, snappedHeight, snappedScale, snappedLarge] : heights) {
        const SnappedSize s = SnapSizing(QRect(0, 0, 661, height), SizingEdge::Bottom, kMetrics, scale, large);
        EXPECT_EQ(std::make_tuple(s.rect, s.scale, s.large),
                  std::make_tuple(QRect(0, 0, 661, snappedHeight), snappedScale, snappedLarge)) << height;
    }
}

} // namespace
} // namespace orvane
