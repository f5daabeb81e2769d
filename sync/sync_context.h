#pragma once

#include "exchange/imported_event.h"
#include "sync/local_pairing.h"
#include "sync/sync_engine.h"

#include <optional>
#include <vector>

namespace orvane::sync {

// The working copy of a calendar during a sync, and what the sync did to it.
struct SyncContext {
    CUser &user;
    std::vector<LocalEvent> locals;
    SyncOutcome &outcome;
    DaySet &days; // the dates looked at, and those events were taken into

    // Takes a server's event into the calendar with the import's limits (downloaded); gives what
    // the calendar holds, none when there is no room (noted and counted as left alone).
    std::optional<EventDigest> Take(const CImportedEvent &record);
    // Puts the server's version in the place of a local event: none when it has no room (then the
    // local event stays).
    std::optional<EventDigest> Replace(LocalEvent &local, const CImportedEvent &record);
    // Deletes a local event (deleted).
    void Remove(LocalEvent &local);
};

} // namespace orvane::sync
