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

    // A string's stored bytes. Qt's own hash of bytes costs more than the rest of a load
    // together, so they have a plain one of their own.
    struct Bytes {
        QByteArrayView view;
        friend bool operator==(Bytes a, Bytes b) { return a.view == b.view; }
        friend size_t qHash(Bytes bytes, size_t seed);
    };

private:
    QHash<Bytes, QString> m_narrow;
    QHash<Bytes, QString> m_wide;
};

} // namespace orvane
