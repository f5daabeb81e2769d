#include "notify/desktop_notifier.h"

#include <QDBusConnection>
#include <QVariantMap>

namespace orvane {

namespace {

constexpr int kReceiptMs = 2000;

} // namespace

QDBusMessage NotifyCall(const QString &title, const QString &text, const QStringList &actions)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kNotificationService, kNotificationPath, kNotificationService, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("org.example.Orvane")}};
    // app name, replaces id, icon, summary, body, actions, hints, timeout (the server's own)
    call << QStringLiteral("Orvane") << 0u << QStringLiteral("x-office-calendar") << title
         << text.trimmed().toHtmlEscaped() << actions << hints << -1;
    // A missing service is no reason to hold up the monitor.
    call.setAutoStartService(true);
    return call;
}

bool NotifyDesktop(const QString &title, const QString &text, Delivery delivery)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage call = NotifyCall(title, text);
    if (delivery == Delivery::WaitForReceipt)
        return bus.call(call, QDBus::Block, kReceiptMs).type() == QDBusMessage::ReplyMessage;
    return bus.send(call);
}

} // namespace orvane
