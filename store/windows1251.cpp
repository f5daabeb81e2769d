#include "store/windows1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orvane {

namespace {

constexpr const char kCodePage[] = "windows-1251";

// Opening a converter is costly; the program converts on one thread, so each thread keeps one.
QStringEncoder &Encoder()
{
    thread_local QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    return encoder;
}

QStringDecoder &Decoder()
{
    thread_local QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder;
}

} // namespace

QByteArray EncodeCp1251(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringEncoder &encoder = Encoder();
    QByteArray bytes = encoder.encode(text);
    encoder.resetState();
    return bytes;
}

QString DecodeCp1251(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    QStringDecoder &decoder = Decoder();
    QString text = decoder.decode(bytes);
    decoder.resetState();
    return text;
}

bool FitsCp1251(const QString &text)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    (void)encoder.encode(text);
    return !encoder.hasError();
}

} // namespace orvane
