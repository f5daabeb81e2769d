#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

// Writes the file whole through a temporary file renamed over it, creating its folder; a write
// that fails, a full disk included, leaves the old file as it was. False on failure.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace orvane
