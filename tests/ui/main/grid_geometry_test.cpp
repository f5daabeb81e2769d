#include "ui/main/frame_hit_test.h"
#include "ui/main/grid_geometry.h"
#include "ui/main/month_table.h"
#include "ui/main/window_snapping.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A font 17 pixels high gives 28-pixel cells.
class GridGeometryTest : public ::testing::Test {
protected:
    void Show(QDate today, int months, bool large = false, bool weekdayColumn = true)
    {
        metrics = GridMetrics::FromTextHeight(17, weekdayColumn);
        table.SetToday(today);
        scale = months;
        LayoutMonths(table, metrics, scale, large);
    }
    QPoint CellCentre(int month, int day) const
    {
        return DayRect(table, metrics, month, day).center();
    }
    DayHit Hit(QPoint p) const { return HitTestDay(table, metrics, scale, p); }

    GridMetrics metrics;
    CMonthTable table;
    int scale = 2;
};

TEST_F(GridGeometryTest, MetricsFollowTheTextHeight)
{
    const GridMetrics m = GridMetrics::FromTextHeight(17, true);
    EXPECT_EQ(m.nCell, 28);
    EXPECT_EQ(m.nTextOffset, 5);
    EXPECT_EQ(m.cxMonth, 6 * 28 + 20 + 10);
    EXPECT_EQ(m.cyMonth, 7 * 28 + 12);
    EXPECT_EQ(GridMetrics::FromTextHeight(13, false).cxMonth, 6 * 24 + 10);
    EXPECT_EQ(m.WindowSize(3, false), QSize(3 * 198 + 67, 208 + 140));
    EXPECT_EQ(m.WindowSize(8, true), QSize(4 * 198 + 67, 2 * 208 + 140));
    EXPECT_EQ(m.MinimumWindowSize(), QSize(2 * 198 + 67, 208 + 140));
    EXPECT_EQ(m.MaximumWindowWidth(), 6 * 198 + 67);
}

TEST_F(GridGeometryTest, MonthsAreLaidOutInOneOrTwoRows)
{
    Show(QDate(2024, 11, 5), 3);
    EXPECT_EQ(QPoint(table.Info(11).x, table.Info(11).y), QPoint(41, 60));
    EXPECT_EQ(QPoint(table.Info(1).x, table.Info(1).y), QPoint(41 + 2 * 198, 60));
    Show(QDate(2024, 11, 5), 6, true);
    EXPECT_EQ(QPoint(table.Info(1).x, table.Info(1).y), QPoint(41 + 2 * 198, 60));
    EXPECT_EQ(QPoint(table.Info(2).x, table.Info(2).y), QPoint(41, 208 + 72));
    EXPECT_EQ(QPoint(table.Info(4).x, table.Info(4).y), QPoint(41 + 2 * 198, 208 + 72));
}

TEST_F(GridGeometryTest, DayCellsOfMondayAndSundayStartingMonths)
{
    Show(QDate(2024, 9, 1), 2); // September starts on a Sunday, October on a Tuesday
    const int x = 41 + 20;
    EXPECT_EQ(DayRect(table, metrics, 9, 1), QRect(x, 60 + 6 * 28, 28, 28));
    EXPECT_EQ(DayRect(table, metrics, 9, 2), QRect(x + 28, 60, 28, 28));
    Show(QDate(2024, 1, 1), 2); // January starts on a Monday
    EXPECT_EQ(DayRect(table, metrics, 1, 1), QRect(x, 60, 28, 28));
    EXPECT_EQ(DayRect(table, metrics, 1, 7), QRect(x, 60 + 6 * 28, 28, 28));
    Show(QDate(2024, 12, 1), 2); // 31-day December starts on a Sunday: day 31 is k = 36
    EXPECT_EQ(DayRect(table, metrics, 12, 31), QRect(x + 5 * 28, 60 + 28, 28, 28));
    EXPECT_EQ(DayRect(table, metrics, 12, 31).translated(-x, -60).topLeft() / 28, QPoint(5, 1));
}

TEST_F(GridGeometryTest, EveryDayHitsItself)
{
    for (bool weekdayColumn : {false, true}) {
        metrics = GridMetrics::FromTextHeight(17, weekdayColumn);
        table.SetToday(QDate(2024, 11, 5));
        LayoutMonths(table, metrics, 6, true);
        scale = 6;
        table.ForEachVisible(scale, [&](int, int month) {
            for (int day = 1; day <= table.Info(month).nDays; ++day) {
                const QRect cell = DayRect(table, metrics, month, day);
                for (QPoint p : {cell.center(), cell.topLeft() + QPoint(1, 1), cell.bottomRight()}) {
                    const DayHit hit = Hit(p);
                    EXPECT_TRUE(hit.onDay) << month << "/" << day;
                    EXPECT_EQ(hit.month, month);
                    EXPECT_EQ(hit.day, day);
                }
            }
        });
    }
}

