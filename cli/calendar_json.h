#pragma once

#include <QByteArray>

namespace orvane {

class CDataFile;

// The document as one line of JSON, keys in the order of the file, texts in UTF-8, only the
// slots that hold events.
QByteArray CalendarToJson(const CDataFile &document);

} // namespace orvane
