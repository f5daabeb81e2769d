// The records and notes a document to import gives, as texts that tables of expected results
// can hold.
#pragma once

#include "exchange/import_file.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace orvane::test {

// Each record as "name|notes|category|month/day".
inline QStringList RecordTexts(const CImportList &list)
{
    QStringList texts;
    for (const CImportedEvent &r : list)
        texts << QStringLiteral("%1|%2|%3|%4/%5").arg(r.Name, r.Notes, r.CategoryName).arg(r.Month).arg(r.Day);
    return texts;
}

// An entry not taken as "name|month/day: reason", the reason by its number.
inline QString Unread(const QString &nameAndDate, MergeReason reason)
{
    return nameAndDate + QStringLiteral(": ") + QString::number(static_cast<int>(reason));
}

// The records of a document read for import, then its entries not taken; birthdays go into "B".
inline QStringList ReadTexts(QByteArrayView bytes)
{
    CImportList list;
    ImportRead read{QStringLiteral("B"), {}};
    const ExchangeReadResult result = ReadImportDocument(bytes, {}, list, read);
    EXPECT_TRUE(result.ok()) << result.detail.toStdString();
    QStringList texts = RecordTexts(list);
    for (const MergeNote &note : read.unread)
        texts << Unread(QStringLiteral("%1|%2/%3").arg(note.name).arg(note.month).arg(note.day), note.reasons.at(0));
    return texts;
}

} // namespace orvane::test
