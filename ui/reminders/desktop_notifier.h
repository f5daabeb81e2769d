#pragma once

#include <QString>

namespace orvane {

// Sends one desktop notification through the freedesktop notification service on the session
// bus; the text is plain (escaped for servers that read markup). Without a session bus or a
// notification service nothing happens and nothing is said.
void NotifyDesktop(const QString &title, const QString &text);

} // namespace orvane
