#pragma once

#include "exchange/exchange_reader.h"
#include "exchange/merge_report.h"

#include <vector>

class QIODevice;

namespace orvane {

enum class ImportFormat { Exchange, ICalendar, VCard };

// The format of a document to import. Its first line tells first: BEGIN:VCALENDAR is
// iCalendar, BEGIN:VCARD is vCard. Otherwise the file name's extension does (.ics; .vcf or
// .vcard), so that such a file that is broken is refused as what it claims to be. Anything
// else is an exchange document.
ImportFormat ImportFormatOf(QByteArrayView bytes, const QString &fileName);

// What reading a document for import needs and gives besides the records.
struct ImportRead {
    QString birthdayCategory;      // the category of the birthdays read from vCards
    std::vector<MergeNote> unread; // entries of an iCalendar or vCard file not taken, in file order
};

// Reads an exchange document, an iCalendar document or vCards, told apart by ImportFormatOf,
// and appends its records to `list`; nothing is appended when the document is refused.
ExchangeReadResult ReadImportDocument(QByteArrayView bytes, const QString &fileName, CImportList &list, ImportRead &read);
ExchangeReadResult ReadImportFile(const QString &path, CImportList &list, ImportRead &read);
// From an open blocking device such as standard input, told apart by content alone.
ExchangeReadResult ReadImportDevice(QIODevice &device, CImportList &list, ImportRead &read);

} // namespace orvane
