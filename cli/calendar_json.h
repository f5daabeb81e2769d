#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

class CDataFile;

// A JSON string literal of `text` (UTF-8), escaped by Qt's own writer.
QByteArray JsonQuoted(const QString &text);

// The document as one line of JSON, keys in the order of the file, texts in UTF-8, only the
// slots that hold events.
QByteArray CalendarToJson(const CDataFile &document);

} // namespace orvane
