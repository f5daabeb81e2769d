#pragma once

#include <functional>

namespace orvane {

class CDataFile;
class CUser;

// Copies the events of one day to the clipboard as an exchange document, the form the export
// wizard puts there. A day without events leaves the clipboard as it was. Returns the number
// of events copied.
int CopyDayEvents(CUser &user, int month, int day);

// Adds the events of the exchange document on the clipboard (as the export wizard puts it
// there, or a whole exchange file) to one day: each event takes that day's date and goes
// through the import merge. The calendar is saved at once when any was added; `redraw` runs
// before the one message that tells what was added and what not. Text that is no exchange
// document, or one without events, gets its message and changes nothing. True when merged.
bool PasteDayEvents(CDataFile &document, int month, int day, const std::function<void()> &redraw);

} // namespace orvane
