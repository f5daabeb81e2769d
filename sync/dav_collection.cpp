#include "sync/dav_collection.h"

#include "sync/dav_client.h"
#include "sync/multistatus.h"

#include <QCryptographicHash>
#include <QMap>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace orvane::sync {

namespace {

constexpr qsizetype kFetchBatch = 500;
// A file name longer than this (in bytes, encoded) is replaced by the hash of the UID.
constexpr qsizetype kMaxNameBytes = 200;

const QByteArray kXmlHead = R"(<?xml version="1.0" encoding="utf-8"?>)"_ba;
const QByteArray kNamespaces
    = R"( xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav" xmlns:CR="urn:ietf:params:xml:ns:carddav")"_ba;

QByteArray Escaped(const QByteArray &text)
{
    return QString::fromUtf8(text).toHtmlEscaped().toUtf8();
}

QByteArray EtagPropfind()
{
    return kXmlHead + "<D:propfind" + kNamespaces + "><D:prop><D:getetag/><D:resourcetype/></D:prop></D:propfind>";
}

bool Is2xx(int status)
{
    return status >= 200 && status <= 299;
}

// The changes of a sync report, pages merged: a later page's word on an href wins.
struct MergedChanges {
    QMap<QString, QByteArray> changed;
    QMap<QString, bool> removed;

    void Change(const QString &href, const QByteArray &etag)
    {
        removed.remove(href);
        changed.insert(href, etag);
    }
    void Remove(const QString &href)
    {
        changed.remove(href);
        removed.insert(href, true);
    }
    void Into(CollectionChanges &changes) const
    {
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            changes.changed.append({ it.key(), it.value(), {} });
        changes.removed = removed.keys();
    }
};

} // namespace

CDavCollection::CDavCollection(CDavClient &client, const QString &path, CollectionKind kind)
    : m_client(client)
    , m_path(path.endsWith(u'/') ? path : path + u'/')
    , m_kind(kind)
{
}

std::optional<CollectionChanges> CDavCollection::ListChanges(const QByteArray &token)
{
    CollectionChanges changes;
    Listing listing = SyncReport(token, changes);
    if (listing == Listing::TokenRefused && !token.isEmpty()) {
        changes = {};
        listing = SyncReport({}, changes);
        changes.complete = true;
    }
    if (listing == Listing::Done)
        return changes;
    if (listing == Listing::Failed)
        return std::nullopt;
    return ListEtags();
}

CDavCollection::Listing CDavCollection::SyncReport(const QByteArray &token, CollectionChanges &changes)
{
    MergedChanges merged;
    QByteArray asked = token;
    for (;;) {
        const QByteArray xml = kXmlHead + "<D:sync-collection" + kNamespaces + "><D:sync-token>" + Escaped(asked)
            + "</D:sync-token><D:sync-level>1</D:sync-level><D:prop><D:getetag/></D:prop></D:sync-collection>";
        const auto reply = m_client.SendXml("REPORT", m_path, "0", xml);
        if (!reply)
            return Listing::Failed;
        if (reply->status != 207) {
            // Some servers fail on a token they cannot read (500) rather than refuse it: a full
            // listing is never wrong, so that is asked for before anything is taken as an error.
            if (HasPrecondition(reply->body, "valid-sync-token") || (!token.isEmpty() && reply->status >= 500))
                return Listing::TokenRefused;
            if (reply->status == 400 || reply->status == 403 || reply->status == 405 || reply->status == 501)
                return Listing::Unsupported;
            m_client.FailStatus(reply->status, m_path);
            return Listing::Failed;
        }
        const auto status = ParseMultistatus(reply->body);
        if (!status) {
            m_client.FailMalformed();
            return Listing::Failed;
        }
        if (!status->hasSyncToken)
            return Listing::Unsupported;
        bool truncated = false;
        for (const DavResponse &response : status->responses) {
            if (response.href == m_path || response.href + u'/' == m_path)
                truncated |= response.status == 507;
            else if (!IsMember(response.href, response.isCollection))
                continue;
            else if (response.status == 404)
                merged.Remove(response.href);
            else
                merged.Change(response.href, response.etag);
        }
        changes.token = status->syncToken;
        // A truncated answer is followed from its token; one that gives no new token ends it.
        if (!truncated || status->syncToken == asked || status->syncToken.isEmpty())
            break;
        asked = status->syncToken;
    }
    merged.Into(changes);
    changes.complete = token.isEmpty();
    return Listing::Done;
}

std::optional<CollectionChanges> CDavCollection::ListEtags()
{
    const auto status = Multistatus207("PROPFIND", m_path, "1", EtagPropfind());
    if (!status)
        return std::nullopt;
    CollectionChanges changes;
    changes.complete = true;
    for (const DavResponse &response : status->responses) {
        if (IsMember(response.href, response.isCollection) && Is2xx(response.propStatus))
            changes.changed.append({ response.href, response.etag, {} });
    }
    return changes;
}

