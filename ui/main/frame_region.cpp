#include "ui/main/frame_region.h"

#include <QRect>

namespace orvane {

namespace {

// Left, top, right and bottom as a rectangle whose right and bottom edges lie outside it.
QRect Span(int left, int top, int right, int bottom)
{
    return {left, top, right - left, bottom - top};
}

QRegion RoundedRect(const QRect &r, int corner)
{
    const int radius = corner / 2;
    QRegion region(r.adjusted(radius, 0, -radius, 0));
    region += r.adjusted(0, radius, 0, -radius);
    const QSize ellipse(corner, corner);
    for (QPoint at : {r.topLeft(), QPoint(r.left() + r.width() - corner, r.top()),
                      QPoint(r.left(), r.top() + r.height() - corner),
                      QPoint(r.left() + r.width() - corner, r.top() + r.height() - corner)})
        region += QRegion(QRect(at, ellipse), QRegion::Ellipse);
    return region;
}

} // namespace

QRegion FrameRegion(QSize client)
{
    const int w = client.width();
    const int h = client.height();
    QRegion region = RoundedRect(Span(26, 0, w - 26, h), 30);
    region += Span(w - 56, 0, w - 13, 35);
    region += QRegion(Span(w - 26, 0, w, 36), QRegion::Ellipse);
    region += Span(13, h - 36, 56, h - 1);
    region += QRegion(Span(0, h - 36, 26, h), QRegion::Ellipse);
    return region;
}

} // namespace orvane
