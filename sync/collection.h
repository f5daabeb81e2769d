#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvane::sync {

// One resource of a collection on the server: its address (a path on the server, as the server
// spells it in its listings), its entity tag, and its body when it was fetched.
struct DavResource {
    QString href;
    QByteArray etag; // empty when the server gave none
    QByteArray body; // empty when not fetched
};

// What changed in a collection since a sync token.
struct CollectionChanges {
    // The listing is the whole collection (no token given, the server offers no sync-collection,
    // or it refused the token): every resource not in `changed` is gone.
    bool complete = false;
    QList<DavResource> changed; // href and etag of each resource added or changed (no bodies)
    QStringList removed;        // hrefs of the resources deleted since the token
    QByteArray token;           // the new sync token; empty when the server offers none
};

// The outcome of a write.
struct WriteResult {
    enum class Outcome {
        Done,          // written (or deleted); `etag` is the new one (asked for when the PUT gave none)
        Changed,       // 412: the server's copy is not the one named by the precondition
        Failed,        // any other failure: see CCollection::Error()
    };
    Outcome outcome = Outcome::Failed;
    QByteArray etag;
};

// The server side of one collection (a calendar or an address book). Every call blocks until the
// server answered (or failed), so a sync runs on a thread of its own; a failed call leaves a clear,
// translated message in Error().
class CCollection {
public:
    virtual ~CCollection() = default;

    // Changes since `token`; all resources (complete) when `token` is empty or refused.
    virtual std::optional<CollectionChanges> ListChanges(const QByteArray &token) = 0;
    // The bodies and entity tags of the given resources; a resource gone meanwhile is left out.
    virtual std::optional<QList<DavResource>> Fetch(const QStringList &hrefs) = 0;
    // Writes `body` to `href`: a new resource when `ifMatch` is empty (If-None-Match: *), else
    // only over the copy with that entity tag (If-Match).
    virtual WriteResult Put(const QString &href, const QByteArray &body, const QByteArray &ifMatch) = 0;
    // Deletes `href` only over the copy with that entity tag (If-Match), unconditionally when empty.
    virtual WriteResult Remove(const QString &href, const QByteArray &ifMatch) = 0;
    // The address of a new resource in this collection for a UID.
    virtual QString HrefFor(const QString &uid) const = 0;
    virtual QString Error() const = 0;
};

} // namespace orvane::sync
