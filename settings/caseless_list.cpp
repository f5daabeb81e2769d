#include "settings/caseless_list.h"

namespace orvane {

QString CaselessName(QStringView name)
{
    // A code point and its folded form take the same number of UTF-16 units.
    QString caseless(name.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(caseless.data());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t ch = name[i].unicode();
        if (ch < 0x80) {
            *out++ = ch >= u'A' && ch <= u'Z' ? char16_t(ch + (u'a' - u'A')) : char16_t(ch);
            continue;
        }
        if (QChar::isHighSurrogate(ch) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(char16_t(ch), name[i + 1].unicode());
            ++i;
        }
        ch = QChar::toCaseFolded(ch);
        if (QChar::requiresSurrogates(ch)) {
            *out++ = QChar::highSurrogate(ch);
            *out++ = QChar::lowSurrogate(ch);
        } else {
            *out++ = char16_t(ch);
        }
    }
    return caseless;
}

} // namespace orvane
