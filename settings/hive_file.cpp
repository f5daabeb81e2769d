#include "settings/hive_file.h"

#include <QStringDecoder>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

namespace {

// Text that survives a line of the UTF-8 file unchanged.
bool IsWritableText(const QString &text)
{
    const bool breaksLine = text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar());
    return !breaksLine && QString::fromUtf8(text.toUtf8()) == text;
}

bool IsWritableKeyPath(const QString &path)
{
    if (path.startsWith(u'-') || !IsWritableText(path))
        return false;
    const QStringList parts = path.split(u'\\');
    return std::none_of(parts.begin(), parts.end(), [](const QString &part) { return part.isEmpty(); });
}

QString Quote(const QString &text)
{
    QString quoted = u"\""_s;
    for (const QChar ch : text) {
        if (ch == u'\\' || ch == u'"')
            quoted.append(u'\\');
        quoted.append(ch);
    }
    return quoted + u'"';
}

QString ValueData(const RegistryValue &value)
{
    if (value.type == RegistryType::kSz) {
        const QString text = value.StringText();
        if (RegistryValue::String(text) == value && IsWritableText(text))
            return Quote(text);
    }
    if (value.type == RegistryType::kDword && value.data.size() == 4)
        return u"dword:%1"_s.arg(qFromLittleEndian<quint32>(value.data.constData()), 8, 16, QChar(u'0'));

    QString text = value.type == RegistryType::kBinary ? u"hex:"_s : u"hex(%1):"_s.arg(value.type, 0, 16);
    return text + QString::fromLatin1(value.data.toHex(','));
}

std::optional<quint32> ParseHex(QStringView digits, qsizetype maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    quint32 number = 0;
    for (const QChar ch : digits) {
        const char16_t c = ch.unicode();
        quint32 digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        number = number * 16 + digit;
    }
    return number;
}

// A quoted string at pos, with \\ and \" as its only escapes; pos moves past the closing quote.
std::optional<QString> ReadQuoted(QStringView line, qsizetype &pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        QChar ch = line[pos];
        if (ch == u'"') {
            ++pos;
            return text;
        }
        if (ch == u'\\') {
            if (++pos == line.size() || (line[pos] != u'\\' && line[pos] != u'"'))
                return std::nullopt;
            ch = line[pos];
        }
        text.append(ch);
    }
    return std::nullopt;
}

std::optional<QByteArray> ReadHexBytes(QStringView list)
{
    QByteArray bytes;
    if (list.trimmed().isEmpty())
        return bytes;
    for (const QStringView item : list.split(u',')) {
        const std::optional<quint32> byte = ParseHex(item.trimmed(), 2);
        if (!byte)
            return std::nullopt;
        bytes.append(static_cast<char>(*byte));
    }
    return bytes;
}

std::optional<RegistryValue> ParseData(QStringView data)
{
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        const std::optional<QString> text = ReadQuoted(data, pos);
        if (!text || !data.mid(pos).trimmed().isEmpty())
            return std::nullopt;
        return RegistryValue::String(*text);
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        const std::optional<quint32> number = ParseHex(data.mid(6).trimmed(), 8);
        if (!number)
            return std::nullopt;
        return RegistryValue::Dword(*number);
    }
    if (!data.startsWith(u"hex", Qt::CaseInsensitive))
        return std::nullopt;
    quint32 type = RegistryType::kBinary;
    data = data.mid(3);
    if (data.startsWith(u'(')) {
        const qsizetype close = data.indexOf(u')');
        const std::optional<quint32> number = close < 0 ? std::nullopt : ParseHex(data.mid(1, close - 1), 8);
        if (!number)
            return std::nullopt;
        type = *number;
        data = data.mid(close + 1);
    }
    if (!data.startsWith(u':'))
        return std::nullopt;
    std::optional<QByteArray> bytes = ReadHexBytes(data.mid(1));
    if (!bytes)
        return std::nullopt;
    return RegistryValue{type, *bytes};
}

struct ParsedValue {
    QString name;
    RegistryValue value;
};

// A value line: "name"=data or @=data.
std::optional<ParsedValue> ParseValueLine(QStringView line)
{
    ParsedValue parsed;
    qsizetype pos = 1;
    if (!line.startsWith(u'@')) {
        pos = 0;
        std::optional<QString> name = ReadQuoted(line, pos);
        if (!name)
            return std::nullopt;
        parsed.name = *name;
    }
    const QStringView rest = line.mid(pos).trimmed();
    if (!rest.startsWith(u'='))
        return std::nullopt;
    std::optional<RegistryValue> value = ParseData(rest.mid(1).trimmed());
    if (!value)
        return std::nullopt;
    parsed.value = *value;
    return parsed;
}

std::atomic<int> g_nParses{0};

} // namespace

HiveFile HiveFile::Parse(const QByteArray &bytes)
{
    ++g_nParses;
    const QList<QByteArray> lines = bytes.split('\n');
    HiveFile hive;
    Values *current = nullptr; // where the value lines go; none when the key's line could not be read
    bool headerSeen = false;
    bool anyLine = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray raw = lines[i].trimmed();
        if (raw.isEmpty() || raw.startsWith(';'))
            continue;
        // Long hex data goes on over lines that end in a backslash.
        while (raw.endsWith('\\') && i + 1 < lines.size()) {
            raw.chop(1);
            raw += lines[++i].trimmed();
        }
        anyLine = true;
        QStringDecoder decoder(QStringDecoder::Utf8); // a byte-order mark is dropped
        const QString line = decoder(raw);
        if (decoder.hasError()) {
            ++hive.m_nSkippedLines;
        } else if (!headerSeen && line == kHeader) {
            headerSeen = true;
        } else if (line.startsWith(u'[')) {
            const QString path = line.mid(1, line.size() - 2);
            current = nullptr;
            if (line.endsWith(u']') && IsWritableKeyPath(path))
                current = &hive.m_keys.Get(path);
            else
                ++hive.m_nSkippedLines;
        } else if (const std::optional<ParsedValue> parsed = ParseValueLine(line); current && parsed) {
            current->Get(parsed->name) = parsed->value;
        } else {
            ++hive.m_nSkippedLines;
        }
    }
    if (anyLine && !headerSeen)
        ++hive.m_nSkippedLines;
    return hive;
}

int HiveFile::ParseCount()
{
    return g_nParses;
}

QByteArray HiveFile::Serialize() const
{
    QString text = kHeader.toString() + u'\n';
    for (const auto &[path, values] : m_keys) {
        text += u"\n["_s + path + u"]\n"_s;
        for (const auto &[name, value] : values)
            text += (name.isEmpty() ? u"@"_s : Quote(name)) + u'=' + ValueData(value) + u'\n';
    }
    return text.toUtf8();
}

const RegistryValue *HiveFile::Find(const QString &key, const QString &name) const
{
    const Values *values = m_keys.Find(key);
    return values ? values->Find(name) : nullptr;
}

bool HiveFile::HasKey(const QString &key) const
{
    if (m_keys.Find(key))
        return true;
    const QString below = key + u'\\';
    return std::any_of(m_keys.begin(), m_keys.end(),
                       [&](const auto &candidate) { return candidate.name.startsWith(below, Qt::CaseInsensitive); });
}

bool HiveFile::Set(const QString &key, const QString &name, const RegistryValue &value)
{
    if (!IsWritableKeyPath(key) || !IsWritableText(name))
        return false;
    m_keys.Get(key).Get(name) = value;
    return true;
}

bool HiveFile::Remove(const QString &key, const QString &name)
{
    Values *values = m_keys.Find(key);
    return values && values->Remove(name);
}

} // namespace orvane
