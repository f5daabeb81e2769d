#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>

namespace orvane {

// The monitor's client size: its template of 178 x 134 dialog units (267 x 218 pixels with the
// dialog font), made taller by the header band's toolbar (24 pixels) less 5.
QSize MonitorWindowSize();

// The header band: the toolbar and the plain face beside it, 26 pixels high across the top
// from x = 1 to where the corner cut begins.
QRect MonitorBandRect(QSize window);
// The toolbar within the band: from x = 4 to W - 200.
QRect MonitorToolbarRect(QSize window);
// The list below the band.
QRect MonitorListRect(QSize window);

// The window's shape: (0, 0), (W - 30, 0), (W, 30), (W, H), (0, H); the top-right corner is cut
// off at 45 degrees and the folded-corner picture fills the cut.
QPolygon MonitorShape(QSize window);

// Where the monitor stands without a stored position: 5 pixels from the right and the top of
// the screen's available area.
QPoint DefaultMonitorPosition(const QRect &available, QSize window);

// A position the monitor is dragged to, snapped to the edges of `screen` it comes within 10
// pixels of: left and top edges when x or y is below 10, the right and bottom edges when the
// window would reach past 10 pixels short of them.
QPoint SnapMonitorPosition(const QRect &proposed, const QRect &screen);

} // namespace orvane
