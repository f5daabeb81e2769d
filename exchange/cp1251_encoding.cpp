#include "exchange/cp1251_encoding.h"

#include "store/windows1251.h"

#include <QString>

#include <libxml/encoding.h>

#include <algorithm>

namespace orvane {

namespace {

// The UTF-8 form of each byte of the code page: at most three bytes (the euro sign).
struct Utf8Form {
    std::array<unsigned char, 3> bytes{};
    unsigned char length = 0;
};

std::array<Utf8Form, 256> MakeUtf8Forms()
{
    std::array<Utf8Form, 256> forms{};
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray utf8 = QString(QChar(Cp1251Characters()[static_cast<size_t>(byte)])).toUtf8();
        Utf8Form &form = forms[static_cast<size_t>(byte)];
        form.length = static_cast<unsigned char>(utf8.size());
        std::copy(utf8.begin(), utf8.end(), form.bytes.begin());
    }
    return forms;
}

int FromCp1251(unsigned char *out, int *outLength, const unsigned char *in, int *inLength)
{
    static const std::array<Utf8Form, 256> forms = MakeUtf8Forms();
    unsigned char *const outBegin = out;
    unsigned char *const outEnd = out + *outLength;
    const unsigned char *const inBegin = in;
    const unsigned char *const inEnd = in + *inLength;
    for (; in != inEnd && outEnd - out >= 3; ++in) {
        const Utf8Form &form = forms[*in];
        out[0] = form.bytes[0]; // all three, whatever the length: cheaper than a copy call
        out[1] = form.bytes[1];
        out[2] = form.bytes[2];
        out += form.length;
    }
    *inLength = static_cast<int>(in - inBegin);
    *outLength = static_cast<int>(out - outBegin);
    return *outLength;
}

// UTF-8 to Windows-1251. At a character the code page lacks it stops before it and reports -2,
// and libxml2 writes a character reference instead; an incomplete sequence at the end of the
// input is left for the next call.
int ToCp1251(unsigned char *out, int *outLength, const unsigned char *in, int *inLength)
{
    const std::array<quint8, 0x10000> &bytes = Cp1251Bytes();
    unsigned char *const outBegin = out;
    unsigned char *const outEnd = out + *outLength;
    const unsigned char *const inBegin = in;
    const unsigned char *const inEnd = in + *inLength;
    int result = 0;
    while (in != inEnd && out != outEnd) {
        const unsigned char lead = *in;
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (inEnd - in < length)
            break;
        char32_t character = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int i = 1; i < length; ++i)
            character = (character << 6) | (in[i] & 0x3F);
        const quint8 byte = character < 0x10000 ? bytes[character] : 0;
        if (byte == 0 && character != 0) {
            result = -2;
            break;
        }
        *out++ = byte;
        in += length;
    }
    *inLength = static_cast<int>(in - inBegin);
    *outLength = static_cast<int>(out - outBegin);
    return result < 0 ? result : *outLength;
}

} // namespace

void UseOwnCp1251Encoding()
{
    // Registered under its name, which libxml2 looks up before asking iconv.
    static const xmlCharEncodingHandlerPtr handler =
        xmlNewCharEncodingHandler("windows-1251", FromCp1251, ToCp1251);
    (void)handler;
}

} // namespace orvane
