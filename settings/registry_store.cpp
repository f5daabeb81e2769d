#include "settings/registry_store.h"

#include "settings/hive_registry_backend.h"
#include "settings/registry_backend.h"
#include "settings/windows_registry_backend.h"

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

namespace {

// Values are read into a buffer of this many bytes; a larger value cannot be read.
constexpr qsizetype kReadBufferSize = 256;

std::optional<RegistryRoot> RootOf(int selector)
{
    switch (selector) {
    case kRootClassesRoot:
        return RegistryRoot::ClassesRoot;
    case kRootCurrentUser:
        return RegistryRoot::CurrentUser;
    case kRootLocalMachine:
        return RegistryRoot::LocalMachine;
    default:
        return std::nullopt;
    }
}

// A value's place: its root, key and name, or nothing for a selector that names no root.
struct ValuePlace {
    RegistryRoot root;
    QString key;
    QString name;
};

std::optional<ValuePlace> PlaceOf(int selector, const QString &path)
{
    const std::optional<RegistryRoot> root = RootOf(selector);
    if (!root)
        return std::nullopt;
    ValuePlace place{*root, {}, {}};
    CRegistryStore::SplitPath(path, place.key, place.name);
    return place;
}

std::unique_ptr<RegistryBackend> PlatformBackend()
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistryBackend>();
#else
    return std::make_unique<HiveRegistryBackend>();
#endif
}

bool IsBlank(QChar ch)
{
    return ch == u' ' || (ch >= u'\t' && ch <= u'\r');
}

// The leading decimal number of the text by the rules of atol: blanks, an optional sign, digits;
// 0 when there are none. A number beyond the 32-bit range gives the nearest end of the range.
qint32 LeadingNumber(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    const bool negative = pos < text.size() && text[pos] == u'-';
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        ++pos;
    constexpr qint64 kLimit = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 magnitude = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos)
        magnitude = qMin(magnitude * 10 + (text[pos].unicode() - u'0'), kLimit);
    return static_cast<qint32>(negative ? -magnitude : qMin(magnitude, kLimit - 1));
}

// The value as text, as it is read through the fixed buffer; 0 when it cannot be.
int TextOf(const RegistryValue &value, QString &out)
{
    return value.NarrowSize() > kReadBufferSize ? 0 : value.ToText(out);
}

} // namespace

CRegistryStore::CRegistryStore() : CRegistryStore(PlatformBackend()) {}

CRegistryStore::CRegistryStore(std::unique_ptr<RegistryBackend> backend) : m_backend(std::move(backend)) {}

CRegistryStore::~CRegistryStore() = default;

int CRegistryStore::WriteString(const QString &section, const QString &name, const QString &text)
{
    return SetStringValue(kRootCurrentUser, AppPath(section, name), text);
}

int CRegistryStore::WriteInt(const QString &section, const QString &name, qint32 value)
{
    return SetIntValue(kRootCurrentUser, AppPath(section, name), value);
}

int CRegistryStore::ReadInt(const QString &section, const QString &name, qint32 &out)
{
    return GetIntValue(kRootCurrentUser, AppPath(section, name), out);
}

int CRegistryStore::ReadString(const QString &section, const QString &name, QString &out)
{
    return GetStringValue(kRootCurrentUser, AppPath(section, name), out);
}

int CRegistryStore::ReadIntOrWrite(const QString &section, const QString &name, qint32 fallback, qint32 &out)
{
    const ValuePlace place = *PlaceOf(kRootCurrentUser, AppPath(section, name));
    const auto usable = [](const RegistryValue &value) {
        QString text;
        return TextOf(value, text) == 1;
    };
    const std::optional<RegistryValue> value = m_backend->ReadOrWriteValue(
        place.root, place.key, place.name, usable, RegistryValue::String(QString::number(fallback)));
    QString text;
    out = value && TextOf(*value, text) ? LeadingNumber(text) : fallback;
    return value ? 1 : 0;
}

void CRegistryStore::DeleteValue(const QString &section, const QString &name)
{
    const ValuePlace place = *PlaceOf(kRootCurrentUser, AppPath(section, name));
    m_backend->DeleteValue(place.root, place.key, place.name);
}

void CRegistryStore::SplitPath(const QString &path, QString &key, QString &name)
{
    const qsizetype slash = path.lastIndexOf(u'\\');
    // Through copies, so that the path may be one of the outputs.
    const QString keyPart = slash < 0 ? QString() : path.left(slash);
    const QString namePart = path.mid(slash + 1);
    key = keyPart;
    name = namePart;
}

int CRegistryStore::SetStringValue(int root, const QString &path, const QString &text)
{
    const std::optional<ValuePlace> place = PlaceOf(root, path);
    return place && m_backend->WriteValue(place->root, place->key, place->name, RegistryValue::String(text)) ? 1 : 0;
}

int CRegistryStore::SetIntValue(int root, const QString &path, qint32 value)
{
    return SetStringValue(root, path, QString::number(value));
}

int CRegistryStore::GetStringValue(int root, const QString &path, QString &out)
{
    const std::optional<ValuePlace> place = PlaceOf(root, path);
    if (!place)
        return 0;
    const std::optional<RegistryValue> value = m_backend->ReadValue(place->root, place->key, place->name);
    return value ? TextOf(*value, out) : 0;
}

int CRegistryStore::GetIntValue(int root, const QString &path, qint32 &out)
{
    QString text;
    if (!GetStringValue(root, path, text))
        return 0;
    out = LeadingNumber(text);
    return 1;
}

int CRegistryStore::KeyExists(int root, const QString &path)
{
    const std::optional<ValuePlace> place = PlaceOf(root, path);
    return place && m_backend->KeyExists(place->root, place->key) ? 1 : 0;
}

QString CRegistryStore::AppPath(const QString &section, const QString &name) const
{
    const QString company = m_strCompany.isEmpty() ? QString() : m_strCompany + u'\\';
    return u"SOFTWARE\\"_s + company + section + u'\\' + name;
}

} // namespace orvane
