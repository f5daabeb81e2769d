#pragma once

#include <QDateTime>
#include <QString>

namespace orvane {

// Where a file that cannot be read is kept before it is replaced: "<path>.broken-YYYYMMDD-HHMMSS",
// with a counter appended while that name is taken.
QString BrokenCopyPath(const QString &path, const QDateTime &when);

} // namespace orvane
