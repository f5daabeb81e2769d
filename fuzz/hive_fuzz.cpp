// The registry hive reader on arbitrary text: a hive it accepts must be written back as text
// that reads as the same hive.
#include "settings/hive_file.h"

#include <cstdint>
#include <cstdlib>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<HiveFile> hive = HiveFile::Parse(bytes);
    if (!hive)
        return 0;
    const QByteArray written = hive->Serialize();
    const std::optional<HiveFile> reread = HiveFile::Parse(written);
    if (!reread || reread->Serialize() != written)
        std::abort();
    return 0;
}
