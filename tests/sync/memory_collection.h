#pragma once

#include "sync/collection.h"

#include <QMap>

namespace orvane::sync::test {

// A collection in memory whose sync token is the number of changes made to it.
class CMemoryCollection : public CCollection {
public:
    std::optional<CollectionChanges> ListChanges(const QByteArray &token) override
    {
        ++calls;
        CollectionChanges changes;
        changes.complete = token.isEmpty() || refuseToken;
        changes.token = QByteArray::number(m_version);
        for (auto it = m_changedAt.cbegin(); it != m_changedAt.cend(); ++it) {
            if (!changes.complete && it.value() <= token.toInt())
                continue;
            if (resources.contains(it.key()))
                changes.changed.append({it.key(), resources[it.key()].etag, {}});
            else if (!changes.complete)
                changes.removed << it.key();
        }
        return changes;
    }
    std::optional<QList<DavResource>> Fetch(const QStringList &hrefs) override
    {
        ++calls;
        QList<DavResource> found;
        for (const QString &href : hrefs)
            if (resources.contains(href))
                found.append(resources[href]);
        return found;
    }
    WriteResult Put(const QString &href, const QByteArray &body, const QByteArray &ifMatch) override
    {
        ++calls;
        if (Refuse() || (ifMatch.isEmpty() ? resources.contains(href) : Etag(href) != ifMatch))
            return {WriteResult::Outcome::Changed, {}};
        Store(href, body);
        return {WriteResult::Outcome::Done, noEtag ? QByteArray() : resources[href].etag};
    }
    WriteResult Remove(const QString &href, const QByteArray &ifMatch) override
    {
        ++calls;
        if (Refuse() || Etag(href) != ifMatch)
            return {WriteResult::Outcome::Changed, {}};
        resources.remove(href);
        m_changedAt[href] = ++m_version;
        return {WriteResult::Outcome::Done, {}};
    }
    QString HrefFor(const QString &uid) const override { return QStringLiteral("/c/") + uid + QStringLiteral(".ics"); }
    QString Error() const override { return {}; }

    // A change made on the server by someone else.
    void Store(const QString &href, const QByteArray &body)
    {
        m_changedAt[href] = ++m_version;
        resources[href] = {href, "e" + QByteArray::number(m_version), body};
    }
    QByteArray Etag(const QString &href) const { return resources.value(href).etag; }

    QMap<QString, DavResource> resources;
    bool refuseToken = false;
    int refuseWrites = 0; // the next writes answered as if the server's copy changed
    bool noEtag = false;
    int calls = 0;

private:
    bool Refuse() { return refuseWrites > 0 && refuseWrites--; }

    int m_version = 0;
    QMap<QString, int> m_changedAt;
};

} // namespace orvane::sync::test
