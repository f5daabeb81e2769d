#include "sync/server_listing.h"

namespace orvane::sync {

std::optional<ServerListing> ListServer(CCollection &collection, const CollectionState &state)
{
    const std::optional<CollectionChanges> changes = collection.ListChanges(state.token);
    if (!changes)
        return std::nullopt;
    // What the listing names, by href: each looked up once per resource of the state.
    struct Listed {
        QByteArray etag;
        bool removed = false;
        bool known = false; // of the state
    };
    QHash<QString, Listed> listed;
    for (const DavResource &resource : changes->changed)
        listed.insert(resource.href, {resource.etag});
    for (const QString &href : changes->removed)
        listed[href].removed = true;
    // Unlisted: unchanged, or gone when the listing is the whole collection.
    const auto sideOf = [&](const QString &href, const QByteArray &etag, QByteArray &now) {
        now = etag;
        const auto found = listed.isEmpty() ? listed.end() : listed.find(href);
        if (found == listed.end())
            return changes->complete ? ServerSide::Deleted : ServerSide::Unchanged;
        found->known = true;
        if (found->removed)
            return ServerSide::Deleted;
        now = found->etag;
        return !etag.isEmpty() && now == etag ? ServerSide::Unchanged : ServerSide::Changed;
    };
    ServerListing listing;
    listing.token = changes->token;
    listing.etag.reserve(static_cast<size_t>(state.resources.size()));
    listing.side.reserve(static_cast<size_t>(state.resources.size()));
    for (const SyncedResource &resource : state.resources) {
        listing.etag.emplace_back();
        listing.side.push_back(sideOf(resource.href, resource.etag, listing.etag.back()));
    }
    for (const LeftAloneResource &resource : state.leftAlone) {
        QByteArray now;
        const ServerSide side = sideOf(resource.href, resource.etag, now);
        if (side == ServerSide::Unchanged)
            listing.leftAlone.append(resource);
        else if (side == ServerSide::Changed)
            listing.added.append({resource.href, now, {}});
    }
    for (const DavResource &resource : changes->changed)
        if (!listed.value(resource.href).known)
            listing.added.append(resource);
    return listing;
}

std::optional<QHash<QString, DavResource>> FetchBodies(CCollection &collection, const QStringList &hrefs)
{
    QHash<QString, DavResource> bodies;
    if (hrefs.isEmpty())
        return bodies;
    const std::optional<QList<DavResource>> fetched = collection.Fetch(hrefs);
    if (!fetched)
        return std::nullopt;
    for (const DavResource &resource : *fetched)
        bodies.insert(resource.href, resource);
    return bodies;
}

std::optional<QHash<QString, DavResource>> FetchListed(CCollection &collection, const CollectionState &state,
                                                       const ServerListing &listing, const std::vector<bool> &alsoWanted)
{
    QStringList hrefs;
    for (size_t index = 0; index < listing.side.size(); ++index)
        if (listing.side[index] == ServerSide::Changed || (index < alsoWanted.size() && alsoWanted[index]))
            hrefs << state.resources[static_cast<qsizetype>(index)].href;
    for (const DavResource &resource : listing.added)
        hrefs << resource.href;
    return FetchBodies(collection, hrefs);
}

} // namespace orvane::sync
