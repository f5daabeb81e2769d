#pragma once

#include <QImage>
#include <QWidget>

namespace orvane::test {

// The widget as drawn, as ARGB32 at one device pixel per logical pixel.
inline QImage Grab(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// How many pixels of `image` have exactly the colour `color`.
inline int CountColor(const QImage &image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & RGB_MASK) == (color.rgb() & RGB_MASK) ? 1 : 0;
    return count;
}

} // namespace orvane::test
