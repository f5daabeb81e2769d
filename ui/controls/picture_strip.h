#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace orvane {

// A picture of images side by side, loaded at both pixel densities; draws the image a button
// needs crisply on the device it paints on.
class CPictureStrip {
public:
    // Loads picture `id`, with `transparent` (when valid) made transparent. False when missing.
    bool Load(int id, const QColor &transparent = QColor());
    bool IsNull() const { return m_pix1x.isNull(); }
    // The strip's size in logical pixels.
    QSize Size() const;
    // Copies the part `source` of the strip (logical pixels) to `target` of the painter.
    void Draw(QPainter &painter, const QPoint &target, const QRect &source) const;

private:
    QPixmap m_pix1x;
    QPixmap m_pix2x; // null when the strip has no drawing for twice the density
};

} // namespace orvane
