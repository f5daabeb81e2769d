#pragma once

#include <QImage>
#include <QWidget>

#include <algorithm>

namespace orvane::test {

// How many pixels of the widget as drawn have exactly the colour `color`.
inline int CountColor(QWidget &widget, QColor color)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    return static_cast<int>(std::count(pixels, pixels + image.width() * image.height(), color.rgb()));
}

} // namespace orvane::test
