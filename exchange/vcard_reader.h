#pragma once

#include "exchange/exchange_reader.h"
#include "exchange/merge_report.h"

#include <vector>

namespace orvane {

// Reads vCards (2.1, 3.0 and 4.0) and appends a record for each contact with a birthday: the
// contact's FN (or, without one, the given and family names of N) as the name, the month and
// day of BDAY, and `category`. BDAY may be YYYYMMDD, YYYY-MM-DD, the year-less --MMDD or
// --MM-DD, each with a time part after "T". Folded lines are joined; quoted-printable values
// (with their soft line breaks) and CHARSET parameters are decoded. A contact without a
// birthday, or with one that has no month and day, is noted in `skipped`. Nothing is appended
// unless the whole text is read.
ExchangeReadResult ReadVCards(QByteArrayView bytes, const QString &category, CImportList &list,
                              std::vector<MergeNote> &skipped);

} // namespace orvane
