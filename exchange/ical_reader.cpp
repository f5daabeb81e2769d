#include "exchange/ical_reader.h"

#include "exchange/capped_read.h"
#include "exchange/content_lines.h"
#include "store/day_addressing.h"

#include <libical/ical.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <memory>
#include <optional>
#include <vector>

namespace orvane {

namespace {

constexpr int kLeapYear = 2000;
// Calendars nest three deep (calendar, event, alarm); a deeper one is refused before the parser
// builds it, as freeing a very deep tree would exhaust the stack.
constexpr int kMaxDepth = 16;

struct FreeComponent {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};

struct FreeParser {
    void operator()(icalparser *parser) const { icalparser_free(parser); }
};

using Component = std::unique_ptr<icalcomponent, FreeComponent>;

ExchangeReadResult Broken(const QString &detail)
{
    return {ExchangeReadFailure::NotWellFormed, detail};
}

// The properties the reading below looks at (ReadEvent, and SUMMARY in ReadCalendar).
constexpr std::array<QByteArrayView, 6> kReadProperties = {"SUMMARY", "DTSTART", "RRULE", "RECURRENCE-ID",
                                                           "DESCRIPTION", "CATEGORIES"};

enum class LineKind { Begin, End, Read, Unread };

bool IsPlainName(QByteArrayView name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

// How the parser takes a content line. Its name is the text before the first ';' or ':' without
// the blanks at its end: the line starts or ends a component when that is BEGIN or END in any
// case, whatever parameters and value follow. A property whose name is plain (letters, digits
// and '-', so that the parser finds the same name) and none of kReadProperties in any case is
// Unread: the parser would only add it to its component, where nothing looks at it, or drop it
// outside any component.
LineKind KindOf(const QByteArray &line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ';' && line[end] != ':')
        ++end;
    if (end == line.size())
        return LineKind::Read;
    const bool plain = IsPlainName(QByteArrayView(line).first(end));
    while (end > 0 && std::iswspace(static_cast<wint_t>(line[end - 1]))) // the parser's own test
        --end;
    const QByteArrayView name = QByteArrayView(line).first(end);
    const auto is = [name](QByteArrayView known) {
        return name.size() == known.size() && name.compare(known, Qt::CaseInsensitive) == 0;
    };
    if (is("BEGIN"))
        return LineKind::Begin;
    if (is("END"))
        return LineKind::End;
    const bool read = std::any_of(kReadProperties.begin(), kReadProperties.end(), is);
    return plain && !read ? LineKind::Unread : LineKind::Read;
}

// Parses the document into its top-level components. The parser is given the content lines as
// ContentLines unfolds them, one at a time: it nests exactly the components counted here, which
// are refused before they pass kMaxDepth, and its own line reader, which scans the rest of a
// long line again for every 80 bytes of it, never runs.
ExchangeReadResult Parse(QByteArrayView bytes, std::vector<Component> &components)
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
        if (kind == LineKind::Unread)
            continue;
        if (icalcomponent *component = icalparser_add_line(parser.get(), line.data()))
            components.emplace_back(component);
    }
    if (depth != 0)
        return Broken(QStringLiteral("the document ends inside a component (an END line is missing)"));
    return {};
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

// The month and day a yearly rule names, over those of the start; false for any other rule.
bool YearlyDate(const icalrecurrencetype &rule, int &month, int &day)
{
    const bool plain = rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && rule.count == 0
                       && icaltime_is_null_time(rule.until) && !rule.rscale && NoneIn(rule.by_second)
                       && NoneIn(rule.by_minute) && NoneIn(rule.by_hour) && NoneIn(rule.by_day)
                       && NoneIn(rule.by_year_day) && NoneIn(rule.by_week_no) && NoneIn(rule.by_set_pos);
    int byMonth = 0;
    int byMonthDay = 0;
    if (!plain || !AtMostOne(rule.by_month, byMonth) || !AtMostOne(rule.by_month_day, byMonthDay))
        return false;
    if (byMonth != 0) {
        if (icalrecurrencetype_month_is_leap(static_cast<short>(byMonth)))
            return false;
        month = icalrecurrencetype_month_month(static_cast<short>(byMonth));
    }
    if (byMonthDay < 0)
        day = DaysInMonth(month, kLeapYear) + 1 + byMonthDay; // -1 is the month's last day
    else if (byMonthDay > 0)
        day = byMonthDay;
    return true;
}

// Reads one VEVENT: a record, or the reason it is not one.
std::optional<MergeReason> ReadEvent(icalcomponent *event, CImportedEvent &record)
{
    record.Name = TextOf(event, ICAL_SUMMARY_PROPERTY, icalproperty_get_summary);
    icalproperty *start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!start)
        return MergeReason::NoSuchDate;
    const icaltimetype date = icalproperty_get_dtstart(start);
    if (icaltime_is_null_time(date))
        return MergeReason::NoSuchDate;
    record.Month = date.month;
    record.Day = date.day;
    if (!icaltime_is_date(date))
        return MergeReason::NotAllDay;
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule || icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
        return MergeReason::NotYearly;
    if (!YearlyDate(icalproperty_get_rrule(rule), record.Month, record.Day))
        return MergeReason::NotYearly;
    record.Notes = TextOf(event, ICAL_DESCRIPTION_PROPERTY, icalproperty_get_description);
    record.CategoryName = TextOf(event, ICAL_CATEGORIES_PROPERTY, icalproperty_get_categories);
    record.CategoryExpected = false;
    return std::nullopt;
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
            reason = ReadEvent(child, record);
        else
            record.Name = TextOf(child, ICAL_SUMMARY_PROPERTY, icalproperty_get_summary);
        if (!reason) {
            records.AddTail(record);
            continue;
        }
        if (record.Name.isEmpty())
            record.Name = QString::fromLatin1(icalcomponent_kind_to_string(kind));
        skipped.push_back({record.Name, record.Month, record.Day, {*reason}});
    }
}

} // namespace

ExchangeReadResult ReadICalendar(QByteArrayView bytes, CImportList &list, std::vector<MergeNote> &skipped)
{
    if (bytes.size() > kMaxExchangeDocumentBytes)
        return TooLargeDocument();
    if (!StartsWithLine(bytes, "BEGIN:VCALENDAR"))
        return Broken(QStringLiteral("not an iCalendar document: it does not begin with BEGIN:VCALENDAR"));
    std::vector<Component> components;
    if (const ExchangeReadResult parsed = Parse(bytes, components); !parsed.ok())
        return parsed;
    if (components.empty())
        return Broken(QStringLiteral("not a complete iCalendar document"));
    CImportList records;
    std::vector<MergeNote> notes;
    for (const Component &component : components)
        if (icalcomponent_isa(component.get()) == ICAL_VCALENDAR_COMPONENT)
            ReadCalendar(component.get(), records, notes);
    list.AppendAll(std::move(records));
    skipped.insert(skipped.end(), notes.begin(), notes.end());
    return {};
}

} // namespace orvane
