#include "ui/main/month_grid_painter.h"

#include "store/clock.h"
#include "store/user.h"
#include "ui/main/calendar_texts.h"
#include "ui/main/grid_geometry.h"
#include "ui/main/month_table.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvane {

namespace {

const QColor kEventsColour(0, 192, 0);
const QColor kTodayColour(255, 0, 0);
const QColor kHotColour(192, 192, 0);
const QColor kWeekdayColour(215, 215, 164);
const QColor kSundayColour(100, 0, 0);

// A two-pixel frame `inset` pixels inside the cell; its outer edge lies one pixel up and left.
void DrawMarkFrame(QPainter &p, const QRect &cell, int inset, const QColor &colour)
{
    const QRect outer(QPoint(cell.left() + inset - 1, cell.top() + inset - 1),
                      QPoint(cell.left() + cell.width() - inset - 1,
                             cell.top() + cell.height() - inset - 1));
    p.fillRect(outer.left(), outer.top(), outer.width(), 2, colour);
    p.fillRect(outer.left(), outer.bottom() - 1, outer.width(), 2, colour);
    p.fillRect(outer.left(), outer.top(), 2, outer.height(), colour);
    p.fillRect(outer.right() - 1, outer.top(), 2, outer.height(), colour);
}

} // namespace

CMonthGridPainter::CMonthGridPainter(const CMonthTable &table, const GridMetrics &metrics,
                                     const QFont &font, const QColor &background)
    : m_table(table), m_metrics(metrics), m_font(font), m_background(background)
{
}

const QStaticText &CMonthGridPainter::DayNumber(int day, bool hex) const
{
    QStaticText &text = m_dayNumbers[hex][static_cast<size_t>(day)];
    if (text.text().isEmpty()) {
        text.setText(DayNumberText(day, hex));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), m_font);
    }
    return text;
}

void CMonthGridPainter::Erase(QPainter &frame, const QRect &area) const
{
    frame.fillRect(area, m_background);
}

QRect CMonthGridPainter::DayArea(int month, int day) const
{
    return DayRect(m_table, m_metrics, month, day).adjusted(-1, -1, 0, 0);
}

QRect CMonthGridPainter::DrawDay(QPainter &frame, int month, int day, int marks,
                                 bool hexDays) const
{
    const QRect area = DayArea(month, day);
    Erase(frame, area);
    DrawCell(frame, month, day, marks, hexDays);
    return area;
}

void CMonthGridPainter::DrawCell(QPainter &frame, int month, int day, int marks,
                                 bool hexDays) const
{
    const QRect cell = DayRect(m_table, m_metrics, month, day);
    if (marks & CellMark::Hot)
        DrawMarkFrame(frame, cell, 0, kHotColour);
    if (marks & CellMark::Today)
        DrawMarkFrame(frame, cell, 2, kTodayColour);
    if (marks & CellMark::HasEvents)
        DrawMarkFrame(frame, cell, 4, kEventsColour);

    // Centred in the cell widened by 2 pixels to the left, m_nTextOffset from its top.
    const bool sunday = (day + m_table.Info(month).nOffset) % 7 == 0;
    const QStaticText &text = DayNumber(day, hexDays);
    frame.setFont(m_font);
    frame.setPen(sunday ? kSundayColour : Qt::black);
    const int width = qRound(text.size().width());
    frame.drawStaticText(QPoint(cell.left() - 2 + (cell.width() + 2 - width) / 2,
                                cell.top() + m_metrics.nTextOffset),
                         text);
}

int CMonthGridPainter::MarksOf(const CEventList &events, int month, int day) const
{
    int marks = events.IsEmpty() ? 0 : CellMark::HasEvents;
    const QDate today = m_table.Today();
    if (month == today.month() && day == today.day())
        marks |= CellMark::Today;
    return marks;
}

void CMonthGridPainter::DrawMonths(QPainter &frame, int scale, CUser &user, bool hexDays,
                                   bool weekdayColumn) const
{
    const QFontMetrics fm(m_font);
    frame.setFont(m_font);
    // The slots GetDayEvents finds, with the current year taken once for all days.
    const int year = Clock::Today().year();
    m_table.ForEachVisible(scale, [&](int, int month) {
        const MonthInfo &info = m_table.Info(month);
        const QString name = MonthName(month);
        const int th = fm.height();
        const int tw = fm.horizontalAdvance(name);
        // The block and the column left of it, where the hot frame of its first week lies.
        Erase(frame, QRect(info.x - 1, info.y - th - 2, m_metrics.cxMonth - 9,
                                    m_metrics.cyMonth + th + 2));
        frame.setPen(Qt::black);
        frame.drawText(QRect(info.x + (m_metrics.cxMonth - tw) / 2, info.y - th - 2, tw, th),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
        if (weekdayColumn) {
            frame.setPen(kWeekdayColour);
            for (int row = 0; row < 7; ++row)
                frame.drawText(QRect(info.x, info.y + row * m_metrics.nCell + 5,
                                     m_metrics.cxWeekdayColumn, th),
                               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                               WeekdayAbbreviation(row));
        }
        // Today's mark comes with its day; a today past the end of this month's length (29
        // February shown in a common year) has no cell here.
        for (int day = 1; day <= info.nDays; ++day) {
            const CEventList &events = user.Slot(CUser::SlotIndex(month, day, year));
            DrawCell(frame, month, day, MarksOf(events, month, day), hexDays);
        }
    });
}

} // namespace orvane
