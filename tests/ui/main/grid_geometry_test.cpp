#include "ui/main/frame_hit_test.h"
#include "ui/main/grid_geometry.h"
#include "ui/main/month_table.h"
#include "ui/main/window_snapping.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A font 17 pixels high gives 28-pixel cells and month blocks of 198 x 208.
const GridMetrics kMetrics = GridMetrics::FromTextHeight(17, true);

CMonthTable LaidOut(QDate today, const GridMetrics &metrics, int scale, bool large)
{
    CMonthTable table;
    table.SetToday(today);
    LayoutMonths(table, metrics, scale, large);
    return table;
}

TEST(GridGeometryTest, BlocksAndCellsFollowTheTextHeight)
{
    EXPECT_EQ(kMetrics.nCell, 28);
    EXPECT_EQ(kMetrics.nTextOffset, 5);
    EXPECT_EQ(QSize(kMetrics.cxMonth, kMetrics.cyMonth), QSize(6 * 28 + 20 + 10, 7 * 28 + 12));
    EXPECT_EQ(GridMetrics::FromTextHeight(13, false).cxMonth, 6 * 24 + 10);
    EXPECT_EQ(kMetrics.WindowSize(8, true), QSize(4 * 198 + 67, 2 * 208 + 140));
    EXPECT_EQ(kMetrics.MinimumWindowSize(), QSize(2 * 198 + 67, 208 + 140));
    EXPECT_EQ(kMetrics.MaximumWindowWidth(), 6 * 198 + 67);

    const CMonthTable large = LaidOut(QDate(2024, 11, 5), kMetrics, 6, true);
    EXPECT_EQ(QPoint(large.Info(1).x, large.Info(1).y), QPoint(41 + 2 * 198, 60));
    EXPECT_EQ(QPoint(large.Info(2).x, large.Info(2).y), QPoint(41, 208 + 72));
    EXPECT_EQ(QPoint(large.Info(4).x, large.Info(4).y), QPoint(41 + 2 * 198, 208 + 72));

    // Monday-first columns: September 2024 starts on a Sunday, January on a Monday, and the
    // 31 days of December 2024 (from a Sunday) reach the sixth column.
    const int x = 41 + 20;
    const struct {
        QDate today;
        int month, day;
        QPoint cell;
    } cells[] = {{{2024, 9, 1}, 9, 1, {0, 6}}, {{2024, 9, 1}, 9, 2, {1, 0}},   {{2024, 1, 1}, 1, 1, {0, 0}},
                 {{2024, 1, 1}, 1, 7, {0, 6}}, {{2024, 12, 1}, 12, 31, {5, 1}}};
    for (const auto &c : cells) {
        const CMonthTable table = LaidOut(c.today, kMetrics, 2, false);
        EXPECT_EQ(DayRect(table, kMetrics, c.month, c.day), QRect(QPoint(x, 60) + c.cell * 28, QSize(28, 28)))
            << c.month << "/" << c.day;
    }
}

TEST(GridGeometryTest, EveryDayHitsItselfAndOtherPointsNoDay)
{
    for (bool weekdayColumn : {false, true}) {
        const GridMetrics metrics = GridMetrics::FromTextHeight(17, weekdayColumn);
        const CMonthTable table = LaidOut(QDate(2024, 11, 5), metrics, 6, true);
        table.ForEachVisible(6, [&](int, int month) {
            for (int day = 1; day <= table.Info(month).nDays; ++day) {
                const QRect cell = DayRect(table, metrics, month, day);
                for (QPoint p : {cell.center(), cell.topLeft() + QPoint(1, 1), cell.bottomRight()}) {
                    const DayHit hit = HitTestDay(table, metrics, 6, p);
                    EXPECT_TRUE(hit.onDay && hit.month == month && hit.day == day) << month << "/" << day;
                }
            }
        });
    }

    // September 2024: six cells before the 1st; October ends on a Thursday. Inside a block the
    // month is still given (the hint timer sees it); row 5 of column 0 gives day 0, no month.
    const CMonthTable table = LaidOut(QDate(2024, 9, 1), kMetrics, 2, false);
    const MonthInfo &sep = table.Info(9);
    const struct {
        QPoint point;
        int month;
    } points[] = {{{sep.x + 5, sep.y + 40}, 9},                    // weekday column
                  {{sep.x + 30, sep.y + 2 * 28 + 10}, 9},           // before the 1st
                  {{sep.x + 30, sep.y + 5 * 28 + 10}, 0},           // day 0
                  {DayRect(table, kMetrics, 10, 31).center() + QPoint(0, 28), 10}, // after the last
                  {{sep.x + 20 + 6 * 28 + 4, sep.y + 10}, 9},       // right margin
                  {{sep.x + 30, sep.y - 5}, 0},                     // month name row
                  {{sep.x + 30, sep.y + 7 * 28 + 2}, 0},            // below the grid
                  {{10, 100}, 0}};
    for (const auto &p : points) {
        const DayHit hit = HitTestDay(table, kMetrics, 2, p.point);
        EXPECT_FALSE(hit.onDay) << p.point.x() << "," << p.point.y();
        EXPECT_EQ(hit.month, p.month) << p.point.x() << "," << p.point.y();
    }
}

