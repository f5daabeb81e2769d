#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

struct SaveResult {
    bool ok = true;
    QString reason; // Russian, for the message the user reads
};

// Writes the file whole to a temporary file beside it and renames that over it, creating the
// folder when needed: a failure, a full disk included, or a crash leaves the old file whole.
// The new file takes the old one's permissions.
SaveResult SaveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace orvane
