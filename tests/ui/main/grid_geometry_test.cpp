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

TEST(GridGeometryTest, EveryDayHitsItsMondayFirstCellAndOtherPointsNoDay)
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
    // September 2024 starts on a Sunday, the last row; its 30th is a Monday, the first row.
    const CMonthTable table = LaidOut(QDate(2024, 9, 1), kMetrics, 2, false);
    EXPECT_EQ(DayRect(table, kMetrics, 9, 1), QRect(41 + 20, 60 + 6 * 28, 28, 28));
    EXPECT_EQ(DayRect(table, kMetrics, 9, 30), QRect(41 + 20 + 5 * 28, 60, 28, 28));

    // Inside a block the month is still given (the hint timer sees it); row 5 of column 0 of
    // September gives day 0, no month.
    const MonthInfo &sep = table.Info(9);
    const struct {
        QPoint point;
        int month;
    } points[] = {{{sep.x + 5, sep.y + 40}, 9},                                     // weekday column
                  {{sep.x + 30, sep.y + 2 * 28 + 10}, 9},                            // before the 1st
                  {{sep.x + 30, sep.y + 5 * 28 + 10}, 0},                            // day 0
                  {DayRect(table, kMetrics, 10, 31).center() + QPoint(0, 28), 10},   // after the last
                  {{sep.x + 20 + 6 * 28 + 4, sep.y + 10}, 9},                        // right margin
                  {{sep.x + 30, sep.y - 5}, 0}, {{sep.x + 30, sep.y + 7 * 28 + 2}, 0}, {{10, 100}, 0}};
    for (const auto &p : points) {
        const DayHit hit = HitTestDay(table, kMetrics, 2, p.point);
        EXPECT_EQ(std::make_pair(hit.onDay, hit.month), std::make_pair(false, p.month)) << p.point.x() << "," << p.point.y();
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
    const SnappedSize large = SnapSizing(QRect(10, 20, 548, 556), SizingEdge::Right, kMetrics, 4, true);
    EXPECT_EQ(std::make_tuple(large.scale, large.large, large.rect.width()), std::make_tuple(6, true, 3 * 198 + 67));

    const struct {
        int height, scale;
        bool large;
        int snappedHeight, snappedScale;
        bool snappedLarge;
    } heights[] = {{349, 3, false, 556, 6, true}, {900, 6, true, 556, 6, true}, {348, 6, true, 348, 3, false},
                   {100, 3, false, 348, 3, false}};
    for (const auto &h : heights) {
        const SnappedSize s = SnapSizing(QRect(0, 0, 661, h.height), SizingEdge::Bottom, kMetrics, h.scale, h.large);
        EXPECT_EQ(std::make_tuple(s.rect, s.scale, s.large),
                  std::make_tuple(QRect(0, 0, 661, h.snappedHeight), h.snappedScale, h.snappedLarge)) << h.height;
    }
}

} // namespace
} // namespace orvane
