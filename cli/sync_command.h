#pragma once

#include <QStringList>

namespace orvane::cli {

// orvanectl sync [--dry-run] [--file PATH]: one sync of the calendar with the collections of the
// stored sync settings; prints a line per server entry not taken, then the report line. Saves
// the calendar (when it changed), then the sync state beside it, and the last sync's time and
// result in the settings; --dry-run writes nothing. `sync setup ...` goes to RunSyncSetup.
// Gives the exit status: 2 for an error, 3 while the calendar program runs on that calendar.
int RunSync(const QStringList &arguments);

} // namespace orvane::cli
