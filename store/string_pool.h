#pragma once

#include "store/archive.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace orvane {

// Hands out one decoded copy of the strings stored with equal bytes, so that the many events
// loaded with the same name or notes share one buffer (QString's implicit sharing) instead of
// holding a copy each; a repeated string is neither decoded nor allocated again. The bytes read
// must outlive the pool.
class CStringPool {
public:
    QString Share(ArchiveReader::RawString raw);

private:
    QHash<QByteArrayView, QString> m_narrow;
    QHash<QByteArrayView, QString> m_wide;
};

} // namespace orvane
