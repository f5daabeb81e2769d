#include "exchange/ical_plain_reader.h"

#include "exchange/content_lines.h"
#include "exchange/ical_line_kind.h"

#include <QDate>

namespace orvane {

namespace {

// The blanks libical strips from either end of a value (isspace; a line holds no line break).
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// A text value as libical gives it, without the blanks at its ends, or nothing when libical
// would give something else than what is read here: a value with a NUL or with another escape
// than \n \N \, \; \\. An empty value gives no property (a null text); a value of blanks, an
// empty text.
std::optional<QString> PlainText(QByteArrayView value)
{
    if (value.isEmpty())
        return QString();
    while (!value.isEmpty() && IsBlank(value.back()))
        value.chop(1);
    while (!value.isEmpty() && IsBlank(value.front()))
        value = value.sliced(1);
    if (value.contains('\0'))
        return std::nullopt;
    if (!value.contains('\\'))
        return QString::fromUtf8(value);
    QByteArray text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\\') {
            c = i + 1 < value.size() ? value[++i] : '\0';
            if (c == 'n' || c == 'N')
                c = '\n';
            else if (c != ',' && c != ';' && c != '\\')
                return std::nullopt;
        }
        text.append(c);
    }
    return QString::fromUtf8(text);
}

// A CATEGORIES value is read whole when libical does not split it: every ',' in it follows a
// backslash, and no '"' starts quoted text.
bool IsOneCategory(QByteArrayView value)
{
    if (value.contains('"'))
        return false;
    for (qsizetype at = value.indexOf(','); at >= 0; at = value.indexOf(',', at + 1))
        if (at == 0 || value[at - 1] != '\\')
            return false;
    return true;
}

// What follows `prefix` in `line`, or nothing when the line does not start with it.
std::optional<QByteArrayView> After(QByteArrayView line, QByteArrayView prefix)
{
    return line.startsWith(prefix) ? std::optional(line.sliced(prefix.size())) : std::nullopt;
}

// The properties of one VEVENT, as its lines come.
class PlainEvent {
public:
    // Takes a line of the event that is not Unread; false when it is none of the plain forms
    // or repeats a property.
    bool Take(QByteArrayView line)
    {
        if (const std::optional<QByteArrayView> value = After(line, "SUMMARY:"))
            return TakeText(m_summary, *value, m_event.name);
        if (const std::optional<QByteArrayView> value = After(line, "DESCRIPTION:"))
            return TakeText(m_description, *value, m_event.notes);
        if (const std::optional<QByteArrayView> value = After(line, "CATEGORIES:"))
            return IsOneCategory(*value) && TakeText(m_categories, *value, m_event.category);
        if (const std::optional<QByteArrayView> value = After(line, "DTSTART;VALUE=DATE:"))
            return TakeDate(*value);
        if (line == "RRULE:FREQ=YEARLY")
            return TakeRule(0, 0);
        if (line == "RRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2")
            return TakeRule(2, -1);
        return false;
    }

    const ICalEvent &Event() const { return m_event; }

private:
    static bool TakeText(bool &seen, QByteArrayView value, QString &text)
    {
        if (seen)
            return false;
        seen = true;
        std::optional<QString> plain = PlainText(value);
        if (plain)
            text = std::move(*plain);
        return plain.has_value();
    }

    bool TakeDate(QByteArrayView value)
    {
        int year = 0;
        if (m_event.hasStart || value.size() != 8 || !Digits(value.first(4), year)
            || !Digits(value.sliced(4, 2), m_event.month) || !Digits(value.sliced(6), m_event.day))
            return false;
        m_event.hasStart = m_event.allDay = true;
        return year > 0 && QDate::isValid(year, m_event.month, m_event.day);
    }

    bool TakeRule(int byMonth, int byMonthDay)
    {
        if (m_event.yearly)
            return false;
        m_event.yearly = true;
        m_event.byMonth = byMonth;
        m_event.byMonthDay = byMonthDay;
        return true;
    }

    ICalEvent m_event;
    bool m_summary = false;
    bool m_description = false;
    bool m_categories = false;
};

} // namespace

std::optional<std::vector<ICalEvent>> ReadPlainICalendar(QByteArrayView bytes)
{
    ContentLines lines(bytes);
    if (lines.AtEnd() || lines.Next() != "BEGIN:VCALENDAR")
        return std::nullopt;
    std::vector<ICalEvent> events;
    std::optional<PlainEvent> event; // the VEVENT being read
    while (!lines.AtEnd()) {
        const QByteArray line = lines.Next();
        if (KindOf(line) == LineKind::Unread)
            continue;
        if (!event && line == "BEGIN:VEVENT") {
            event.emplace();
        } else if (event && line == "END:VEVENT") {
            events.push_back(event->Event());
            event.reset();
        } else if (!event && line == "END:VCALENDAR" && lines.AtEnd()) {
            return events;
        } else if (!event || !event->Take(line)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace orvane
