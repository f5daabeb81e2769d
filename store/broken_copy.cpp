#include "store/broken_copy.h"

#include <QFileInfo>

namespace orvane {

QString BrokenCopyPath(const QString &path, const QDateTime &when)
{
    const QString base = path + QStringLiteral(".broken-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QStringLiteral("-%1").arg(n);
    return candidate;
}

} // namespace orvane
