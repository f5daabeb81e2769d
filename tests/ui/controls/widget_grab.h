#pragma once

#include <QImage>
#include <QWidget>

namespace orvane::test {

// How many pixels of the widget, as drawn, have exactly the colour `color`.
inline int CountColor(QWidget &widget, QColor color)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & RGB_MASK) == (color.rgb() & RGB_MASK) ? 1 : 0;
    return count;
}

} // namespace orvane::test
