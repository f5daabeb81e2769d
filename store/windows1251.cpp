#include "store/windows1251.h"

#include <array>
#include <memory>

namespace orvane {

namespace {

// Bytes 0x80..0xBF of the code page (0x98, which it leaves undefined, passed through as U+0098);
// 0xC0..0xFF are А..я in order. Written out rather than asked of a converter, which would load a
// conversion library's tables at start.
constexpr std::array<char16_t, 0x40> kUpperHalf = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u0098', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

// The code page by byte and back, looked up once: a calendar holds tens of thousands of short
// strings, and a converter call per string costs more than the text.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    std::array<quint8, 0x10000> fromUnicode{}; // 0: the code page has no such character

    CodePageTables()
    {
        for (int b = 0; b < 0x100; ++b) {
            const char16_t unit = b < 0x80    ? static_cast<char16_t>(b)
                                  : b < 0xC0 ? kUpperHalf[static_cast<size_t>(b - 0x80)]
                                             : static_cast<char16_t>(u'А' + (b - 0xC0));
            toUnicode[static_cast<size_t>(b)] = unit;
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
    const QString fitting = ReplaceOutsideCp1251(text); // shares `text` when it fits
    QByteArray bytes(fitting.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar ch : fitting)
        *out++ = static_cast<char>(tables.fromUnicode[ch.unicode()]);
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
