#include "ui/controls/platform_kind.h"

#include <QGuiApplication>

namespace orvane {

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace orvane
