#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace orvane {

bool SingleInstance::Acquire()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("orvane.lock")));
    // Held for the whole run: never stale by age, only when its owner is gone.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace orvane
