#pragma once

#include "exchange/imported_event.h"
#include "exchange/merge_report.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvane {
class CICalEventWriter;
}

namespace orvane::sync {

// The calendar resource of the event last taken by `writer`, with that UID: a VCALENDAR holding
// its one VEVENT, in the form of the iCalendar export.
QByteArray EventResource(CICalEventWriter &writer, QByteArrayView uid);

// `body` with its first VEVENT made to hold `event` under the category named `category`: SUMMARY,
// DESCRIPTION, the first CATEGORIES value and the date of DTSTART (in `year`) set where they
// differ, every other property and component (UID, alarms, X- properties) kept. Nothing when
// the body holds no VEVENT.
std::optional<QByteArray> UpdateEventResource(QByteArrayView body, const CEventRecord &event, const QString &category,
                                              int year);

// What a calendar resource gives: its one yearly all-day event as the import reads it, or the
// reason it gives none (several events in one resource: no reasons).
struct ResourceEvent {
    std::optional<CImportedEvent> event;
    MergeNote left; // when there is no event
    QString uid;
};
ResourceEvent ReadEventResource(QByteArrayView body);

// The line of the sync's report about an entry left alone.
QString LeftAloneText(const MergeNote &note);

} // namespace orvane::sync
