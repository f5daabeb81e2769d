#pragma once

#include <QStringList>

namespace orvane::cli {

// orvanectl import FILE|- [--dry-run] [--file PATH]: merges every event of an exchange document
// (standard input for -) into the calendar as the import wizard does, saves the calendar
// atomically unless --dry-run, and prints a line per event not added or changed, then the
// totals. Gives the exit status: 3 while the calendar program runs on that calendar.
int RunImport(const QStringList &arguments);

} // namespace orvane::cli
