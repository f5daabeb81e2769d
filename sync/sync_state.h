#pragma once

#include "store/atomic_file.h"
#include "sync/day_fingerprint.h"
#include "sync/event_digest.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace orvane::sync {

// A resource of a collection as the last sync left it, with the event it gave the calendar.
struct SyncedResource {
    QString href;
    QByteArray etag;
    QString uid;
    EventDigest event; // month 0: none (a contact without a birthday)

    friend bool operator==(const SyncedResource &, const SyncedResource &) = default;
};

// A resource the sync does not take (not a yearly all-day event), remembered so that it is
// looked at again only when it changes.
struct LeftAloneResource {
    QString href;
    QByteArray etag;

    friend bool operator==(const LeftAloneResource &, const LeftAloneResource &) = default;
};

struct CollectionState {
    QString url;
    QByteArray token;
    QList<SyncedResource> resources;
    QList<LeftAloneResource> leftAlone;
};

// What the last sync of a calendar file left: of its calendar collection and of the address
// book its birthdays come from. Kept beside the calendar file as lines of JSON: the whole state,
// then the changes of each later sync, so that a sync of a large calendar writes what it changed.
class CSyncState {
public:
    // The state's file of a calendar file: orvane.orvd gives orvane.sync.
    static QString PathFor(const QString &calendarPath);
    // The state at `path` of the collections at these URLs. Each part that is missing,
    // unreadable or of another URL is empty: everything is compared again. A line of changes
    // cut by a crash is left out, with those after it.
    static CSyncState Load(const QString &path, const QString &calendarUrl, const QString &addressBookUrl);
    // Writes the state at `path`. When the file holds what this state (or the one it was copied
    // from) was loaded or saved as, only the changes since are appended; the file is written
    // whole, atomically, when that is not known or the changes add up to more than the whole.
    SaveResult Save(const QString &path);
    // The file at `path` is still what this state was loaded or saved as, as far as its size
    // tells: a state kept in memory stands for it.
    bool IsStoredAt(const QString &path) const;

    CollectionState calendar;
    CollectionState addressBook;
    DayFingerprints days; // of the calendar as the last sync left it; empty: unknown

private:
    // What the file at `path` holds.
    struct Stored {
        QString path;
        CollectionState calendar;
        CollectionState addressBook;
        DayFingerprints days;
        qint64 wholeBytes = 0;   // of the line of the whole state
        qint64 changesBytes = 0; // of the lines of changes after it
    };

    void Remember(const QString &path, qint64 wholeBytes, qint64 changesBytes);
    SaveResult SaveWhole(const QString &path);

    std::optional<Stored> m_stored;
};

} // namespace orvane::sync
