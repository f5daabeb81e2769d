#pragma once

class QColor;
class QPainter;
class QRegion;
class QWidget;

namespace orvane {

// Windows of a shape of their own. On X11 a mask cuts the window to its shape. A Wayland
// compositor cannot cut a surface: there the window is translucent and its picture transparent
// outside the shape (the mask still limits its input where the platform lets it).

// Before the window is first shown.
void MakeShapeable(QWidget &window);
// Fills `shape` of a picture with `fill` and the rest with transparency; the painter stays
// clipped to the shape for what is drawn next.
void FillShape(QPainter &painter, const QRegion &shape, const QColor &fill);

} // namespace orvane
