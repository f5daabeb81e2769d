#pragma once

#include "store/event_list.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

namespace orvane {

// The small frameless window that lists the names of one day's events, one per line, black
// frame on light green: beside a day cell while the pointer rests on it, or under the pointer
// as the drag image while a day's events are dragged. It takes no input and hides itself when
// the pointer comes onto it. A tool window of its owner (no taskbar entry, never activated).
class CDayPopup : public QWidget {
    Q_OBJECT
public:
    explicit CDayPopup(QWidget *owner);

    // "MS Sans Serif", 14 pixels, normal weight (or the system's substitute).
    static QFont PopupFont();

    // List mode: shows the names of `events` sized to them beside `cell` (screen coordinates),
    // kept on the cell's screen; hides the pop-up when the day has no events.
    void ShowDayEvents(const CEventList &events, const QRect &cell);
    // Drag mode: keeps text and size, moves to DragPopupPosition(pointer) and shows.
    void FollowDrag(const QPoint &pointer);

    // The text shown: lines separated (and ended) by line feeds.
    void SetText(const QString &text);
    QString Text() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QStringList m_lines;
};

} // namespace orvane
