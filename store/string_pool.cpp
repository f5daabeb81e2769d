#include "store/string_pool.h"

namespace orvane {

QString CStringPool::Share(ArchiveReader::RawString raw)
{
    QHash<QByteArrayView, QString> &texts = raw.wide ? m_wide : m_narrow;
    const auto found = texts.constFind(raw.bytes);
    if (found != texts.cend())
        return *found;
    return *texts.insert(raw.bytes, ArchiveReader::Decode(raw));
}

} // namespace orvane
