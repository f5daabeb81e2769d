#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orvane {

// The Windows-1251 code page of the calendar file, the clipboard and the exchange documents.
// Each character the code page cannot hold is written as "?" (the editors refuse such text, so
// it comes only from elsewhere); DecodeCp1251(EncodeCp1251(text)) is the text as it will be kept.
QByteArray EncodeCp1251(const QString &text);
QString DecodeCp1251(QByteArrayView bytes);
// Whether the code page holds every character of the text.
bool FitsCp1251(const QString &text);

} // namespace orvane
