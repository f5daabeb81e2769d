#include "settings/hive_registry_backend.h"

#include "store/atomic_file.h"
#include "settings/hive_file.h"
#include "store/broken_copy.h"

#include <QDateTime>
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

// The hive in the file; an absent file is an empty hive, one that cannot be read is nothing.
// Lines that are not well formed are passed over (see HiveFile::Parse).
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

// A damaged file is first kept beside it: the lines it loses may be someone's hand edit.
bool KeepDamagedFile(const QString &path, int skippedLines)
{
    const QString copy = BrokenCopyPath(path, QDateTime::currentDateTime());
    if (!QFile::copy(path, copy)) {
        qWarning("The registry file %s has %d malformed lines and cannot be copied aside; it is "
                 "left as it is and the change is not saved.",
                 qUtf8Printable(QDir::toNativeSeparators(path)), skippedLines);
        return false;
    }
    qWarning("The registry file %s had %d malformed lines; it is written anew without them, the "
             "damaged file is kept as %s.",
             qUtf8Printable(QDir::toNativeSeparators(path)), skippedLines,
             qUtf8Printable(QDir::toNativeSeparators(copy)));
    return true;
}

bool SaveHive(const QString &path, const HiveFile &hive)
{
    if (hive.SkippedLines() > 0 && !KeepDamagedFile(path, hive.SkippedLines()))
        return false;
    return WriteFileAtomically(path, hive.Serialize()).ok;
}

// Reads the hive, lets `change` change it, and saves it when it says it did; false when the hive
// cannot be read or saved, or nothing changed.
bool ChangeHive(const std::function<bool(HiveFile &)> &change)
{
    const QString path = HiveRegistryBackend::HivePath();
    std::optional<HiveFile> hive = LoadHive(path);
    if (!hive) {
        qWarning("The registry file %s cannot be read; it is left as it is and the change is not saved.",
                 qUtf8Printable(QDir::toNativeSeparators(path)));
        return false;
    }
    return change(*hive) && SaveHive(path, *hive);
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
    return ChangeHive([&](HiveFile &hive) { return hive.Set(FullKey(root, key), name, value); });
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
    ChangeHive([&](HiveFile &hive) { return hive.Remove(FullKey(root, key), name); });
}

std::optional<RegistryValue> HiveRegistryBackend::ReadOrWriteValue(
    RegistryRoot root, const QString &key, const QString &name,
    const std::function<bool(const RegistryValue &)> &usable, const RegistryValue &fallback)
{
    std::optional<RegistryValue> read;
    ChangeHive([&](HiveFile &hive) {
        const QString fullKey = FullKey(root, key);
        const RegistryValue *value = hive.Find(fullKey, name);
        if (value && usable(*value)) {
            read = *value;
            return false;
        }
        return hive.Set(fullKey, name, fallback);
    });
    return read;
}

} // namespace orvane
