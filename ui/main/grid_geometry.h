#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvane {

class CMonthTable;

// Sizes of the month grid, all following the height of the window's font.
struct GridMetrics {
    int nTextHeight = 0;      // height of the font
    int nCell = 0;            // side of a square day cell: text height + 11
    int nTextOffset = 0;      // vertical offset of a day number in its cell
    int cxWeekdayColumn = 0;  // 20 with the weekday-name column, else 0
    int cxGrid = 0;           // six week columns
    int cyGrid = 0;           // seven weekday rows
    int cxMonth = 0;          // one month block with its column and a 10-pixel margin
    int cyMonth = 0;          // one month block with 12 pixels below

    static GridMetrics FromTextHeight(int textHeight, bool weekdayColumn);

    // The window size for a calendar scale (months shown) and large mode (two rows).
    QSize WindowSize(int scale, bool large) const;
    // Resize limits: two blocks wide and one high at least, six blocks wide at most.
    QSize MinimumWindowSize() const;
    int MaximumWindowWidth() const;
};

// Places the visible months: one row from (41, 60), or in large mode two rows of scale / 2.
void LayoutMonths(CMonthTable &table, const GridMetrics &metrics, int scale, bool large);

// The status line in a client area of the given size, for a font of height `textHeight`.
QRect StatusLineRect(QSize client, int textHeight);

// The cell of a day in client coordinates.
QRect DayRect(const CMonthTable &table, const GridMetrics &metrics, int month, int day);

// What lies under a client point: the month and day computed for it (0, 0 outside every
// block) and whether that is a day of the month.
struct DayHit {
    int month = 0;
    int day = 0;
    bool onDay = false;
};
DayHit HitTestDay(const CMonthTable &table, const GridMetrics &metrics, int scale, QPoint point);

} // namespace orvane
