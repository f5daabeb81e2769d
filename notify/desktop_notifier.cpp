#include "notify/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace orvane {

namespace {

constexpr int kReceiptMs = 2000;

} // namespace

bool NotifyDesktop(const QString &title, const QString &text, Delivery delivery)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app name, replaces id, icon, summary, body, actions, hints, timeout (the server's own)
    call << QStringLiteral("Orvane") << 0u << QStringLiteral("x-office-calendar") << title
         << text.trimmed().toHtmlEscaped() << QStringList() << QVariantMap() << -1;
    // A missing service is no reason to hold up the monitor.
    call.setAutoStartService(true);
    if (delivery == Delivery::WaitForReceipt)
        return bus.call(call, QDBus::Block, kReceiptMs).type() == QDBusMessage::ReplyMessage;
    return bus.send(call);
}

} // namespace orvane
