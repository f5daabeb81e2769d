#include "sync/event_resource.h"

#include "exchange/content_lines.h"
#include "exchange/ical_event_writer.h"
#include "exchange/ical_reader.h"
#include "store/event_record.h"

#include <QCoreApplication>

#include <cstdlib>

namespace orvane::sync {

namespace {

QString TextOf(icalcomponent *event, icalproperty_kind kind, const char *(*get)(const icalproperty *))
{
    icalproperty *property = icalcomponent_get_first_property(event, kind);
    const char *text = property ? get(property) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

// Sets the first property of the kind to `text` when it differs: an empty text removes it.
void SetText(icalcomponent *event, icalproperty_kind kind, const QString &text,
             const char *(*get)(const icalproperty *), icalproperty *(*make)(const char *),
             void (*set)(icalproperty *, const char *))
{
    if (TextOf(event, kind, get) == text)
        return;
    icalproperty *property = icalcomponent_get_first_property(event, kind);
    const QByteArray utf8 = text.toUtf8();
    if (text.isEmpty()) {
        icalcomponent_remove_property(event, property);
        icalproperty_free(property);
    } else if (property) {
        set(property, utf8.constData());
    } else {
        icalcomponent_add_property(event, make(utf8.constData()));
    }
}

// DTSTART on the event's date in `year`, with the rule of the export, when its date differs.
void SetDate(icalcomponent *event, const CEventRecord &record, int year)
{
    icalproperty *start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const icaltimetype date = start ? icalproperty_get_dtstart(start) : icaltime_null_time();
    if (date.month == record.Month && date.day == record.Day)
        return;
    CICalEventWriter writer(QDate(year, 1, 1));
    writer.Take(record, {});
    QByteArray fresh = CICalEventWriter::CalendarBegin();
    writer.Append(fresh, "x");
    fresh += CICalEventWriter::CalendarEnd();
    std::vector<ICalComponent> parsed;
    ParseICalendar(fresh, parsed, true);
    icalcomponent *model = icalcomponent_get_first_component(parsed.front().get(), ICAL_VEVENT_COMPONENT);
    for (const icalproperty_kind kind : {ICAL_DTSTART_PROPERTY, ICAL_RRULE_PROPERTY}) {
        while (icalproperty *old = icalcomponent_get_first_property(event, kind)) {
            icalcomponent_remove_property(event, old);
            icalproperty_free(old);
        }
        icalcomponent_add_property(event, icalproperty_new_clone(icalcomponent_get_first_property(model, kind)));
    }
}

} // namespace

QByteArray EventResource(CICalEventWriter &writer, QByteArrayView uid)
{
    QByteArray body = CICalEventWriter::CalendarBegin();
    writer.Append(body, uid);
    return body + CICalEventWriter::CalendarEnd();
}

std::optional<QByteArray> UpdateEventResource(QByteArrayView body, const CEventRecord &event, const QString &category,
                                              int year)
{
    std::vector<ICalComponent> components;
    if (!ParseICalendar(body, components, true).ok() || components.empty())
        return std::nullopt;
    icalcomponent *calendar = components.front().get();
    icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    if (!vevent)
        return std::nullopt;
    SetText(vevent, ICAL_SUMMARY_PROPERTY, event.Name, icalproperty_get_summary, icalproperty_new_summary,
            icalproperty_set_summary);
    SetText(vevent, ICAL_DESCRIPTION_PROPERTY, event.Notes, icalproperty_get_description,
            icalproperty_new_description, icalproperty_set_description);
    SetText(vevent, ICAL_CATEGORIES_PROPERTY, category, icalproperty_get_categories, icalproperty_new_categories,
            icalproperty_set_categories);
    SetDate(vevent, event, year);
    char *text = icalcomponent_as_ical_string_r(calendar);
    QByteArray updated(text);
    std::free(text);
    return updated;
}

ResourceEvent ReadEventResource(QByteArrayView body)
{
    ResourceEvent read;
    CImportList records;
    std::vector<MergeNote> skipped;
    const ExchangeReadResult result = ReadICalendar(body, records, skipped);
    if (result.ok() && skipped.empty() && records.GetCount() == 1)
        read.event = *records.begin();
    else if (!skipped.empty())
        read.left = skipped.front();
    else if (!records.IsEmpty())
        read.left = {records.begin()->Name, records.begin()->Month, records.begin()->Day, {}};
    else
        read.left.reasons = {MergeReason::NotAnEvent};
    for (ContentLines lines(body); !lines.AtEnd();) {
        const QByteArray line = lines.Next();
        if (line.startsWith("UID:")) {
            read.uid = QString::fromUtf8(line.sliced(4));
            break;
        }
    }
    return read;
}

QString LeftAloneText(const MergeNote &note)
{
    const QString reason = note.reasons.empty()
                               ? QCoreApplication::translate("Sync", "несколько событий в одной записи")
                               : MergeReasonText(note.reasons.front());
    const QString date = note.month > 0 ? QStringLiteral(" (%1.%2)").arg(note.day).arg(note.month, 2, 10, QLatin1Char('0'))
                                        : QString();
    return QStringLiteral("%1%2: %3").arg(note.name, date, reason);
}

} // namespace orvane::sync
