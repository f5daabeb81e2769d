#include "ui/main/frame_hit_test.h"

namespace orvane {

FrameArea FrameHitTest(const QRect &window, QPoint point)
{
    constexpr int kStrip = 36;
    const int top = window.top();
    const int right = window.left() + window.width();   // first column outside
    const int bottom = window.top() + window.height();  // first row outside
    if (point.y() < top + kStrip && point.x() > right - 26)
        return FrameArea::RightEar;
    if (point.y() > bottom - kStrip && point.x() > right - 52)
        return FrameArea::BottomGrip;
    if (point.y() < top + kStrip || point.y() > bottom - kStrip)
        return FrameArea::MoveStrip;
    return FrameArea::Client;
}

} // namespace orvane
