#pragma once

#include "sync/collection.h"
#include "sync/sync_state.h"

#include <QString>
#include <QStringList>

namespace orvane {
class CUser;
}

namespace orvane::sync {

struct SyncOutcome {
    int uploaded = 0;   // events written to the calendar collection, new or edited
    int downloaded = 0; // events taken from the server, new or changed
    int deleted = 0;    // deletions carried either way
    int conflicts = 0;  // events changed on both sides: both versions kept
    int leftAlone = 0;  // server entries not taken (no yearly all-day event, or no room)
    bool calendarChanged = false;
    QStringList notes;  // a line per entry not taken
    QString error;      // the collection's message when the server failed: then nothing changed

    bool ok() const { return error.isEmpty(); }
};

// One sync of the user's calendar with a calendar collection and, when given, the birthdays of
// an address book, from the state the last one left. Nothing a user made is lost or duplicated:
// an event changed on both sides is kept in both versions. The user's calendar and the state
// are changed only when the sync succeeds (the caller saves both); a dry run lists and fetches
// as a sync does and counts what it would do, but writes nothing and changes neither.
SyncOutcome Synchronize(CUser &user, CSyncState &state, CCollection &calendar, CCollection *addressBook,
                        bool dryRun);

} // namespace orvane::sync
