#pragma once

#include <QString>

namespace orvane {

// Sends one desktop notification through the freedesktop notification service on the session
// bus; the text is plain (escaped for servers that read markup). Without a session bus or a
// notification service nothing happens and nothing is said. No answer is awaited, unless the
// program is about to end: then the service's receipt (not the user) is waited for a moment, so
// that the notification leaves before the program does. True when it was sent and, when the
// receipt was waited for, taken by the service.
enum class Delivery { Send, WaitForReceipt };
bool NotifyDesktop(const QString &title, const QString &text, Delivery delivery = Delivery::Send);

} // namespace orvane
