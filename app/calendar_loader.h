#pragma once

#include "store/load_result.h"

#include <optional>

namespace orvane {

class CDataFile;

enum class LoadOutcome { Loaded, Created, Refused, CannotOpen };

// Loads the calendar file, or writes a new one when there is none. A file that is there but
// cannot be opened (a folder of that name, no permission) is shown with its reason and left
// alone: it is not broken, and nothing replaces it. A file that opens but cannot be read brings
// up the question whether to create a new calendar; on Yes the unreadable file is first kept
// beside it (see BrokenCopyPath), on No nothing is touched. `readAhead` is the result of a read
// of the file already done into the document (see CalendarReadAhead), taken instead of reading.
LoadOutcome LoadOrCreateCalendar(CDataFile &document, std::optional<LoadResult> readAhead = {});

} // namespace orvane
