#include "store/coming_days.h"

namespace orvane {

CComingDays::CComingDays(QDate today, int span)
{
    for (QDate date = today; today.daysTo(date) <= span && date < today.addYears(1);
         date = date.addDays(1)) {
        m_days[static_cast<size_t>(date.month())].set(static_cast<size_t>(date.day()));
        // A common year's 1 March is the day of 29 February's events too, as the walk of the
        // upcoming days announces them.
        if (date.month() == 3 && date.day() == 1 && !QDate::isLeapYear(date.year()))
            m_days[2].set(29);
    }
}

bool CComingDays::Contains(int month, int day) const
{
    return month >= 1 && month <= 12 && day >= 1 && day <= 31
           && m_days[static_cast<size_t>(month)].test(static_cast<size_t>(day));
}

} // namespace orvane
