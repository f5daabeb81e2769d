#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>

#include <optional>

class QPainter;

namespace orvane {

// A picture of images side by side; draws the image a button needs crisply on the device it
// paints on. The drawing for twice the density is loaded the first time a dense device asks for
// it, so that a window on an ordinary screen never decodes it.
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
    const QPixmap &Dense() const;

    int m_id = 0;
    QColor m_transparent;
    QPixmap m_pix1x;
    // Not looked for yet when empty; then the drawing, or null when the strip has none.
    mutable std::optional<QPixmap> m_pix2x;
};

} // namespace orvane
