#include "exchange/capped_read.h"

#include <QFile>

namespace orvane {

ExchangeReadResult TooLargeDocument()
{
    return {ExchangeReadFailure::TooLarge, QStringLiteral("the document is larger than 16 MiB")};
}

ExchangeReadResult ReadCapped(QIODevice &device, QByteArray &bytes)
{
    char chunk[64 * 1024];
    // Room for all at once: growing step by step would hold the old and the new copy together.
    // Pages not written to are never touched, so a small document costs no more.
    bytes.clear();
    bytes.reserve(device.isSequential() ? kMaxExchangeDocumentBytes + qsizetype(sizeof chunk)
                                        : qMin(device.size(), kMaxExchangeDocumentBytes + 1));
    for (;;) {
        const qint64 read = device.read(chunk, sizeof chunk);
        if (read < 0)
            return {ExchangeReadFailure::CannotOpen, device.errorString()};
        if (read == 0)
            return {};
        bytes.append(chunk, read);
        if (bytes.size() > kMaxExchangeDocumentBytes)
            return TooLargeDocument();
    }
}

ExchangeReadResult ReadFileCapped(const QString &path, QByteArray &bytes)
{
    if (path.isEmpty())
        return {ExchangeReadFailure::CannotOpen, QStringLiteral("no file name")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {ExchangeReadFailure::CannotOpen, file.errorString()};
    if (!file.isSequential() && file.size() > kMaxExchangeDocumentBytes)
        return TooLargeDocument();
    return ReadCapped(file, bytes);
}

} // namespace orvane
