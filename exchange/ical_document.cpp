#include "exchange/ical_document.h"

#include "exchange/exchange_document.h"
#include "exchange/ical_event_writer.h"
#include "store/clock.h"
#include "store/day_addressing.h"
#include "store/user.h"

namespace orvane {

ICalendarExport BuildICalendar(const CUser &user)
{
    ICalendarExport result;
    QByteArray &text = result.text;
    text = CICalEventWriter::CalendarBegin();
    CICalEventWriter writer(Clock::Today());
    for (int index = 0; index < kDaySlots; ++index) {
        for (const CEventRecord &event : user.Slot(index)) {
            if (!event.Selected)
                continue;
            if (!QDate::isValid(2000, event.Month, event.Day)) {
                ++result.leftOut;
                continue;
            }
            const QByteArray uid = writer.Take(event, ExchangeCategoryName(user, event));
            writer.Append(text, uid);
        }
    }
    text += CICalEventWriter::CalendarEnd();
    return result;
}

} // namespace orvane
