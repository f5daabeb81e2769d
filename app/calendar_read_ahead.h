#pragma once

#include "store/file_stamp.h"
#include "store/load_result.h"

#include <optional>
#include <thread>

namespace orvane {

class CDataFile;

// Reads the calendar file into the document on a thread of its own while start-up goes on with
// what does not need the calendar (the single-instance lock, the platform and font checks,
// clearing leftovers of a killed save), so that a large calendar costs little more time to the
// first window than an empty one. Nothing may touch the document until Wait has returned; the
// destructor waits too.
//
// The read is made before the lock is held, so another program (an import) may have saved the
// file meanwhile: Wait, called once the lock is held, compares the file with what was read and
// throws a read of an older version away.
class CalendarReadAhead {
public:
    explicit CalendarReadAhead(CDataFile &document);
    ~CalendarReadAhead();
    CalendarReadAhead(const CalendarReadAhead &) = delete;
    CalendarReadAhead &operator=(const CalendarReadAhead &) = delete;

    // The read's result; nothing when there was no file to read, or when the file has changed
    // since (the document's user is then cleared for a read anew).
    std::optional<LoadResult> Wait();

private:
    CDataFile &m_document;
    FileStamp m_stamp;
    std::thread m_thread;
    std::optional<LoadResult> m_result;
};

} // namespace orvane
