#include "store/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvane {

SaveResult WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {false, QStringLiteral("cannot create the folder %1").arg(folder)};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // A full disk does not always fail the write itself: the flush must succeed too.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

} // namespace orvane
