#pragma once

#include <QRect>

namespace orvane {

struct GridMetrics;

// The edge a resize moves.
enum class SizingEdge { Right, Bottom };

// A proposed window rectangle snapped to whole month blocks, with the calendar scale and
// large mode that go with it.
struct SnappedSize {
    QRect rect;
    int scale = 2;
    bool large = false;
};

// Right edge: the width becomes k blocks + 67 (k = 2..6 by the resize limits) and the scale k,
// or 2k in large mode. Bottom edge: taller than one block row + 140 gives two rows (large mode,
// the scale doubled when it was not yet large), else one row (the scale halved when it was).
SnappedSize SnapSizing(const QRect &proposed, SizingEdge edge, const GridMetrics &metrics,
                       int scale, bool large);

// A scale read from the calendar file brought within what resizing can make: 2..6 months in
// one row, an even 4..12 in two.
int FitScale(int scale, bool large);

} // namespace orvane
