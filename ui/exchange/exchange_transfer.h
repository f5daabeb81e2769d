#pragma once

#include "exchange/exchange_target.h"
#include "exchange/imported_event.h"

#include <QString>

namespace orvane {

class CUser;
struct ImportRead;

// Writes the user's selected events as an exchange document to the clipboard, the file at
// `path` (in iCalendar form when its name ends in .ics), or both (an empty path skips the file
// silently). Each failure is shown by its message.
// 0 when the document cannot be built, 1 otherwise.
int ExportEvents(const CUser &user, ExchangeTarget target, const QString &path);

// Reads the exchange document on the clipboard, or the exchange document, iCalendar document or
// vCards in the file at `path`, and appends its events to `list` and what it did not take to
// `read`. 1 when read; 0 after a failure, which has been shown, with both as they were.
int ImportEvents(ExchangeTarget source, CImportList &list, const QString &path, ImportRead &read);

} // namespace orvane
