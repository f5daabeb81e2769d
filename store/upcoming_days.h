#pragma once

#include <QDate>
#include <QString>

#include <vector>

namespace orvane {

class CUser;
struct CEventRecord;

// One day of the coming span, or a missed day before it, that holds events to be notified.
struct UpcomingDay {
    int offset = 0;     // days after today: 0 today, 1 tomorrow, ...; -1 yesterday, ...
    QDate date;
    QString heading;    // "Сегодня:", "Завтра:", ...; "Пропущено:" over the first missed day only
    QString dateLine;   // "11, Май (Понедельник)." from the day's first event
    std::vector<const CEventRecord *> events; // the flagged ones, in list order
};

// The most days before today that a walk lists as missed.
constexpr int kMaxMissedDays = 31;

// The heading of the day `offset` days after today: "Сегодня:", "Завтра:", "Послезавтра:",
// "Через 3 дня:", "Через 5 дней:", ... ("Через 21 день:" past ten days); "Пропущено:" before today.
QString UpcomingHeading(int offset);

// The title of the monitor and of the desktop notification: "Монитор".
QString MonitorTitle();

// "%d, %s (%s)." with the event's day, its month's name and the weekday of its date in `year`
// (of `date` itself when the event's date does not exist in that year).
QString UpcomingDateLine(const CEventRecord &event, int year, QDate date);

// The events the store holds for `date`, its slots being numbered for the year of `today`
// (as loading and the change of the year place them). For the dates of another year whose
// numbering differs around the end of February, slots 59 and 60 are shared out by the events'
// own dates.
std::vector<const CEventRecord *> EventsOnDate(const CUser &user, QDate date, QDate today);

// The days from today through today + `days` that hold at least one event with the notify flag
// set, in order, after the missed ones: those after `announcedThrough` (the last day an
// announced walk covered; none when it is not a date) up to yesterday, the latest
// kMaxMissedDays of them. The walk follows real dates: 29 February only when it exists, and the
// days after 31 December are those of January. The pointers stay valid while the store is
// unchanged.
std::vector<UpcomingDay> FindUpcomingDays(const CUser &user, QDate today, int days, QDate announcedThrough = {});

// The days as text: "<heading> <date line>" ("<date line>" alone for a day without a heading)
// and then each event's name indented by two spaces, every line ended by a line feed.
QString UpcomingDaysText(const std::vector<UpcomingDay> &days);

} // namespace orvane
