#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvane {

struct SaveResult {
    bool ok = true;
    QString reason; // Russian, for the message the user reads
};

// Writes `bytes` to a new file beside `path`, flushed to the disk, and renames it over `path`,
// so that the file is either the whole new content or as it was, whatever fails or crashes
// meanwhile (a full disk included). Creates the file's folder when it is missing. The new file
// takes the old one's permissions (a new one those the umask allows) without `dropped`, and has
// them before it takes the old one's place; the old file is never changed. A symbolic link keeps
// pointing where it did: its target is replaced.
SaveResult WriteFileAtomically(const QString &path, const QByteArray &bytes, QFile::Permissions dropped = {});

// Appends `bytes` to the existing file at `path`, flushed to the disk. A crash meanwhile may leave
// a part of them: the file's reader has to tell a whole record from a cut one.
SaveResult AppendToFile(const QString &path, const QByteArray &bytes);

} // namespace orvane
