#include "store/atomic_file.h"

#include "store/file_error_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace orvane {

namespace {

SaveResult Failed(int systemError, QFileDevice::FileError kind = QFileDevice::UnspecifiedError)
{
    return {false, FileErrorText(systemError, kind)};
}

} // namespace

SaveResult WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    // errno is cleared before each step and read right after a failure: the Qt calls keep the
    // system's reason only there.
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder))
        return Failed(errno, QFileDevice::OpenError);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        // Qt refuses a file it may not write before asking the system.
        const QFileInfo existing(path);
        return Failed(error == 0 && existing.exists() && !existing.isWritable() ? EACCES : error,
                      file.error());
    }
    // A full disk may only show at the flush; a failed file is discarded when `file` goes.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const SaveResult result = Failed(errno, file.error());
        file.cancelWriting();
        return result;
    }
    errno = 0;
    if (!file.commit())
        return Failed(errno, file.error());
    return {};
}

} // namespace orvane
