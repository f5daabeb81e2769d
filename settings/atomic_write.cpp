#include "settings/atomic_write.h"

#include "store/atomic_save.h"

namespace orvane {

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    return SaveFileAtomically(path, bytes).ok;
}

} // namespace orvane
