#pragma once

#include "sync/collection.h"

namespace orvane::sync {

class CDavClient;
struct Multistatus;

enum class CollectionKind { Calendar, AddressBook };

// A calendar (CalDAV, RFC 4791) or address book (CardDAV, RFC 6352) collection on the server of
// a client. Changes are listed with the sync-collection report (RFC 6578) where the server offers
// it, else with a listing of every member's entity tag.
class CDavCollection : public CCollection {
public:
    // `path`: the collection's decoded path on the client's server.
    CDavCollection(CDavClient &client, const QString &path, CollectionKind kind);

    std::optional<CollectionChanges> ListChanges(const QByteArray &token) override;
    std::optional<QList<DavResource>> Fetch(const QStringList &hrefs) override;
    WriteResult Put(const QString &href, const QByteArray &body, const QByteArray &ifMatch) override;
    WriteResult Remove(const QString &href, const QByteArray &ifMatch) override;
    QString HrefFor(const QString &uid) const override;
    QString Error() const override;

private:
    enum class Listing { Done, Failed, Unsupported, TokenRefused };
    Listing SyncReport(const QByteArray &token, CollectionChanges &changes);
    std::optional<CollectionChanges> ListEtags();
    std::optional<Multistatus> Multistatus207(
        const QByteArray &method, const QString &path, const QByteArray &depth, const QByteArray &xml);
    bool IsMember(const QString &href, bool isCollection) const;

    CDavClient &m_client;
    QString m_path; // ends with '/'
    CollectionKind m_kind;
};

} // namespace orvane::sync
