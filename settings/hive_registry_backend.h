#pragma once

#include "settings/registry_backend.h"

namespace orvane {

// The registry kept in the hive file $XDG_CONFIG_HOME/orvane/registry.reg. Every call reads and
// parses the file whole once, and every change writes it whole again, atomically; nothing is
// cached. A missing
// file is an empty registry. Malformed lines are passed over and the rest is read; the next change
// keeps the damaged file beside it (as registry.reg.broken-...) and writes the hive anew without
// them. A file that cannot be read at all reads as empty and is never written over: changes fail
// until it is mended or removed.
class HiveRegistryBackend final : public RegistryBackend {
public:
    // Resolved anew on every call; XDG_CONFIG_HOME unset means the platform's config folder.
    static QString HivePath();

    bool WriteValue(RegistryRoot root, const QString &key, const QString &name,
                    const RegistryValue &value) override;
    std::optional<RegistryValue> ReadValue(RegistryRoot root, const QString &key,
                                           const QString &name) override;
    bool KeyExists(RegistryRoot root, const QString &key) override;
    std::optional<RegistryValue> ReadOrWriteValue(RegistryRoot root, const QString &key, const QString &name,
                                                  const std::function<bool(const RegistryValue &)> &usable,
                                                  const RegistryValue &fallback) override;
    void DeleteValue(RegistryRoot root, const QString &key, const QString &name) override;
};

} // namespace orvane
