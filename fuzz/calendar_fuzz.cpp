// The calendar loader on arbitrary bytes: it must refuse or accept without a fault, and what it
// accepts must come back the same when saved and read again.
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include <QDate>

#include <cstdint>
#include <cstdlib>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static CRegistryStore registry;
    static COptionFlags options(registry);
    const ReadContext context{QDate(2026, 5, 20), 7};

    CDataFile document(options);
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!document.Parse(bytes, context).ok())
        return 0;
    const QByteArray saved = document.Serialize(COptionFlags::kDefaultOptions);
    CDataFile reread(options);
    if (!reread.Parse(saved, context).ok() || reread.Serialize(COptionFlags::kDefaultOptions) != saved)
        std::abort();
    return 0;
}
