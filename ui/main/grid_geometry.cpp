#include "ui/main/grid_geometry.h"

#include "ui/main/month_table.h"

namespace orvane {

namespace {
constexpr int kFrameWidth = 67;   // panel around the blocks, left and right together
constexpr int kFrameHeight = 140; // button row, month names, paging buttons and status line
constexpr int kFirstBlockX = 41;
constexpr int kFirstBlockY = 60;
constexpr int kRowGap = 12;
} // namespace

GridMetrics GridMetrics::FromTextHeight(int textHeight, bool weekdayColumn)
{
    GridMetrics m;
    m.nTextHeight = textHeight;
    m.nCell = textHeight + 11;
    m.nTextOffset = (m.nCell - textHeight) / 2;
    m.cxWeekdayColumn = weekdayColumn ? 20 : 0;
    m.cxGrid = 6 * m.nCell;
    m.cyGrid = 7 * m.nCell;
    m.cxMonth = m.cxGrid + m.cxWeekdayColumn + 10;
    m.cyMonth = m.cyGrid + 12;
    return m;
}

QSize GridMetrics::WindowSize(int scale, bool large) const
{
    if (large)
        return {cxMonth * (scale / 2) + kFrameWidth, cyMonth * 2 + kFrameHeight};
    return {cxMonth * scale + kFrameWidth, cyMonth + kFrameHeight};
}

QSize GridMetrics::MinimumWindowSize() const
{
    return {2 * cxMonth + kFrameWidth, cyMonth + kFrameHeight};
}

int GridMetrics::MaximumWindowWidth() const
{
    return 6 * cxMonth + kFrameWidth;
}

void LayoutMonths(CMonthTable &table, const GridMetrics &metrics, int scale, bool large)
{
    const int perRow = large ? scale / 2 : scale;
    table.ForEachVisible(scale, [&](int i, int month) {
        MonthInfo &info = table.Info(month);
        const bool secondRow = large && i >= perRow;
        const int column = secondRow ? i - perRow : i;
        info.x = column * metrics.cxMonth + kFirstBlockX;
        info.y = secondRow ? metrics.cyMonth + kFirstBlockY + kRowGap : kFirstBlockY;
    });
}

QRect StatusLineRect(QSize client, int textHeight)
{
    return {16, client.height() - (textHeight + 36) / 2, client.width() - 88, textHeight};
}

QRect DayRect(const CMonthTable &table, const GridMetrics &metrics, int month, int day)
{
    const MonthInfo &info = table.Info(month);
    const int k = day - 1 + info.nOffset;
    return {info.x + (k / 7) * metrics.nCell + metrics.cxWeekdayColumn,
            info.y + (k % 7) * metrics.nCell, metrics.nCell, metrics.nCell};
}

DayHit HitTestDay(const CMonthTable &table, const GridMetrics &metrics, int scale, QPoint point)
{
    int hitMonth = 0;
    table.ForEachVisible(scale, [&](int, int month) {
        const MonthInfo &info = table.Info(month);
        if (hitMonth == 0 && info.x < point.x() && point.x() < info.x + metrics.cxMonth
            && info.y < point.y() && point.y() < info.y + metrics.cyGrid)
            hitMonth = month;
    });
    if (hitMonth == 0)
        return {};

    // The differences are divided as unsigned numbers: a point left of the day columns (in
    // the weekday column) yields a huge day, which is no day of the month.
    const MonthInfo &info = table.Info(hitMonth);
    const auto cell = static_cast<quint32>(metrics.nCell);
    const auto column = static_cast<quint32>(point.x() - info.x - metrics.cxWeekdayColumn) / cell;
    const auto row = static_cast<quint32>(point.y() - info.y) / cell;
    const quint32 day = column * 7 + row + 1 - static_cast<quint32>(info.nOffset);
    if (day == 0)
        return {};
    return {hitMonth, static_cast<int>(day), day <= static_cast<quint32>(info.nDays)};
}

} // namespace orvane
