#include "ui/reminders/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace orvane {

void NotifyDesktop(const QString &title, const QString &text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app name, replaces id, icon, summary, body, actions, hints, timeout (the server's own)
    call << QStringLiteral("Orvane") << 0u << QStringLiteral("x-office-calendar") << title
         << text.trimmed().toHtmlEscaped() << QStringList() << QVariantMap() << -1;
    // No answer is awaited: a missing service is no reason to hold up the monitor.
    call.setAutoStartService(true);
    bus.send(call);
}

} // namespace orvane
