#include "ui/main/status_hint_tracker.h"

#include "res/string_table.h"

namespace orvane {

int CStatusHintTracker::Tick(int month, int day, bool onPanel)
{
    int hint = 0;
    if (day != m_lastDay && month != 0 && day != 0)
        hint = res::StringId::AddEventHint;
    else if (month == 0 && m_lastMonth == 0 && onPanel)
        hint = res::StringId::PropertiesHint;
    m_lastMonth = month;
    m_lastDay = day;
    return hint;
}

} // namespace orvane
