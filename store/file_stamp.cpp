#include "store/file_stamp.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orvane {

FileStamp FileStamp::Of(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino), static_cast<qint64>(info.st_size),
            static_cast<qint64>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1'000'000};
#endif
}

} // namespace orvane
