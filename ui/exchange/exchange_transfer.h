#pragma once

#include "exchange/exchange_target.h"

#include <QString>

namespace orvane {

class CEventList;
class CUser;

// Writes the user's selected events as an exchange document to the clipboard, the file at
// `path`, or both (an empty path skips the file silently). Each failure is shown by its message.
// 0 when the document cannot be built, 1 otherwise.
int ExportEvents(const CUser &user, ExchangeTarget target, const QString &path);

// Reads the exchange document on the clipboard or in the file at `path` and appends its events
// to `list`. 1 when read; 0 after a failure, which has been shown, with `list` as it was.
int ImportEvents(ExchangeTarget source, CEventList &list, const QString &path);

} // namespace orvane
