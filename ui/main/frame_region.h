#pragma once

#include <QRegion>
#include <QSize>

namespace orvane {

// The shape of the main window of client size W x H: a rounded panel (26, 0, W - 26, H) with
// 30 x 30 corners, an elliptic ear at the top-right and one at the bottom-left corner, each
// joined to the panel by a short bar.
QRegion FrameRegion(QSize client);

} // namespace orvane
