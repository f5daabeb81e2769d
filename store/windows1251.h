#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orvane {

// The Windows-1251 code page of the calendar file, the clipboard and the exchange documents.
QByteArray EncodeCp1251(const QString &text);
QString DecodeCp1251(QByteArrayView bytes);
// Whether the code page holds every character of the text.
bool FitsCp1251(const QString &text);
// The text with every character the code page lacks replaced by "?" (a character beyond the
// Basic Multilingual Plane, two UTF-16 units, gives one "?").
QString ReplaceOutsideCp1251(const QString &text);

} // namespace orvane
