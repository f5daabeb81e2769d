#include "app/calendar_read_ahead.h"

#include "store/data_file.h"

namespace orvane {

CalendarReadAhead::CalendarReadAhead(CDataFile &document)
{
    if (!document.Exists())
        return;
    // The path and today's read context come from the environment and the registry: they are
    // taken here, on the starting thread, and the worker only reads and parses.
    m_result.emplace();
    m_thread = std::thread([&document, &result = *m_result, path = CDataFile::GetFilePath(),
                            context = document.CurrentReadContext()] { result = document.Read(path, context); });
}

CalendarReadAhead::~CalendarReadAhead()
{
    Wait();
}

std::optional<LoadResult> CalendarReadAhead::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_result;
}

} // namespace orvane
