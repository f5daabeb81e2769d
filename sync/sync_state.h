#pragma once

#include "store/atomic_file.h"
#include "sync/event_digest.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace orvane::sync {

// A resource of a collection as the last sync left it, with the event it gave the calendar.
struct SyncedResource {
    QString href;
    QByteArray etag;
    QString uid;
    EventDigest event; // month 0: none (a contact without a birthday)
};

// A resource the sync does not take (not a yearly all-day event), remembered so that it is
// looked at again only when it changes.
struct LeftAloneResource {
    QString href;
    QByteArray etag;
};

struct CollectionState {
    QString url;
    QByteArray token;
    QList<SyncedResource> resources;
    QList<LeftAloneResource> leftAlone;
};

// What the last sync of a calendar file left: of its calendar collection and of the address
// book its birthdays come from. Kept beside the calendar file as JSON.
class CSyncState {
public:
    // The state's file of a calendar file: orvane.orvd gives orvane.sync.
    static QString PathFor(const QString &calendarPath);
    // The state at `path` of the collections at these URLs. Each part that is missing,
    // unreadable or of another URL is empty: everything is compared again.
    static CSyncState Load(const QString &path, const QString &calendarUrl, const QString &addressBookUrl);
    SaveResult Save(const QString &path) const;

    CollectionState calendar;
    CollectionState addressBook;
};

} // namespace orvane::sync
