#include "ui/controls/window_shape.h"

#include "ui/controls/platform_kind.h"

#include <QPainter>
#include <QPaintDevice>
#include <QRegion>
#include <QWidget>

namespace orvane {

void MakeShapeable(QWidget &window)
{
    if (OnWayland())
        window.setAttribute(Qt::WA_TranslucentBackground);
}

void FillShape(QPainter &painter, const QRegion &shape, const QColor &fill)
{
    const QPaintDevice &device = *painter.device();
    const QRect all(0, 0, device.width(), device.height());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(all, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRegion(shape);
    painter.fillRect(all, fill);
}

} // namespace orvane
