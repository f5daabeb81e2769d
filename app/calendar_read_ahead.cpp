#include "app/calendar_read_ahead.h"

#include "store/data_file.h"

namespace orvane {

CalendarReadAhead::CalendarReadAhead(CDataFile &document) : m_document(document)
{
    if (!document.Exists())
        return;
    m_stamp = FileStamp::Of(CDataFile::GetFilePath());
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
    if (!m_thread.joinable())
        return m_result;
    m_thread.join();
    if (FileStamp::Of(CDataFile::GetFilePath()) != m_stamp) {
        m_document.m_user = CUser();
        m_result.reset();
    }
    return m_result;
}

} // namespace orvane
