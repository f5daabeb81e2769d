#pragma once

#include "store/event_list.h"
#include "sync/day_fingerprint.h"
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

// The events of the dates in `days`.
std::vector<LocalEvent> LocalEvents(CUser &user, const DaySet &days);

// How the local events stand to the resources of the last sync.
struct LocalPairing {
    std::vector<std::optional<size_t>> localOf; // per resource: its event, none when deleted locally
    std::vector<bool> edited;                   // per resource: its event was edited
    std::vector<bool> carried;                  // per resource: of a date not looked at, as it was
};

// Pairs the unclaimed events with the resources of the dates in `days` (and claims them): first
// each with a resource of equal content (equal events of one day pair one by one), then each one
// left with a resource left of the same day that shares a text with it (an edit). The resources
// of the other dates are carried: their events are as the last sync left them.
LocalPairing PairLocalEvents(const QList<SyncedResource> &resources, std::vector<LocalEvent> &locals,
                             const DaySet &days);

} // namespace orvane::sync
