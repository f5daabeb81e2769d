#include "ui/controls/stored_position.h"

#include "settings/registry_store.h"
#include "ui/controls/platform_kind.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace orvane {

namespace {

QRect DeviceGeometry(const QScreen &screen)
{
    const QRect logical = screen.geometry();
    return {logical.topLeft(), (QSizeF(logical.size()) * screen.devicePixelRatio()).toSize()};
}

// Between the program's (logical) coordinates and a screen's device pixels: a screen whose
// logical geometry is `screen` and whose pixel ratio is `ratio` keeps its top-left corner.
QPoint ToDevicePixels(QPoint logical, const QRect &screen, qreal ratio)
{
    return screen.topLeft() + (QPointF(logical - screen.topLeft()) * ratio).toPoint();
}

QPoint FromDevicePixels(QPoint device, const QRect &screen, qreal ratio)
{
    return screen.topLeft() + (QPointF(device - screen.topLeft()) / ratio).toPoint();
}

// The top-left corner of `frame` moved by the least that brings it wholly onto `area`; its
// top-left corner on the area's where it is larger.
QPoint FitOnto(const QRect &frame, const QRect &area)
{
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

} // namespace

StoredPosition::StoredPosition(CRegistryStore &registry, QString section, QString keyX, QString keyY)
    : m_registry(registry), m_section(std::move(section)), m_keyX(std::move(keyX)), m_keyY(std::move(keyY))
{
}

std::optional<QPoint> StoredPosition::Read(QSize size) const
{
    qint32 x = -1;
    qint32 y = -1;
    m_registry.ReadInt(m_section, m_keyX, x);
    m_registry.ReadInt(m_section, m_keyY, y);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (x < 0 || y < 0 || !screen || OnWayland())
        return std::nullopt;
    for (const QScreen *candidate : QGuiApplication::screens()) {
        if (DeviceGeometry(*candidate).contains(x, y))
            screen = candidate;
    }
    const QPoint place = FromDevicePixels({x, y}, screen->geometry(), screen->devicePixelRatio());
    return FitOnto({place, size}, screen->availableGeometry());
}

void StoredPosition::Write(const QRect &frame) const
{
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || frame.right() < 0 || OnWayland())
        return;
    const QPoint device = ToDevicePixels(frame.topLeft(), screen->geometry(), screen->devicePixelRatio());
    m_registry.WriteInt(m_section, m_keyX, device.x());
    m_registry.WriteInt(m_section, m_keyY, device.y());
}

} // namespace orvane
