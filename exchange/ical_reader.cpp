#include "exchange/ical_reader.h"

#include "exchange/capped_read.h"
#include "exchange/content_lines.h"
#include "exchange/ical_event.h"
#include "exchange/ical_line_kind.h"
#include "exchange/ical_plain_reader.h"
#include "store/day_addressing.h"

#include <libical/ical.h>

#include <memory>
#include <optional>
#include <vector>

namespace orvane {

namespace {

constexpr int kLeapYear = 2000;
// Calendars nest three deep (calendar, event, alarm); a deeper one is refused before the parser
// builds it, as freeing a very deep tree would exhaust the stack.
constexpr int kMaxDepth = 16;

struct FreeParser {
    void operator()(icalparser *parser) const { icalparser_free(parser); }
};

ExchangeReadResult Broken(const QString &detail)
{
    return {ExchangeReadFailure::NotWellFormed, detail};
}

QString TextOf(icalcomponent *component, icalproperty_kind kind, const char *(*get)(const icalproperty *))
{
    icalproperty *property = icalcomponent_get_first_property(component, kind);
    const char *text = property ? get(property) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

bool NoneIn(const short *values)
{
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// At most one value in a BY list; gives it in `value` (0 when there is none).
bool AtMostOne(const short *values, int &value)
{
    value = NoneIn(values) ? 0 : values[0];
    return NoneIn(values) || values[1] == ICAL_RECURRENCE_ARRAY_MAX;
}

// The month and the day of the month of a yearly rule (0 for none); false for any other rule.
bool YearlyRule(const icalrecurrencetype &rule, int &byMonth, int &byMonthDay)
{
    const bool plain = rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && rule.count == 0
                       && icaltime_is_null_time(rule.until) && !rule.rscale && NoneIn(rule.by_second)
                       && NoneIn(rule.by_minute) && NoneIn(rule.by_hour) && NoneIn(rule.by_day)
                       && NoneIn(rule.by_year_day) && NoneIn(rule.by_week_no) && NoneIn(rule.by_set_pos);
    if (!plain || !AtMostOne(rule.by_month, byMonth) || !AtMostOne(rule.by_month_day, byMonthDay))
        return false;
    if (byMonth != 0) {
        if (icalrecurrencetype_month_is_leap(static_cast<short>(byMonth)))
            return false;
        byMonth = icalrecurrencetype_month_month(static_cast<short>(byMonth));
    }
    return true;
}

// What libical read of one VEVENT.
ICalEvent ReadEvent(icalcomponent *component)
{
    ICalEvent event;
    event.name = TextOf(component, ICAL_SUMMARY_PROPERTY, icalproperty_get_summary);
    event.notes = TextOf(component, ICAL_DESCRIPTION_PROPERTY, icalproperty_get_description);
    event.category = TextOf(component, ICAL_CATEGORIES_PROPERTY, icalproperty_get_categories);
    if (icalproperty *start = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY)) {
        const icaltimetype date = icalproperty_get_dtstart(start);
        event.hasStart = !icaltime_is_null_time(date);
        event.allDay = icaltime_is_date(date);
        event.month = date.month;
        event.day = date.day;
    }
    icalproperty *rule = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY);
    event.yearly = rule && !icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY)
                   && !icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY)
                   && YearlyRule(icalproperty_get_rrule(rule), event.byMonth, event.byMonthDay);
    return event;
}

// The record an event gives, or the reason it gives none. Its date is the month and day of
// DTSTART, or the rule's month and day (the last day of February is 29 February).
std::optional<MergeReason> ToRecord(const ICalEvent &event, CImportedEvent &record)
{
    record.Name = event.name;
    if (!event.hasStart)
        return MergeReason::NoSuchDate;
    record.Month = event.month;
    record.Day = event.day;
    if (!event.allDay)
        return MergeReason::NotAllDay;
    if (!event.yearly)
        return MergeReason::NotYearly;
    if (event.byMonth != 0)
        record.Month = event.byMonth;
    if (event.byMonthDay < 0)
        record.Day = DaysInMonth(record.Month, kLeapYear) + 1 + event.byMonthDay; // -1 is the month's last day
    else if (event.byMonthDay > 0)
        record.Day = event.byMonthDay;
    record.Notes = event.notes;
    record.CategoryName = event.category;
    record.CategoryExpected = false;
    return std::nullopt;
}

