#include "ui/reminders/status_notifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace orvane {

StatusNotifierArea QueryStatusNotifierArea()
{
    const QString service = QStringLiteral("org.kde.StatusNotifierWatcher");
    const QDBusConnection bus = QDBusConnection::sessionBus();
    StatusNotifierArea area;
    area.watcher = bus.isConnected() && bus.interface()->isServiceRegistered(service);
    if (area.watcher) {
        QDBusInterface watcher(service, QStringLiteral("/StatusNotifierWatcher"), service, bus);
        area.host = watcher.property("IsStatusNotifierHostRegistered").toBool();
    }
    return area;
}

} // namespace orvane
