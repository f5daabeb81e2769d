#include "ui/main/window_snapping.h"

#include "ui/main/grid_geometry.h"

#include <algorithm>

namespace orvane {

SnappedSize SnapSizing(const QRect &proposed, SizingEdge edge, const GridMetrics &metrics,
                       int scale, bool large)
{
    SnappedSize result{proposed, scale, large};
    const QSize minimum = metrics.MinimumWindowSize();
    if (edge == SizingEdge::Right) {
        const int width = std::clamp(proposed.width(), minimum.width(), metrics.MaximumWindowWidth());
        const int k = (width + 47) / metrics.cxMonth;
        result.rect.setWidth(k * metrics.cxMonth + 67);
        result.scale = large ? 2 * k : k;
        return result;
    }
    const int oneRow = metrics.cyMonth + 140;
    if (proposed.height() > oneRow) {
        result.rect.setHeight(2 * metrics.cyMonth + 140);
        if (!large) {
            result.scale = scale * 2;
            result.large = true;
        }
    } else {
        result.rect.setHeight(oneRow);
        if (large) {
            result.scale = scale / 2;
            result.large = false;
        }
    }
    return result;
}

int FitScale(int scale, bool large)
{
    if (large)
        return std::clamp(scale, 4, 12) / 2 * 2;
    return std::clamp(scale, 2, 6);
}

} // namespace orvane