// Appends `record` when there is no reason to skip it, else notes the reason; a skipped entry
// without a name is named by its kind of component.
void Take(CImportedEvent &record, std::optional<MergeReason> reason, icalcomponent_kind kind, CImportList &records,
          std::vector<MergeNote> &skipped)
{
    if (!reason) {
        records.AddTail(std::move(record));
        return;
    }
    if (record.Name.isEmpty())
        record.Name = QString::fromLatin1(icalcomponent_kind_to_string(kind));
    skipped.push_back({record.Name, record.Month, record.Day, {*reason}});
}

void ReadCalendar(icalcomponent *calendar, CImportList &records, std::vector<MergeNote> &skipped)
{
    for (icalcomponent *child = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(child);
        if (kind == ICAL_VTIMEZONE_COMPONENT)
            continue;
        CImportedEvent record;
        std::optional<MergeReason> reason = MergeReason::NotAnEvent;
        if (kind == ICAL_VEVENT_COMPONENT)
            reason = ToRecord(ReadEvent(child), record);
        else
            record.Name = TextOf(child, ICAL_SUMMARY_PROPERTY, icalproperty_get_summary);
        Take(record, reason, kind, records, skipped);
    }
}

// Parses the document with libical and reads each VCALENDAR in it.
ExchangeReadResult ReadParsed(QByteArrayView bytes, CImportList &records, std::vector<MergeNote> &skipped)
{
    std::vector<ICalComponent> components;
    if (const ExchangeReadResult parsed = ParseICalendar(bytes, components); !parsed.ok())
        return parsed;
    if (components.empty())
        return Broken(QStringLiteral("not a complete iCalendar document"));
    for (const ICalComponent &component : components)
        if (icalcomponent_isa(component.get()) == ICAL_VCALENDAR_COMPONENT)
            ReadCalendar(component.get(), records, skipped);
    return {};
}

} // namespace

// The parser is given the content lines as
// ContentLines unfolds them (those of kind Unread only when every line is kept), one at a time: it nests exactly the components counted here, which
// are refused before they pass kMaxDepth, and its own line reader, which scans the rest of a
// long line again for every 80 bytes of it, never runs.
ExchangeReadResult ParseICalendar(QByteArrayView bytes, std::vector<ICalComponent> &components, bool everyLine)
{
    const std::unique_ptr<icalparser, FreeParser> parser(icalparser_new());
    if (!parser)
        return {ExchangeReadFailure::NoParser, QStringLiteral("the iCalendar parser cannot be set up")};
    ContentLines lines(bytes);
    int depth = 0;
    while (!lines.AtEnd()) {
        QByteArray line = lines.Next();
        const LineKind kind = KindOf(line);
        if (kind == LineKind::Begin && ++depth > kMaxDepth)
            return Broken(QStringLiteral("line %1: components nested deeper than %2").arg(lines.LineNumber()).arg(kMaxDepth));
        if (kind == LineKind::End && --depth < 0)
            return Broken(QStringLiteral("line %1: END without BEGIN").arg(lines.LineNumber()));
        if (kind == LineKind::Unread && !everyLine)
            continue;
        if (icalcomponent *component = icalparser_add_line(parser.get(), line.data()))
            components.emplace_back(component);
    }
    if (depth != 0)
        return Broken(QStringLiteral("the document ends inside a component (an END line is missing)"));
    return {};
}

ExchangeReadResult ReadICalendar(QByteArrayView bytes, CImportList &list, std::vector<MergeNote> &skipped)
{
    if (bytes.size() > kMaxExchangeDocumentBytes)
        return TooLargeDocument();
    if (!StartsWithLine(bytes, "BEGIN:VCALENDAR"))
        return Broken(QStringLiteral("not an iCalendar document: it does not begin with BEGIN:VCALENDAR"));
    CImportList records;
    std::vector<MergeNote> notes;
    // A document of the form this program exports is read without libical, which takes most of
    // the time of an import when it builds a tree of every event.
    if (const std::optional<std::vector<ICalEvent>> events = ReadPlainICalendar(bytes)) {
        for (const ICalEvent &event : *events) {
            CImportedEvent record;
            const std::optional<MergeReason> reason = ToRecord(event, record);
            Take(record, reason, ICAL_VEVENT_COMPONENT, records, notes);
        }
    } else if (const ExchangeReadResult read = ReadParsed(bytes, records, notes); !read.ok()) {
        return read;
    }
    list.AppendAll(std::move(records));
    skipped.insert(skipped.end(), notes.begin(), notes.end());
    return {};
}

} // namespace orvane
