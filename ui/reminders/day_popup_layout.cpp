#include "ui/reminders/day_popup_layout.h"

#include "store/event_list.h"

#include <QFontMetrics>

#include <algorithm>

namespace orvane {

QStringList DayPopupLines(const CEventList &events)
{
    QStringList lines;
    for (const CEventRecord &event : events)
        lines.append(event.Name);
    return lines;
}

QString DayPopupText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text;
}

QSize DayPopupSize(const QStringList &lines, const QFontMetrics &metrics)
{
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest + 5, static_cast<int>(lines.size()) * metrics.height() + 3};
}

QPoint DayPopupPosition(const QRect &cell, const QSize &popupSize, const QRect &screen)
{
    // QRect's right() and bottom() are the last pixels inside; the cell's edges as coordinates
    // are one further.
    const int cellRight = cell.x() + cell.width();
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();

    int x = cellRight + 2;
    if (x + popupSize.width() > screenRight)
        x = std::max(screen.x(), cell.x() - popupSize.width() - 4);

    int y = cell.y();
    if (y + popupSize.height() > screenBottom)
        y = std::max(screen.y(), cell.y() - popupSize.height() - 2);
    return {x, y};
}

QPoint DragPopupPosition(const QPoint &pointer)
{
    return pointer + QPoint(5, 5);
}

} // namespace orvane
