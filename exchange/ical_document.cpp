#include "exchange/ical_document.h"

#include "exchange/exchange_document.h"
#include "store/clock.h"
#include "store/day_addressing.h"
#include "store/user.h"

#include <QCryptographicHash>
#include <QHash>

#include <libical/ical.h>

#include <memory>

namespace orvane {

namespace {

struct FreeComponent {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, FreeComponent>;

// Line breaks become LF, which the writer escapes as "\n"; the other control characters but
// tab cannot be carried in a text value and become "?".
QByteArray Text(const QString &text)
{
    QString cleaned = text;
    cleaned.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (QChar &c : cleaned)
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
            c = u'?';
    return cleaned.toUtf8();
}

icaltimetype Date(int year, int month, int day)
{
    icaltimetype date = icaltime_null_date();
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}

icaltimetype Midnight(QDate day)
{
    icaltimetype time = icaltime_null_time();
    time.year = day.year();
    time.month = day.month();
    time.day = day.day();
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

// Gives each event a UID made of its date and content; equal events of one day are told apart
// by their order.
class UidMaker {
public:
    QByteArray Make(const CEventRecord &event, const QString &category)
    {
        QByteArray content = QByteArray::number(event.Month) + '/' + QByteArray::number(event.Day) + '\n'
                             + category.toUtf8() + '\n' + event.Name.toUtf8() + '\n' + event.Notes.toUtf8();
        const int repeat = m_seen[content]++;
        if (repeat > 0)
            content += '\n' + QByteArray::number(repeat);
        return QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex().left(32) + "@orvane";
    }

private:
    QHash<QByteArray, int> m_seen;
};

// The CATEGORIES line of a category name. libical writes a category's ',' and ';' as they are,
// which every reader takes for separators between several categories; the line is written here
// with them escaped, as in any text value, and folded after 75 octets as libical folds.
QByteArray CategoriesLine(const QString &category)
{
    QByteArray line = "CATEGORIES:";
    for (const char c : Text(category)) {
        if (c == '\\' || c == ';' || c == ',')
            line += '\\';
        line += c == '\n' ? QByteArray("\\n") : QByteArray(1, c);
    }
    QByteArray folded;
    qsizetype start = 0;
    for (qsizetype limit = 75; line.size() - start > limit; limit = 74) {
        qsizetype end = start + limit;
        while ((line[end] & 0xC0) == 0x80) // not inside a UTF-8 sequence
            --end;
        folded += line.sliced(start, end - start) + "\r\n ";
        start = end;
    }
    return folded + line.sliced(start) + "\r\n";
}

// The text of one event: written by libical, then its CATEGORIES line before its END line.
QByteArray EventText(icalcomponent *event, const QString &category)
{
    QByteArray text;
    if (char *written = icalcomponent_as_ical_string_r(event)) {
        text = written;
        icalmemory_free_buffer(written);
    }
    if (const qsizetype end = text.lastIndexOf("END:VEVENT\r\n"); !category.isEmpty() && end >= 0)
        text.insert(end, CategoriesLine(category));
    return text;
}

// A yearly all-day event; its notes only when there are any (an empty DESCRIPTION is an error to
// other readers), and no category, which EventText writes.
icalcomponent *NewEvent(const CEventRecord &event, const QByteArray &uid, int year, icaltimetype stamp)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_YEARLY_RECURRENCE;
    int day = event.Day;
    if (event.Month == 2 && event.Day == 29) {
        rule.by_month[0] = 2;
        rule.by_month_day[0] = -1;
        day = DaysInMonth(2, year);
    }
    icalcomponent *component = icalcomponent_vanew(ICAL_VEVENT_COMPONENT,
                                                   icalproperty_new_uid(uid.constData()),
                                                   icalproperty_new_dtstamp(stamp),
                                                   icalproperty_new_dtstart(Date(year, event.Month, day)),
                                                   icalproperty_new_rrule(rule),
                                                   icalproperty_new_summary(Text(event.Name).constData()),
                                                   icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT),
                                                   nullptr);
    if (component && !event.Notes.isEmpty())
        icalcomponent_add_property(component, icalproperty_new_description(Text(event.Notes).constData()));
    return component;
}

} // namespace

ICalendarExport BuildICalendar(const CUser &user)
{
    ICalendarExport result;
    const QDate today = Clock::Today();
    const icaltimetype stamp = Midnight(today);
    const Component calendar(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT,
                                                 icalproperty_new_version("2.0"),
                                                 icalproperty_new_prodid("-//Orvane//Orvane//RU"),
                                                 icalproperty_new_calscale("GREGORIAN"),
                                                 nullptr));
    if (!calendar)
        return result;
    UidMaker uids;
    QByteArray events;
    for (int index = 0; index < kDaySlots; ++index) {
        for (const CEventRecord &event : user.Slot(index)) {
            if (!event.Selected)
                continue;
            if (!QDate::isValid(2000, event.Month, event.Day)) {
                ++result.leftOut;
                continue;
            }
            const QString category = ExchangeCategoryName(user, event);
            const Component component(NewEvent(event, uids.Make(event, category), today.year(), stamp));
            if (!component)
                return result;
            events += EventText(component.get(), category);
        }
    }
    if (char *text = icalcomponent_as_ical_string_r(calendar.get())) {
        result.text = text;
        icalmemory_free_buffer(text);
        result.text.insert(result.text.lastIndexOf("END:VCALENDAR\r\n"), events);
    }
    return result;
}

} // namespace orvane
