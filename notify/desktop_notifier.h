#pragma once

#include <QDBusMessage>
#include <QString>
#include <QStringList>

namespace orvane {

inline const QString kNotificationService = QStringLiteral("org.freedesktop.Notifications");
inline const QString kNotificationPath = QStringLiteral("/org/freedesktop/Notifications");

// Sends one desktop notification through the freedesktop notification service on the session
// bus; the text is plain (escaped for servers that read markup). Without a session bus or a
// notification service nothing happens and nothing is said. No answer is awaited, unless the
// program is about to end: then the service's receipt (not the user) is waited for a moment, so
// that the notification leaves before the program does. True when it was sent and, when the
// receipt was waited for, taken by the service.
enum class Delivery { Send, WaitForReceipt };
bool NotifyDesktop(const QString &title, const QString &text, Delivery delivery = Delivery::Send);

// The service's Notify call for a notification of the program (named by its desktop entry), with
// `actions` as pairs of key and label.
QDBusMessage NotifyCall(const QString &title, const QString &text, const QStringList &actions = {});

} // namespace orvane
