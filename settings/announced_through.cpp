#include "settings/announced_through.h"

#include "settings/registry_store.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

namespace {

// Longer than orvanectl waits for the notification service to take a notification.
constexpr int kLockWaitMs = 10000;

const QString kSection = u"Orvane"_s;
const QString kValue = u"AnnouncedThrough"_s;

} // namespace

QDate CAnnouncedThrough::Read()
{
    qint32 stored = 0;
    if (!m_registry.ReadInt(kSection, kValue, stored))
        return {};
    return QDate(stored / 10000, stored / 100 % 100, stored % 100);
}

void CAnnouncedThrough::AnnounceOnce(QDate today, int span, const std::function<bool()> &announce)
{
    QLockFile lock(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                       .filePath(u"orvane-announce.lock"_s));
    // A lock that cannot be had (an unwritable folder) does not keep the date from being announced.
    lock.tryLock(kLockWaitMs);
    const QDate through = today.addDays(span);
    const QDate stored = Read();
    if ((!stored.isValid() || stored < through) && announce())
        m_registry.WriteInt(kSection, kValue, through.year() * 10000 + through.month() * 100 + through.day());
}

} // namespace orvane
