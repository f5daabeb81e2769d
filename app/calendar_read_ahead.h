#pragma once

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
class CalendarReadAhead {
public:
    explicit CalendarReadAhead(CDataFile &document);
    ~CalendarReadAhead();
    CalendarReadAhead(const CalendarReadAhead &) = delete;
    CalendarReadAhead &operator=(const CalendarReadAhead &) = delete;

    // The read's result; nothing when there was no file to read.
    std::optional<LoadResult> Wait();

private:
    std::thread m_thread;
    std::optional<LoadResult> m_result;
};

} // namespace orvane
