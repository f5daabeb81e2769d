#pragma once

#include <QString>

namespace orvane {

class CDataFile;
class CRegistryStore;

// "orvanectl: <text>" on standard error.
void PrintCliError(const QString &text);

// The notice span as the calendar would load with it, read without writing the options back.
int StoredMonitorDays(CRegistryStore &registry);

// Reads the calendar at `path` exactly as the calendar program loads it (today's date, the
// stored notice span); on failure prints "orvanectl: cannot read calendar: <reason>".
bool ReadCalendarForCli(const QString &path, CDataFile &document, CRegistryStore &registry);

} // namespace orvane
