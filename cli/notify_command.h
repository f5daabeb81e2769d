#pragma once

#include <QStringList>

namespace orvane {

// orvanectl notify [--file PATH]: the calendar's walk of the days to announce for today, missed
// days included, sent as its desktop notification, once per date between the calendar and this
// command. Exit status 0 when a notification was sent, 1 when there was nothing to send or the
// date was announced already, 2 when the calendar cannot be read, an argument is wrong or no
// notification service took the notification.
int RunNotifyCommand(const QStringList &arguments);

} // namespace orvane
