#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "settings/registry_backend.h"

namespace orvane {

// The Windows registry itself, through the wide-character registry API.
class WindowsRegistryBackend final : public RegistryBackend {
public:
    bool WriteValue(RegistryRoot root, const QString &key, const QString &name,
                    const RegistryValue &value) override;
    std::optional<RegistryValue> ReadValue(RegistryRoot root, const QString &key,
                                           const QString &name) override;
    bool KeyExists(RegistryRoot root, const QString &key) override;
    void DeleteValue(RegistryRoot root, const QString &key, const QString &name) override;
};

} // namespace orvane

#endif
