#pragma once

#include "sync/sync_engine.h"
#include "sync/sync_settings.h"
#include "sync/sync_state.h"

#include <QString>

namespace orvane {
class CUser;
}

namespace orvane::sync {

// What one sync of a calendar file did.
struct SyncRun {
    SyncOutcome outcome;
    CSyncState state; // to be saved beside the calendar file, after it, when the sync succeeded
    int requests = 0; // HTTP requests made
};

// One sync of `user`, the calendar of the file at `calendarPath`, with the collections `settings`
// name, as their user with `password`: the state the last sync left beside the file is read
// (`last` is taken instead when it is of the same collections and the file still holds it), and
// the one to save after the calendar is given back. `user` changes only when the sync succeeds
// and it is not a dry run. Blocks until done: run it off the thread of the windows.
SyncRun RunSync(CUser &user, const QString &calendarPath, const SyncSettings &settings, const QString &password,
                bool dryRun, const CSyncState *last = nullptr);

// The line that reports a sync: "выгружено N, загружено M, удалено K, конфликтов C, оставлено L",
// or the reason it failed.
QString SyncReportText(const SyncOutcome &outcome);

// The whole address of a collection named by `href` on `server`: `href` may be a path on the
// server or a whole address.
QUrl CollectionUrl(const QString &server, const QString &href);

} // namespace orvane::sync