TEST_F(GridGeometryTest, PointsThatAreNoDay)
{
    Show(QDate(2024, 9, 1), 2); // September: six cells before the 1st; October ends on a Thursday
    const MonthInfo &sep = table.Info(9);

    const DayHit column = Hit(QPoint(sep.x + 5, sep.y + 40));
    EXPECT_FALSE(column.onDay);
    EXPECT_EQ(column.month, 9); // still inside the block: the hint timer sees the month

    const DayHit beforeFirst = Hit(QPoint(sep.x + 20 + 10, sep.y + 2 * 28 + 10));
    EXPECT_EQ(beforeFirst.month, 9);
    EXPECT_FALSE(beforeFirst.onDay);

    // Row 5 of column 0 gives day 0, which counts as no month at all.
    const DayHit dayZero = Hit(QPoint(sep.x + 20 + 10, sep.y + 5 * 28 + 10));
    EXPECT_EQ(dayZero.month, 0);
    EXPECT_EQ(dayZero.day, 0);

    const QPoint afterLast = DayRect(table, metrics, 10, 31).center() + QPoint(0, 28);
    EXPECT_FALSE(Hit(afterLast).onDay);

    const DayHit margin = Hit(QPoint(sep.x + 20 + 6 * 28 + 4, sep.y + 10));
    EXPECT_EQ(margin.month, 9);
    EXPECT_FALSE(margin.onDay);

    EXPECT_EQ(Hit(QPoint(sep.x + 30, sep.y - 5)).month, 0); // the month name row
    EXPECT_EQ(Hit(QPoint(sep.x + 30, sep.y + 7 * 28 + 2)).month, 0); // below the grid
    EXPECT_EQ(Hit(QPoint(10, 100)).month, 0);
}

TEST(FrameHitTestTest, FourAreas)
{
    const QRect window(100, 50, 463, 348); // right edge at x 563, bottom at y 398
    EXPECT_EQ(FrameHitTest(window, {560, 60}), FrameArea::RightEar);
    EXPECT_EQ(FrameHitTest(window, {538, 85}), FrameArea::RightEar);
    EXPECT_EQ(FrameHitTest(window, {537, 60}), FrameArea::MoveStrip);
    EXPECT_EQ(FrameHitTest(window, {538, 86}), FrameArea::Client);
    EXPECT_EQ(FrameHitTest(window, {560, 390}), FrameArea::BottomGrip);
    EXPECT_EQ(FrameHitTest(window, {512, 363}), FrameArea::BottomGrip);
    EXPECT_EQ(FrameHitTest(window, {511, 390}), FrameArea::MoveStrip);
    EXPECT_EQ(FrameHitTest(window, {512, 362}), FrameArea::Client);
    EXPECT_EQ(FrameHitTest(window, {120, 55}), FrameArea::MoveStrip);
    EXPECT_EQ(FrameHitTest(window, {120, 390}), FrameArea::MoveStrip);
    EXPECT_EQ(FrameHitTest(window, {300, 200}), FrameArea::Client);
}

TEST(WindowSnappingTest, WidthSnapsToWholeBlocks)
{
    const GridMetrics m = GridMetrics::FromTextHeight(17, true); // blocks of 198
    int previous = 2;
    for (int width = 0; width < 1400; width += 7) {
        const SnappedSize s = SnapSizing(QRect(10, 20, width, 348), SizingEdge::Right, m, 2, false);
        ASSERT_GE(s.scale, previous) << width;
        ASSERT_LE(s.scale, 6);
        EXPECT_EQ(s.rect, QRect(10, 20, s.scale * 198 + 67, 348));
        EXPECT_FALSE(s.large);
        previous = s.scale;
    }
    // k = (width + 47) / 198: 2 blocks up to 546 pixels wide, 3 from 547.
    EXPECT_EQ(SnapSizing(QRect(10, 20, 546, 348), SizingEdge::Right, m, 2, false).scale, 2);
    EXPECT_EQ(SnapSizing(QRect(10, 20, 547, 348), SizingEdge::Right, m, 2, false).scale, 3);
    EXPECT_EQ(SnapSizing(QRect(10, 20, 5000, 348), SizingEdge::Right, m, 2, false).scale, 6);
    const SnappedSize large = SnapSizing(QRect(10, 20, 548, 556), SizingEdge::Right, m, 4, true);
    EXPECT_EQ(large.scale, 6);
    EXPECT_TRUE(large.large);
    EXPECT_EQ(large.rect.width(), 3 * 198 + 67);
}

TEST(WindowSnappingTest, HeightSwitchesBetweenOneAndTwoRows)
{
    const GridMetrics m = GridMetrics::FromTextHeight(17, true); // rows of 208
    const SnappedSize taller = SnapSizing(QRect(0, 0, 661, 349), SizingEdge::Bottom, m, 3, false);
    EXPECT_EQ(taller.rect, QRect(0, 0, 661, 2 * 208 + 140));
    EXPECT_EQ(taller.scale, 6);
    EXPECT_TRUE(taller.large);

    const SnappedSize stillLarge = SnapSizing(QRect(0, 0, 661, 900), SizingEdge::Bottom, m, 6, true);
    EXPECT_EQ(stillLarge.scale, 6);
    EXPECT_EQ(stillLarge.rect.height(), 556);

    const SnappedSize shorter = SnapSizing(QRect(0, 0, 661, 348), SizingEdge::Bottom, m, 6, true);
    EXPECT_EQ(shorter.rect.height(), 348);
    EXPECT_EQ(shorter.scale, 3);
    EXPECT_FALSE(shorter.large);

    EXPECT_EQ(SnapSizing(QRect(0, 0, 661, 100), SizingEdge::Bottom, m, 3, false).scale, 3);
}

TEST(WindowSnappingTest, ScalesFromTheFileAreFitted)
{
    EXPECT_EQ(FitScale(0, false), 2);
    EXPECT_EQ(FitScale(4, false), 4);
    EXPECT_EQ(FitScale(12, false), 6);
    EXPECT_EQ(FitScale(12, true), 12);
    EXPECT_EQ(FitScale(7, true), 6);
    EXPECT_EQ(FitScale(2, true), 4);
    EXPECT_EQ(FitScale(200, true), 12);
}

} // namespace
} // namespace orvane
