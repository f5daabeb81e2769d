#include "notify/answerable_notification.h"

#include "notify/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace orvane {

CAnswerableNotification::CAnswerableNotification(QObject *parent) : QObject(parent)
{
    QDBusConnection::sessionBus().connect(kNotificationService, kNotificationPath, kNotificationService,
                                          QStringLiteral("ActionInvoked"), this,
                                          SLOT(OnActionInvoked(uint, QString)));
}

void CAnswerableNotification::Send(const QString &title, const QString &text, const QStringList &actions)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    m_id = 0;
    const int sent = ++m_sent;
    const auto send = [this, bus, title, text, sent](const QStringList &offered) {
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(NotifyCall(title, text, offered)), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, sent](QDBusPendingCallWatcher *call) {
            const QDBusPendingReply<uint> reply = *call;
            if (sent == m_sent && reply.isValid())
                m_id = reply.value();
            call->deleteLater();
        });
    };
    if (actions.isEmpty())
        return send({});
    const QDBusMessage ask = QDBusMessage::createMethodCall(kNotificationService, kNotificationPath,
                                                            kNotificationService, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [send, actions](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<QStringList> capabilities = *call;
        send(capabilities.isValid() && capabilities.value().contains(QStringLiteral("actions")) ? actions : QStringList());
        call->deleteLater();
    });
}

void CAnswerableNotification::OnActionInvoked(uint id, const QString &key)
{
    if (id != 0 && id == m_id)
        Q_EMIT actionInvoked(key);
}

} // namespace orvane
