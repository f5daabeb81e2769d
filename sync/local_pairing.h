#pragma once

#include "store/event_list.h"
#include "sync/sync_state.h"

#include <optional>
#include <vector>

namespace orvane::sync {

// An event of the calendar being synced.
struct LocalEvent {
    int slot = 0;
    CEventList::iterator event;
    EventDigest digest;
    bool claimed = false; // paired with a resource, or linked to one during the sync
};

std::vector<LocalEvent> LocalEvents(CUser &user);

// How the local events stand to the resources of the last sync.
struct LocalPairing {
    std::vector<std::optional<size_t>> localOf; // per resource: its event, none when deleted locally
    std::vector<bool> edited;                   // per resource: its event was edited
};

// Pairs the unclaimed events with the resources (and claims them): first each with a resource of
// equal content (equal events of one day pair one by one), then each one left with a resource
// left of the same day that shares a text with it (an edit).
LocalPairing PairLocalEvents(const QList<SyncedResource> &resources, std::vector<LocalEvent> &locals);

} // namespace orvane::sync
