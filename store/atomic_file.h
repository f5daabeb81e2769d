#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

struct SaveResult {
    bool ok = true;
    QString reason;
};

// Writes `bytes` to a new file beside `path` and renames it over `path`, so that the file is
// either the whole new content or as it was, whatever fails or crashes meanwhile (a full disk
// included). Creates the file's folder when it is missing.
SaveResult WriteFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace orvane
