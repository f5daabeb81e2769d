#pragma once

#include "exchange/exchange_reader.h"

#include <QByteArray>

class QIODevice;

namespace orvane {

// The refusal of a document above kMaxExchangeDocumentBytes.
ExchangeReadResult TooLargeDocument();
// The whole content of an open blocking device (a file, standard input), refused as too large
// once it passes kMaxExchangeDocumentBytes.
ExchangeReadResult ReadCapped(QIODevice &device, QByteArray &bytes);
// The whole content of a file; a file above the cap is refused unread.
ExchangeReadResult ReadFileCapped(const QString &path, QByteArray &bytes);

} // namespace orvane
