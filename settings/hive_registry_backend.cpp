#include "settings/hive_registry_backend.h"

#include "store/atomic_file.h"
#include "settings/hive_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

namespace {

QString FullKey(RegistryRoot root, const QString &key)
{
    QString path;
    switch (root) {
    case RegistryRoot::ClassesRoot:
        path = u"HKEY_CLASSES_ROOT"_s;
        break;
    case RegistryRoot::CurrentUser:
        path = u"HKEY_CURRENT_USER"_s;
        break;
    case RegistryRoot::LocalMachine:
        path = u"HKEY_LOCAL_MACHINE"_s;
        break;
    }
    return key.isEmpty() ? path : path + u'\\' + key;
}

// The hive in the file; an absent file is an empty hive, one that cannot be read or parsed is
// nothing.
std::optional<HiveFile> LoadHive(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return HiveFile();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return HiveFile::Parse(bytes);
}

bool SaveHive(const QString &path, const HiveFile &hive)
{
    return WriteFileAtomically(path, hive.Serialize()).ok;
}

void WarnUnreadable(const QString &path)
{
    qWarning("The registry file %s cannot be read or parsed; it is left as it is and the change "
             "is not saved.",
             qUtf8Printable(QDir::toNativeSeparators(path)));
}

} // namespace

QString HiveRegistryBackend::HivePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + u"/orvane/registry.reg"_s;
}

bool HiveRegistryBackend::WriteValue(RegistryRoot root, const QString &key, const QString &name,
                                     const RegistryValue &value)
{
    const QString path = HivePath();
    std::optional<HiveFile> hive = LoadHive(path);
    if (!hive) {
        WarnUnreadable(path);
        return false;
    }
    return hive->Set(FullKey(root, key), name, value) && SaveHive(path, *hive);
}

std::optional<RegistryValue> HiveRegistryBackend::ReadValue(RegistryRoot root, const QString &key,
                                                            const QString &name)
{
    const std::optional<HiveFile> hive = LoadHive(HivePath());
    const RegistryValue *value = hive ? hive->Find(FullKey(root, key), name) : nullptr;
    if (!value)
        return std::nullopt;
    return *value;
}

bool HiveRegistryBackend::KeyExists(RegistryRoot root, const QString &key)
{
    if (key.isEmpty())
        return true; // the root key itself
    const std::optional<HiveFile> hive = LoadHive(HivePath());
    return hive && hive->HasKey(FullKey(root, key));
}

void HiveRegistryBackend::DeleteValue(RegistryRoot root, const QString &key, const QString &name)
{
    const QString path = HivePath();
    std::optional<HiveFile> hive = LoadHive(path);
    if (!hive) {
        WarnUnreadable(path);
        return;
    }
    if (hive->Remove(FullKey(root, key), name))
        SaveHive(path, *hive);
}

} // namespace orvane
