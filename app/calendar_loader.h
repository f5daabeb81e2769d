#pragma once

#include <QDateTime>
#include <QString>

namespace orvane {

class CDataFile;

enum class LoadOutcome { Loaded, Created, Refused };

// Loads the calendar file, or writes a new one when there is none. A file that cannot be read
// brings up the question whether to create a new calendar; on Yes the unreadable file is first
// kept beside it (see BrokenCopyPath), on No nothing is touched.
LoadOutcome LoadOrCreateCalendar(CDataFile &document);

// Where an unreadable calendar is kept: "<path>.broken-YYYYMMDD-HHMMSS", with a counter
// appended while that name is taken.
QString BrokenCopyPath(const QString &path, const QDateTime &when);

} // namespace orvane
