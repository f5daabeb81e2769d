#pragma once

#include "exchange/imported_event.h"

#include <QStringList>

namespace orvane::test {

// A record read as "name|notes|category|month/day".
inline QString ImportedText(const QString &name, const QString &notes, const QString &category, int month, int day)
{
    return QStringLiteral("%1|%2|%3|%4/%5").arg(name, notes, category).arg(month).arg(day);
}

inline QStringList ImportedTexts(const CImportList &list)
{
    QStringList texts;
    for (const CImportedEvent &r : list)
        texts << ImportedText(r.Name, r.Notes, r.CategoryName, r.Month, r.Day);
    return texts;
}

} // namespace orvane::test
