#include "app/single_instance.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace orvane {

namespace {

// A lock file is created empty and its owner written in right after: one that stays empty this
// long belongs to a process killed in between.
constexpr qint64 kOwnerlessStaleMs = 5000;

} // namespace

QString SingleInstance::Folder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

bool SingleInstance::Acquire()
{
    const QString folder = Folder();
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("orvane.lock"));
    m_lock = std::make_unique<QLockFile>(path);
    // Held for the whole run: never stale by age, only when its owner is gone (QLockFile takes
    // over the lock of a process that is not alive) or when it names no owner at all.
    m_lock->setStaleLockTime(0);
    for (QDeadlineTimer limit(2 * kOwnerlessStaleMs); !limit.hasExpired();) {
        if (m_lock->tryLock(0))
            return true;
        qint64 pid = 0;
        QString host, application;
        if (m_lock->getLockInfo(&pid, &host, &application))
            return false; // a live instance holds it
        const QDateTime written = QFileInfo(path).lastModified();
        if (written.isValid() && written.msecsTo(QDateTime::currentDateTime()) > kOwnerlessStaleMs)
            m_lock->removeStaleLockFile(); // refused while a live process holds it natively
        else
            QThread::msleep(50); // its owner may still be writing itself in
    }
    return false;
}

} // namespace orvane
