#pragma once

#include "sync/collection.h"
#include "sync/sync_state.h"

#include <QHash>

#include <optional>
#include <vector>

namespace orvane::sync {

enum class ServerSide { Unchanged, Changed, Deleted };

// How a collection stands to the state of its last sync.
struct ServerListing {
    std::vector<ServerSide> side;      // per resource of the state
    std::vector<QByteArray> etag;      // per resource: the entity tag listed (the state's when unlisted)
    QList<DavResource> added;          // resources the state does not know, or left alone and changed since
    QList<LeftAloneResource> leftAlone; // those left alone that are still there, unchanged
    QByteArray token;
};

// Lists the changes since the state's token. Nothing when the server failed.
std::optional<ServerListing> ListServer(CCollection &collection, const CollectionState &state);

// Fetches the bodies of the resources in one request (none when there are none), by href.
// Nothing when the server failed.
std::optional<QHash<QString, DavResource>> FetchBodies(CCollection &collection, const QStringList &hrefs);
// The same for the resources the listing found new or changed, and those of the state marked in
// `alsoWanted` (per resource of the state; empty for none).
std::optional<QHash<QString, DavResource>> FetchListed(CCollection &collection, const CollectionState &state,
                                                       const ServerListing &listing,
                                                       const std::vector<bool> &alsoWanted = {});

} // namespace orvane::sync
