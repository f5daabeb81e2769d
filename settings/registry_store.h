#pragma once

#include <QString>

#include <memory>

namespace orvane {

class RegistryBackend;

// Registry roots chosen by a small selector; any other selector fails the operation.
enum RegistryRootSelector : int {
    kRootClassesRoot = 1,
    kRootCurrentUser = 2,
    kRootLocalMachine = 3,
};

// The one gateway to the registry: every call opens its key, does one read, write or delete (or
// a read and the write it calls for), and closes it again. Numbers are kept as decimal text values. Results are 1 / 0.
class CRegistryStore {
public:
    // The platform's backend: the Windows registry on Windows, the hive file
    // $XDG_CONFIG_HOME/orvane/registry.reg elsewhere.
    CRegistryStore();
    explicit CRegistryStore(std::unique_ptr<RegistryBackend> backend);
    ~CRegistryStore();
    CRegistryStore(const CRegistryStore &) = delete;
    CRegistryStore &operator=(const CRegistryStore &) = delete;

    // Front operations: root HKEY_CURRENT_USER, path "SOFTWARE\[company\]section\name".
    int WriteString(const QString &section, const QString &name, const QString &text);
    int WriteInt(const QString &section, const QString &name, qint32 value);
    int ReadInt(const QString &section, const QString &name, qint32 &out);
    int ReadString(const QString &section, const QString &name, QString &out);
    // ReadInt, and when that fails, `fallback` is written in the value's place within the same
    // call and given in `out`; 1 when the value was read.
    int ReadIntOrWrite(const QString &section, const QString &name, qint32 fallback, qint32 &out);
    void DeleteValue(const QString &section, const QString &name);

    // Primitives.
    static void SplitPath(const QString &path, QString &key, QString &name);
    int SetStringValue(int root, const QString &path, const QString &text);
    int SetIntValue(int root, const QString &path, qint32 value);
    int GetStringValue(int root, const QString &path, QString &out);
    int GetIntValue(int root, const QString &path, qint32 &out);
    int KeyExists(int root, const QString &path);

    QString m_strCompany; // optional vendor component of the path; empty in the system

private:
    QString AppPath(const QString &section, const QString &name) const;

    std::unique_ptr<RegistryBackend> m_backend;
};

} // namespace orvane
