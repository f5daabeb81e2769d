#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace orvane {

// The Windows-1251 code page of the calendar file, the clipboard and the exchange documents.
// Each character the code page cannot hold is written as "?" (the editors refuse such text, so
// it comes only from elsewhere); DecodeCp1251(EncodeCp1251(text)) is the text as it will be kept.
QByteArray EncodeCp1251(const QString &text);
QString DecodeCp1251(QByteArrayView bytes);
// Whether the code page holds every character of the text.
bool FitsCp1251(const QString &text);
// The code page's 256 characters by byte; the one byte it leaves undefined (0x98) as U+0098.
const std::array<char16_t, 256> &Cp1251Characters();
// The byte of each character of the Basic Multilingual Plane, 0 where the code page has none.
const std::array<quint8, 0x10000> &Cp1251Bytes();
// The text with every character the code page lacks replaced by "?" (a character beyond the
// Basic Multilingual Plane, two UTF-16 units, gives one "?").
QString ReplaceOutsideCp1251(const QString &text);

} // namespace orvane
