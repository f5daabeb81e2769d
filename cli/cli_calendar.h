#pragma once

#include <QString>

namespace orvane {
class CDataFile;
class CRegistryStore;
} // namespace orvane

namespace orvane::cli {

constexpr int kFailed = 2; // a wrong command, an unreadable calendar or document, a failed write

// "orvanectl: <text>" on standard error.
void PrintError(const QString &text);

// The option flags as stored, read without writing anything back; the defaults when none are.
quint32 StoredOptions(CRegistryStore &registry);

// Reads the calendar at `path` as the calendar program loads it; on failure prints
// "cannot read calendar: <reason>" and gives false.
bool LoadCalendar(const QString &path, quint32 options, CDataFile &document);

} // namespace orvane::cli
