#include "app/command_line.h"

namespace orvane {

bool HasMonitoringSwitch(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if ((argument.startsWith(u'/') || argument.startsWith(u'-')) && argument.mid(1) == u"monitoring")
            return true;
    }
    return false;
}

} // namespace orvane
