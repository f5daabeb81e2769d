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
        const auto from = changes.complete ? m_hrefAt.cbegin() : m_hrefAt.upperBound(token.toInt());
        for (auto it = from; it != m_hrefAt.cend(); ++it) {
            if (resources.contains(it.value()))
                changes.changed.append({it.value(), resources[it.value()].etag, {}});
            else if (!changes.complete)
                changes.removed << it.value();
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
        Touch(href);
        return {WriteResult::Outcome::Done, {}};
    }
    QString HrefFor(const QString &uid) const override { return QStringLiteral("/c/") + uid + QStringLiteral(".ics"); }
    QString Error() const override { return {}; }

    // A change made on the server by someone else.
    void Store(const QString &href, const QByteArray &body)
    {
        Touch(href);
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
    void Touch(const QString &href)
    {
        if (const auto last = m_changedAt.constFind(href); last != m_changedAt.cend())
            m_hrefAt.remove(*last);
        m_changedAt[href] = ++m_version;
        m_hrefAt[m_version] = href;
    }

    int m_version = 0;
    QMap<QString, int> m_changedAt; // the version of each href's last change
    QMap<int, QString> m_hrefAt;    // and back
};

} // namespace orvane::sync::test
