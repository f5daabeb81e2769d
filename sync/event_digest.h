#pragma once

#include "exchange/imported_event.h"

#include <QByteArray>
#include <QString>

namespace orvane {
class CUser;
}

namespace orvane::sync {

// What an event holds, as the sync compares it: its date and a digest of each of its texts.
struct EventDigest {
    int month = 0; // 0: no event
    int day = 0;
    QByteArray name;
    QByteArray notes;
    QByteArray category;

    // The key of equal contents of one day.
    QByteArray Key() const;
    // On the same day, with at least one text the same.
    bool SharesAText(const EventDigest &other) const;

    friend bool operator==(const EventDigest &, const EventDigest &) = default;
};

EventDigest DigestOf(int month, int day, const QString &name, const QString &notes, const QString &category);
// An event of the calendar, under its category's name.
EventDigest DigestOf(const CUser &user, const CEventRecord &event);
// The event `record` becomes when the import merge takes it into `user`'s calendar: its texts
// brought within what the calendar holds.
EventDigest FittedDigest(const CUser &user, const CImportedEvent &record);

} // namespace orvane::sync