TEST(FrameHitTestTest, EarGripStripsAndClient)
{
    const QRect window(100, 50, 463, 348); // right edge at x 563, bottom at y 398
    const std::pair<QPoint, FrameArea> points[] = {
        {{560, 60}, FrameArea::RightEar},   {{538, 85}, FrameArea::RightEar},   {{537, 60}, FrameArea::MoveStrip},
        {{538, 86}, FrameArea::Client},     {{560, 390}, FrameArea::BottomGrip}, {{512, 363}, FrameArea::BottomGrip},
        {{511, 390}, FrameArea::MoveStrip}, {{512, 362}, FrameArea::Client},     {{120, 55}, FrameArea::MoveStrip},
        {{120, 390}, FrameArea::MoveStrip}, {{300, 200}, FrameArea::Client}};
    for (const auto &[point, area] : points)
        EXPECT_EQ(FrameHitTest(window, point), area) << point.x() << "," << point.y();
}

TEST(WindowSnappingTest, WidthSnapsToWholeBlocks)
{
    int previous = 2;
    for (int width = 0; width < 1400; width += 7) {
        const SnappedSize s = SnapSizing(QRect(10, 20, width, 348), SizingEdge::Right, kMetrics, 2, false);
        ASSERT_GE(s.scale, previous) << width;
        ASSERT_LE(s.scale, 6);
        EXPECT_EQ(s.rect, QRect(10, 20, s.scale * 198 + 67, 348));
        EXPECT_FALSE(s.large);
        previous = s.scale;
    }
    // k = (width + 47) / 198: 2 blocks up to 546 pixels wide, 3 from 547.
    EXPECT_EQ(SnapSizing(QRect(10, 20, 546, 348), SizingEdge::Right, kMetrics, 2, false).scale, 2);
    EXPECT_EQ(SnapSizing(QRect(10, 20, 547, 348), SizingEdge::Right, kMetrics, 2, false).scale, 3);
    const SnappedSize large = SnapSizing(QRect(10, 20, 548, 556), SizingEdge::Right, kMetrics, 4, true);
    EXPECT_EQ(std::make_tuple(large.scale, large.large, large.rect.width()), std::make_tuple(6, true, 3 * 198 + 67));
}

TEST(WindowSnappingTest, HeightSwitchesBetweenOneAndTwoRows)
{
    const struct {
        int height, scale;
        bool large;
        int snappedHeight, snappedScale;
        bool snappedLarge;
    } rows[] = {{349, 3, false, 556, 6, true}, {900, 6, true, 556, 6, true},
                {348, 6, true, 348, 3, false}, {100, 3, false, 348, 3, false}};
    for (const auto &row : rows) {
        const SnappedSize s = SnapSizing(QRect(0, 0, 661, row.height), SizingEdge::Bottom, kMetrics, row.scale, row.large);
        EXPECT_EQ(std::make_tuple(s.rect, s.scale, s.large),
                  std::make_tuple(QRect(0, 0, 661, row.snappedHeight), row.snappedScale, row.snappedLarge))
            << row.height;
    }
}

TEST(WindowSnappingTest, ScalesFromTheFileAreFitted)
{
    const std::tuple<int, bool, int> rows[] = {{0, false, 2}, {4, false, 4},  {12, false, 6}, {12, true, 12},
                                               {7, true, 6},  {2, true, 4},   {200, true, 12}};
    for (const auto &[scale, large, fitted] : rows)
        EXPECT_EQ(FitScale(scale, large), fitted) << scale << " " << large;
}

} // namespace
} // namespace orvane
