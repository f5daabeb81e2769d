#pragma once

#include <QByteArray>

namespace orvane {

enum class LineKind { Begin, End, Read, Unread };

// How the iCalendar reader takes a content line. Its name is the text before the first ';' or
// ':' without the blanks at its end: the line starts or ends a component when that is BEGIN or
// END in any case, whatever parameters and value follow. A property whose name is plain
// (letters, digits and '-', so that libical's parser finds the same name) and none of the
// properties the reader looks at (SUMMARY, DTSTART, RRULE, RECURRENCE-ID, DESCRIPTION,
// CATEGORIES) in any case is Unread: the parser would only add it to its component, where
// nothing looks at it, or drop it outside any component.
LineKind KindOf(const QByteArray &line);

} // namespace orvane
