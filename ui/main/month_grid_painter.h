#pragma once

#include "store/event_list.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStaticText>

#include <array>

class QPainter;

namespace orvane {

class CMonthTable;
class CUser;
struct GridMetrics;

// Marks of a day cell, drawn as nested frames 0, 2 and 4 pixels inside the cell.
namespace CellMark {
constexpr int Today = 1;     // red
constexpr int HasEvents = 2; // green
constexpr int Hot = 4;       // olive: the day under the cursor
} // namespace CellMark

// Draws month blocks and day cells into the frame picture. Erasing fills with the background
// colour.
class CMonthGridPainter {
public:
    CMonthGridPainter(const CMonthTable &table, const GridMetrics &metrics, const QFont &font,
                      const QColor &background);

    // The area a cell's drawing covers: the cell and the column and row before it, where the
    // hot frame lies.
    QRect DayArea(int month, int day) const;

    // Draws one day with its marks; returns the area it changed.
    QRect DrawDay(QPainter &frame, int month, int day, int marks, bool hexDays) const;

    // Draws the first `scale` months: names, weekday column, days with their event and today
    // marks. The hot mark is not drawn.
    void DrawMonths(QPainter &frame, int scale, CUser &user, bool hexDays,
                    bool weekdayColumn) const;

    // The event and today marks of a day whose events are `events` (never Hot).
    int MarksOf(const CEventList &events, int month, int day) const;

private:
    void Erase(QPainter &frame, const QRect &area) const;
    // Draws marks and number of a day whose area is already erased.
    void DrawCell(QPainter &frame, int month, int day, int marks, bool hexDays) const;
    const QStaticText &DayNumber(int day, bool hex) const;

    const CMonthTable &m_table;
    const GridMetrics &m_metrics;
    QFont m_font;
    QColor m_background;
    // Day numbers 1..31, decimal and hexadecimal, each laid out the first time it is drawn.
    mutable std::array<std::array<QStaticText, 32>, 2> m_dayNumbers;
};

} // namespace orvane
