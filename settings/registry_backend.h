#pragma once

#include "settings/registry_value.h"

#include <QString>

#include <functional>
#include <optional>

namespace orvane {

enum class RegistryRoot {
    ClassesRoot,
    CurrentUser,
    LocalMachine,
};

// Where the registry values live. Every call opens its key, does its one job and closes the key.
// Keys are backslash-separated paths below the root; an empty key is the root itself, and an
// empty value name is the key's default value.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // Opens the key, or creates it when it cannot be opened, and stores the value.
    virtual bool WriteValue(RegistryRoot root, const QString &key, const QString &name,
                            const RegistryValue &value) = 0;
    // The value, or nothing when the key or the value does not exist or cannot be read.
    virtual std::optional<RegistryValue> ReadValue(RegistryRoot root, const QString &key,
                                                   const QString &name) = 0;
    virtual bool KeyExists(RegistryRoot root, const QString &key) = 0;
    // Reads the value and, when there is none or `usable` refuses it, stores `fallback` in its
    // place. The usable value, or nothing when the fallback was taken (and perhaps not stored).
    virtual std::optional<RegistryValue> ReadOrWriteValue(RegistryRoot root, const QString &key, const QString &name,
                                                          const std::function<bool(const RegistryValue &)> &usable,
                                                          const RegistryValue &fallback)
    {
        std::optional<RegistryValue> value = ReadValue(root, key, name);
        if (value && usable(*value))
            return value;
        WriteValue(root, key, name, fallback);
        return std::nullopt;
    }
    // Deletes the value when the key opens and holds it; the key itself stays.
    virtual void DeleteValue(RegistryRoot root, const QString &key, const QString &name) = 0;
};

} // namespace orvane
