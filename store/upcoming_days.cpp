#include "store/upcoming_days.h"

#include "store/date_names.h"
#include "store/day_addressing.h"
#include "store/russian_plural.h"
#include "store/user.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvane {

namespace {

constexpr int kLeapDaySlot = 59; // 29 February of a leap year, 1 March of a common one

bool IsLeapDay(int month, int day) { return month == 2 && day == 29; }
bool IsFirstOfMarch(QDate date) { return date.month() == 3 && date.day() == 1; }

// "день", "дня" or "дней" after the number n. Each word is translated with n, so that a
// language with other plural rules picks its own form ("day", "days").
QString DaysWord(int n)
{
    switch (RussianPluralForm(n)) {
    case 0:
        return QCoreApplication::translate("UpcomingDays", "день", nullptr, n);
    case 1:
        return QCoreApplication::translate("UpcomingDays", "дня", nullptr, n);
    default:
        return QCoreApplication::translate("UpcomingDays", "дней", nullptr, n);
    }
}

void Append(std::vector<const CEventRecord *> &out, const CEventList &slot, int keepLeapDay)
{
    // keepLeapDay: 1 only the events of 29 February, 0 all but them, -1 every event.
    for (const CEventRecord &event : slot) {
        if (keepLeapDay < 0 || IsLeapDay(event.Month, event.Day) == (keepLeapDay == 1))
            out.push_back(&event);
    }
}

} // namespace

QString UpcomingHeading(int offset)
{
    if (offset < 0)
        return QCoreApplication::translate("UpcomingDays", "Пропущено:");
    switch (offset) {
    case 0:
        return QCoreApplication::translate("UpcomingDays", "Сегодня:");
    case 1:
        return QCoreApplication::translate("UpcomingDays", "Завтра:");
    case 2:
        return QCoreApplication::translate("UpcomingDays", "Послезавтра:");
    default:
        return QCoreApplication::translate("UpcomingDays", "Через %1 %2:").arg(offset).arg(DaysWord(offset));
    }
}

QString MonitorTitle()
{
    return QCoreApplication::translate("UpcomingDays", "Монитор");
}

QString UpcomingDateLine(const CEventRecord &event, int year, QDate date)
{
    const QDate own(year, event.Month, event.Day);
    const QDate weekday = own.isValid() ? own : date;
    return QCoreApplication::translate("UpcomingDays", "%1, %2 (%3).")
        .arg(event.Day)
        .arg(MonthName(event.Month), WeekdayName(weekday.year(), weekday.month(), weekday.day()));
}

std::vector<const CEventRecord *> EventsOnDate(const CUser &user, QDate date, QDate today)
{
    const int placed = today.year();
    const int slot = CUser::SlotIndex(date.month(), date.day(), placed);
    std::vector<const CEventRecord *> events;
    const bool placedLeap = IsLeapYear(placed);
    const bool dateLeap = IsLeapYear(date.year());
    if (date.year() != placed && !placedLeap && dateLeap
        && (IsLeapDay(date.month(), date.day()) || IsFirstOfMarch(date))) {
        // Placed for a common year, slot 59 holds both 29 February and 1 March.
        Append(events, user.Slot(kLeapDaySlot), IsLeapDay(date.month(), date.day()) ? 1 : 0);
    } else if (date.year() != placed && placedLeap && !dateLeap && IsFirstOfMarch(date)) {
        // Placed for a leap year: a common year celebrates 29 February on 1 March.
        Append(events, user.Slot(kLeapDaySlot), -1);
        Append(events, user.Slot(slot), -1);
    } else {
        Append(events, user.Slot(slot), -1);
    }
    return events;
}

std::vector<UpcomingDay> FindUpcomingDays(const CUser &user, QDate today, int days, QDate announcedThrough)
{
    std::vector<UpcomingDay> result;
    const int first = announcedThrough.isValid()
                          ? static_cast<int>(std::clamp<qint64>(today.daysTo(announcedThrough) + 1, -kMaxMissedDays, 0))
                          : 0;
    for (int offset = first; offset <= days; ++offset) {
        const QDate date = today.addDays(offset);
        const std::vector<const CEventRecord *> all = EventsOnDate(user, date, today);
        UpcomingDay day;
        for (const CEventRecord *event : all) {
            if (event->Monitoring != 0)
                day.events.push_back(event);
        }
        if (day.events.empty())
            continue;
        day.offset = offset;
        day.date = date;
        if (offset >= 0 || result.empty())
            day.heading = UpcomingHeading(offset);
        day.dateLine = UpcomingDateLine(*all.front(), date.year(), date);
        result.push_back(std::move(day));
    }
    return result;
}

QString UpcomingDaysText(const std::vector<UpcomingDay> &days)
{
    QString text;
    for (const UpcomingDay &day : days) {
        text += (day.heading.isEmpty() ? QString() : day.heading + u' ') + day.dateLine + u'\n';
        for (const CEventRecord *event : day.events)
            text += QStringLiteral("  ") + event->Name + u'\n';
    }
    return text;
}

} // namespace orvane
