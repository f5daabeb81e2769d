#pragma once

#include <QString>

namespace orvane {

// What tells one version of a file from another without reading it: its device and inode (a
// save renames a new file into place), size and modification time. Null for a missing file.
struct FileStamp {
    quint64 device = 0, inode = 0;
    qint64 size = -1, modifiedNs = 0;

    static FileStamp Of(const QString &path);
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

} // namespace orvane