std::optional<QList<DavResource>> CDavCollection::Fetch(const QStringList &hrefs)
{
    const bool calendar = m_kind == CollectionKind::Calendar;
    QList<DavResource> resources;
    for (qsizetype first = 0; first < hrefs.size(); first += kFetchBatch) {
        QByteArray xml = kXmlHead + (calendar ? "<C:calendar-multiget" : "<CR:addressbook-multiget") + kNamespaces
            + "><D:prop><D:getetag/>" + (calendar ? "<C:calendar-data/>" : "<CR:address-data/>") + "</D:prop>";
        for (const QString &href : hrefs.mid(first, kFetchBatch))
            xml += "<D:href>" + QUrl::toPercentEncoding(href, "/") + "</D:href>";
        xml += calendar ? "</C:calendar-multiget>" : "</CR:addressbook-multiget>";
        const auto status = Multistatus207("REPORT", m_path, "1", xml);
        if (!status)
            return std::nullopt;
        for (const DavResponse &response : status->responses) {
            if ((response.status == 0 || Is2xx(response.status)) && Is2xx(response.propStatus)
                && IsMember(response.href, response.isCollection))
                resources.append({ response.href, response.etag, response.data });
        }
    }
    return resources;
}

WriteResult CDavCollection::Put(const QString &href, const QByteArray &body, const QByteArray &ifMatch)
{
    const QByteArray type
        = m_kind == CollectionKind::Calendar ? "text/calendar; charset=utf-8" : "text/vcard; charset=utf-8";
    const auto reply = m_client.Send("PUT", href, body,
        { { "Content-Type", type },
            ifMatch.isEmpty() ? qMakePair("If-None-Match"_ba, "*"_ba) : qMakePair("If-Match"_ba, ifMatch) });
    if (!reply)
        return {};
    if (reply->status == 412)
        return { WriteResult::Outcome::Changed, {} };
    if (!Is2xx(reply->status)) {
        m_client.FailStatus(reply->status, href);
        return {};
    }
    // A weak tag names no exact copy: the stored one is asked for.
    if (!reply->etag.isEmpty() && !reply->etag.startsWith("W/"))
        return { WriteResult::Outcome::Done, reply->etag };
    const auto status = Multistatus207("PROPFIND", href, "0", EtagPropfind());
    if (!status)
        return {};
    // Depth 0: the one response is the resource's.
    if (status->responses.isEmpty()) {
        m_client.FailMalformed();
        return {};
    }
    return { WriteResult::Outcome::Done, status->responses.first().etag };
}

WriteResult CDavCollection::Remove(const QString &href, const QByteArray &ifMatch)
{
    DavHeaders headers;
    if (!ifMatch.isEmpty())
        headers.append({ "If-Match", ifMatch });
    const auto reply = m_client.Send("DELETE", href, {}, headers);
    if (!reply)
        return {};
    if (reply->status == 412)
        return { WriteResult::Outcome::Changed, {} };
    if (!Is2xx(reply->status) && reply->status != 404) {
        m_client.FailStatus(reply->status, href);
        return {};
    }
    return { WriteResult::Outcome::Done, {} };
}

QString CDavCollection::HrefFor(const QString &uid) const
{
    // Letters, digits, "-._~@" stand as they are, anything else (a slash among them) as %XX, so
    // that the name is one path segment that no two UIDs share.
    QByteArray name = QUrl::toPercentEncoding(uid, "@");
    if (name.startsWith('.'))
        name.replace(0, 1, "%2E");
    if (name.isEmpty() || name.size() > kMaxNameBytes)
        name = QCryptographicHash::hash(uid.toUtf8(), QCryptographicHash::Sha1).toHex();
    return m_path + QString::fromLatin1(name) + (m_kind == CollectionKind::Calendar ? u".ics"_s : u".vcf"_s);
}

QString CDavCollection::Error() const
{
    return m_client.Error();
}

std::optional<Multistatus> CDavCollection::Multistatus207(
    const QByteArray &method, const QString &path, const QByteArray &depth, const QByteArray &xml)
{
    const auto reply = m_client.SendXml(method, path, depth, xml);
    if (!reply)
        return std::nullopt;
    if (reply->status != 207) {
        m_client.FailStatus(reply->status, path);
        return std::nullopt;
    }
    auto status = ParseMultistatus(reply->body);
    if (!status)
        m_client.FailMalformed();
    return status;
}

bool CDavCollection::IsMember(const QString &href, bool isCollection) const
{
    return !isCollection && href.startsWith(m_path) && href.size() > m_path.size() && !href.endsWith(u'/');
}

} // namespace orvane::sync
