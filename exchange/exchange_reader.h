#pragma once

#include "exchange/imported_event.h"

#include <QByteArrayView>
#include <QString>

namespace orvane {

// Documents above this size are refused unread.
inline constexpr qsizetype kMaxExchangeDocumentBytes = 16 * 1024 * 1024;

enum class ExchangeReadFailure {
    None,
    NoParser,      // the XML or iCalendar parser could not be set up (out of memory)
    CannotOpen,    // the file cannot be opened or read
    TooLarge,      // above kMaxExchangeDocumentBytes
    HasDoctype,    // a document type declaration: refused before anything else is read
    NotWellFormed, // not a well-formed XML document
};

struct ExchangeReadResult {
    ExchangeReadFailure failure = ExchangeReadFailure::None;
    QString detail; // what went wrong, for a terminal
    bool ok() const { return failure == ExchangeReadFailure::None; }
};

// Reads an exchange document and appends one record per "Event" element below the root, in
// document order, at any depth, the name matched exactly; the root's own name and version are
// not checked. A record takes the attributes name, information and category as text (missing
// ones as empty text) and month and day as a decimal number read from the start of the text
// (leading blanks and a sign allowed, up to the first other character; none gives 0). Nothing
// is appended unless the whole document is read. The reader never touches the network or a
// file other than the one it is given, and substitutes no entities.

// A document as stored: its declaration tells its encoding (UTF-8 without one).
ExchangeReadResult ReadExchangeDocument(QByteArrayView bytes, CImportList &list);
// Text as it comes from the clipboard: already characters, whatever its declaration says.
ExchangeReadResult ReadExchangeText(const QString &text, CImportList &list);

} // namespace orvane
