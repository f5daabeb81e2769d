#include "store/windows1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <memory>

namespace orvane {

namespace {

constexpr const char kCodePage[] = "windows-1251";
constexpr char16_t kReplacement = 0xFFFD;

// The upper half of the code page as Qt's converter maps it, looked up once: a calendar holds
// tens of thousands of short strings, and a converter call per string costs more than the text.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    std::array<quint8, 0x10000> fromUnicode{}; // 0: the code page has no such character

    CodePageTables()
    {
        for (int b = 0; b < 0x80; ++b) {
            toUnicode[static_cast<size_t>(b)] = static_cast<char16_t>(b);
            fromUnicode[static_cast<size_t>(b)] = static_cast<quint8>(b);
        }
        QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = static_cast<char>(b);
            const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
            const char16_t unit = decoded.size() == 1 ? decoded.front().unicode() : kReplacement;
            toUnicode[static_cast<size_t>(b)] = unit;
            if (unit != kReplacement)
                fromUnicode[unit] = static_cast<quint8>(b);
        }
    }
};

const CodePageTables &Tables()
{
    static const CodePageTables tables;
    return tables;
}

} // namespace

QByteArray EncodeCp1251(const QString &text)
{
    const CodePageTables &tables = Tables();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar ch : text) {
        const quint8 byte = tables.fromUnicode[ch.unicode()];
        if (byte == 0 && !ch.isNull()) // outside the code page: let the converter substitute
            return QStringEncoder(kCodePage, QStringConverter::Flag::Stateless).encode(text);
        *out++ = static_cast<char>(byte);
    }
    return bytes;
}

QString DecodeCp1251(QByteArrayView bytes)
{
    const CodePageTables &tables = Tables();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char c : bytes)
        *out++ = tables.toUnicode[static_cast<quint8>(c)];
    return text;
}

const std::array<char16_t, 256> &Cp1251Characters()
{
    return Tables().toUnicode;
}

const std::array<quint8, 0x10000> &Cp1251Bytes()
{
    return Tables().fromUnicode;
}

bool FitsCp1251(const QString &text)
{
    const CodePageTables &tables = Tables();
    for (const QChar ch : text)
        if (tables.fromUnicode[ch.unicode()] == 0 && !ch.isNull())
            return false;
    return true;
}

QString ReplaceOutsideCp1251(const QString &text)
{
    if (FitsCp1251(text))
        return text;
    const CodePageTables &tables = Tables();
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (tables.fromUnicode[ch.unicode()] != 0 || ch.isNull()) {
            result.append(ch);
            continue;
        }
        result.append(u'?');
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return result;
}

} // namespace orvane
