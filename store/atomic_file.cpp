#include "store/atomic_file.h"

#include "store/file_error_text.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

constexpr QFile::Permissions kModeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                         | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                         | QFile::WriteOther | QFile::ExeOther;

SaveResult Failed(int systemError, QFileDevice::FileError kind = QFileDevice::UnspecifiedError)
{
    return {false, FileErrorText(systemError, kind)};
}

// The mode a new file gets: read and write for all that the umask leaves.
QFile::Permissions NewFileMode()
{
    constexpr QFile::Permissions kReadWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
#ifdef Q_OS_WIN
    return kReadWrite;
#else
    // Read from /proc, where it does not have to be changed to be read.
    unsigned mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QByteArray text = status.readAll();
        const qsizetype at = text.indexOf("\nUmask:");
        if (at >= 0)
            mask = text.mid(at + 7, text.indexOf('\n', at + 1) - at - 7).trimmed().toUInt(nullptr, 8);
    }
    QFile::Permissions mode = kReadWrite;
    const std::pair<unsigned, QFile::Permissions> bits[] = {
        {S_IRUSR, QFile::ReadOwner}, {S_IWUSR, QFile::WriteOwner}, {S_IRGRP, QFile::ReadGroup},
        {S_IWGRP, QFile::WriteGroup}, {S_IROTH, QFile::ReadOther}, {S_IWOTH, QFile::WriteOther}};
    for (const auto &[bit, permission] : bits) {
        if (mask & bit)
            mode &= ~permission;
    }
    return mode;
#endif
}

bool SyncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    return ::fdatasync(file.handle()) == 0;
#endif
}

// Puts `from` in the place of `to` in one step.
bool Replace(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    // Windows refuses to replace a read-only file: the old one is made writable at the last moment.
    SetFileAttributesW(reinterpret_cast<LPCWSTR>(to.utf16()), FILE_ATTRIBUTE_NORMAL);
    return MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

} // namespace

SaveResult WriteFileAtomically(const QString &path, const QByteArray &bytes, QFile::Permissions dropped)
{
    // errno is cleared before each step and read right after a failure: the Qt calls keep the
    // system's reason only there.
    const QFileInfo link(path);
    const QFileInfo target(link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath());
    errno = 0;
    if (!QDir().mkpath(target.absolutePath()))
        return Failed(errno == EEXIST ? ENOTDIR : errno, QFileDevice::OpenError); // a file stands for a folder
    const QFile::Permissions mode = (target.exists() ? QFile::permissions(target.filePath()) & kModeBits
                                                     : NewFileMode()) & ~dropped;
    QTemporaryFile file(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    errno = 0;
    if (!file.open())
        return Failed(errno, file.error());
    // A full disk may only show at the flush; a failed file is removed when `file` goes.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncToDisk(file))
        return Failed(errno, file.error());
    // The new file has its final mode before it takes the old one's place, so that a kill at any
    // moment leaves a file as readable and as read-only as it ever is.
    errno = 0;
    if (!file.setPermissions(mode))
        return Failed(errno, QFileDevice::PermissionsError);
    const QString name = file.fileName(); // an unnamed file gets its name here
    file.close();
    errno = 0;
    if (!Replace(name, target.absoluteFilePath()))
        return Failed(errno, QFileDevice::RenameError);
    file.setAutoRemove(false);
    return {};
}

SaveResult AppendToFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return Failed(errno, file.error());
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncToDisk(file))
        return Failed(errno, file.error());
    return {};
}

} // namespace orvane
