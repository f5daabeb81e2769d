#include "settings/windows_registry_backend.h"

#ifdef Q_OS_WIN

#include <qt_windows.h>

namespace orvane {

namespace {

HKEY RootKey(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
        break;
    }
    return HKEY_LOCAL_MACHINE;
}

LPCWSTR Wide(const QString &text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// An open key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey() = default;
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    ~OpenKey()
    {
        if (m_handle)
            RegCloseKey(m_handle);
    }

    bool Open(RegistryRoot root, const QString &key, REGSAM access)
    {
        return RegOpenKeyExW(RootKey(root), Wide(key), 0, access, &m_handle) == ERROR_SUCCESS;
    }
    bool Create(RegistryRoot root, const QString &key)
    {
        return RegCreateKeyExW(RootKey(root), Wide(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_ALL_ACCESS, nullptr, &m_handle, nullptr)
            == ERROR_SUCCESS;
    }
    HKEY Handle() const { return m_handle; }

private:
    HKEY m_handle = nullptr;
};

} // namespace

bool WindowsRegistryBackend::WriteValue(RegistryRoot root, const QString &key, const QString &name,
                                        const RegistryValue &value)
{
    OpenKey opened;
    if (!opened.Open(root, key, KEY_ALL_ACCESS) && !opened.Create(root, key))
        return false;
    return RegSetValueExW(opened.Handle(), Wide(name), 0, value.type,
                          reinterpret_cast<const BYTE *>(value.data.constData()),
                          static_cast<DWORD>(value.data.size()))
        == ERROR_SUCCESS;
}

std::optional<RegistryValue> WindowsRegistryBackend::ReadValue(RegistryRoot root, const QString &key,
                                                               const QString &name)
{
    OpenKey opened;
    if (!opened.Open(root, key, KEY_READ))
        return std::nullopt;
    RegistryValue value;
    LSTATUS status = ERROR_MORE_DATA;
    DWORD size = 0;
    // The first pass learns the size; the value may grow before the next, so ask until it fits.
    while (status == ERROR_MORE_DATA) {
        value.data.resize(size);
        DWORD type = REG_NONE;
        size = static_cast<DWORD>(value.data.size());
        status = RegQueryValueExW(opened.Handle(), Wide(name), nullptr, &type,
                                  reinterpret_cast<BYTE *>(value.data.data()), &size);
        value.type = type;
    }
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

bool WindowsRegistryBackend::KeyExists(RegistryRoot root, const QString &key)
{
    OpenKey opened;
    return opened.Open(root, key, KEY_READ);
}

void WindowsRegistryBackend::DeleteValue(RegistryRoot root, const QString &key, const QString &name)
{
    OpenKey opened;
    if (opened.Open(root, key, KEY_ALL_ACCESS))
        RegDeleteValueW(opened.Handle(), Wide(name));
}

} // namespace orvane

#endif
