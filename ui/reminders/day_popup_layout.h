#pragma once

#include "store/event_list.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QFontMetrics;

namespace orvane {

// The lines of a day's pop-up: the names of the day's events in list order.
QStringList DayPopupLines(const CEventList &events);

// The pop-up's text: every line followed by a line feed.
QString DayPopupText(const QStringList &lines);

// The size of a pop-up listing `lines`: (widest line + 5) x (lines x line height + 3).
QSize DayPopupSize(const QStringList &lines, const QFontMetrics &metrics);

// Where a pop-up of `popupSize` stands beside a day cell; all in screen coordinates, `screen`
// being the available area of the cell's screen. It goes 2 pixels right of the cell with its
// top at the cell's top; when it does not fit on the right it goes left of the cell, 4 pixels
// away; when it does not fit below the cell's top it goes above the cell, its bottom 2 pixels
// over the cell's top, or at the top of the screen when there is no room above either.
QPoint DayPopupPosition(const QRect &cell, const QSize &popupSize, const QRect &screen);

// Where the pop-up stands while it follows a dragging pointer: 5 pixels right of and below it.
QPoint DragPopupPosition(const QPoint &pointer);

} // namespace orvane
