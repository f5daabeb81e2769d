#pragma once

#include <QPoint>
#include <QRect>

namespace orvane {

// What a point of the borderless window does when pressed.
enum class FrameArea {
    Client,      // the panel between the strips
    MoveStrip,   // the top and bottom strips move the window
    RightEar,    // the top-right ear resizes the width
    BottomGrip,  // the bottom-right grip resizes the height
};

// The area under `point`; both in the same coordinates as `window`.
FrameArea FrameHitTest(const QRect &window, QPoint point);

} // namespace orvane
