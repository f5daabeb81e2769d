#include "ui/reminders/monitor_geometry.h"

namespace orvane {

namespace {

constexpr int kTemplateWidth = 267;  // 178 dialog units
constexpr int kTemplateHeight = 218; // 134 dialog units
constexpr int kToolbarHeight = 24;
constexpr int kBandBottom = 27;
constexpr int kCornerCut = 30;
constexpr int kSnapDistance = 10;

} // namespace

QSize MonitorWindowSize()
{
    return {kTemplateWidth, kTemplateHeight + kToolbarHeight - 5};
}

QRect MonitorBandRect(QSize window)
{
    return QRect(QPoint(1, 1), QPoint(window.width() - kCornerCut - 1, kBandBottom - 1));
}

QRect MonitorToolbarRect(QSize window)
{
    return QRect(QPoint(4, 1), QPoint(window.width() - 200 - 1, kBandBottom - 1));
}

QRect MonitorListRect(QSize window)
{
    return QRect(QPoint(5, kBandBottom + 3), QPoint(window.width() - 6, window.height() - 6));
}

QPolygon MonitorShape(QSize window)
{
    const int w = window.width();
    const int h = window.height();
    return QPolygon({QPoint(0, 0), QPoint(w - kCornerCut, 0), QPoint(w, kCornerCut), QPoint(w, h),
                     QPoint(0, h)});
}

QPoint DefaultMonitorPosition(const QRect &available, QSize window)
{
    return {available.x() + available.width() - window.width() - 5, available.y() + 5};
}

QPoint SnapMonitorPosition(const QRect &proposed, const QRect &screen)
{
    QPoint at = proposed.topLeft();
    if (at.x() - screen.x() < kSnapDistance)
        at.setX(screen.x());
    if (at.y() - screen.y() < kSnapDistance)
        at.setY(screen.y());
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    if (proposed.x() + proposed.width() > right - kSnapDistance)
        at.setX(right - proposed.width());
    if (proposed.y() + proposed.height() > bottom - kSnapDistance)
        at.setY(bottom - proposed.height());
    return at;
}

} // namespace orvane
