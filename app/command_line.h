#pragma once

#include <QStringList>

namespace orvane {

// Whether the arguments (without the program name) hold the switch "/monitoring" or
// "-monitoring": compared case-sensitively and exactly after its leading '/' or '-'.
bool HasMonitoringSwitch(const QStringList &arguments);

} // namespace orvane
