#include "store/windows1251.h"

#include <QStringDecoder>

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
    for (auto it = text.cbegin(); it != text.cend(); ++it) {
        const quint8 byte = tables.fromUnicode[it->unicode()];
        if (byte != 0 || it->isNull()) {
            *out++ = static_cast<char>(byte);
            continue;
        }
        // A character the code page lacks becomes one question mark, a surrogate pair included.
        if (it->isHighSurrogate() && it + 1 != text.cend() && (it + 1)->isLowSurrogate())
            ++it;
        *out++ = '?';
    }
    bytes.truncate(out - bytes.constData());
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

bool FitsCp1251(const QString &text)
{
    const CodePageTables &tables = Tables();
    for (const QChar ch : text)
        if (tables.fromUnicode[ch.unicode()] == 0 && !ch.isNull())
            return false;
    return true;
}

} // namespace orvane
