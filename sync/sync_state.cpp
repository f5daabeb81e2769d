#include "sync/sync_state.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvane::sync {

using namespace Qt::StringLiterals;

namespace {

QString Text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray Bytes(const QJsonValue &value)
{
    return QByteArray::fromBase64(value.toString().toLatin1());
}

QJsonObject ResourceJson(const SyncedResource &r)
{
    return {{u"href"_s, r.href},           {u"etag"_s, Text(r.etag)},
            {u"uid"_s, r.uid},             {u"month"_s, r.event.month},
            {u"day"_s, r.event.day},       {u"name"_s, Text(r.event.name)},
            {u"notes"_s, Text(r.event.notes)}, {u"category"_s, Text(r.event.category)}};
}

SyncedResource ResourceOf(const QJsonObject &r)
{
    const EventDigest event{r.value(u"month"_s).toInt(), r.value(u"day"_s).toInt(), Bytes(r.value(u"name"_s)),
                            Bytes(r.value(u"notes"_s)), Bytes(r.value(u"category"_s))};
    return {r.value(u"href"_s).toString(), Bytes(r.value(u"etag"_s)), r.value(u"uid"_s).toString(), event};
}

QJsonArray LeftAloneJson(const QList<LeftAloneResource> &resources)
{
    QJsonArray json;
    for (const LeftAloneResource &r : resources)
        json.append(QJsonObject{{u"href"_s, r.href}, {u"etag"_s, Text(r.etag)}});
    return json;
}

QList<LeftAloneResource> LeftAloneOf(const QJsonArray &json)
{
    QList<LeftAloneResource> resources;
    for (const QJsonValue &value : json)
        resources.append({value[u"href"_s].toString(), Bytes(value[u"etag"_s])});
    return resources;
}

QJsonObject ToJson(const CollectionState &state)
{
    QJsonArray resources;
    for (const SyncedResource &r : state.resources)
        resources.append(ResourceJson(r));
    return {{u"url"_s, state.url}, {u"token"_s, Text(state.token)}, {u"resources"_s, resources},
            {u"leftAlone"_s, LeftAloneJson(state.leftAlone)}};
}

CollectionState FromJson(const QJsonObject &json, const QString &url)
{
    CollectionState state;
    state.url = url;
    if (json.value(u"url"_s).toString() != url)
        return state;
    state.token = Bytes(json.value(u"token"_s));
    for (const QJsonValue &value : json.value(u"resources"_s).toArray())
        state.resources.append(ResourceOf(value.toObject()));
    state.leftAlone = LeftAloneOf(json.value(u"leftAlone"_s).toArray());
    return state;
}

// Equal: told at once for the fields a sync carried over as copies.
template <class Text>
bool SameText(const Text &a, const Text &b)
{
    return a.isSharedWith(b) || a == b;
}

bool Same(const SyncedResource &a, const SyncedResource &b)
{
    return SameText(a.href, b.href) && SameText(a.etag, b.etag) && SameText(a.uid, b.uid)
           && a.event.month == b.event.month && a.event.day == b.event.day && SameText(a.event.name, b.event.name)
           && SameText(a.event.notes, b.event.notes) && SameText(a.event.category, b.event.category);
}

// What changed in `now` since `stored`; empty when nothing did. A sync keeps the resources it
// did not change in their order, so both lists are walked side by side: a resource out of step
// is dropped and put again, which comes to the same.
QJsonObject ChangesJson(const CollectionState &now, const CollectionState &stored)
{
    QJsonArray put;
    QJsonArray drop;
    qsizetype at = 0;
    for (const SyncedResource &r : now.resources) {
        while (at < stored.resources.size() && !SameText(stored.resources[at].href, r.href))
            drop.append(stored.resources[at++].href);
        if (at == stored.resources.size() || !Same(stored.resources[at++], r))
            put.append(ResourceJson(r));
    }
    for (; at < stored.resources.size(); ++at)
        drop.append(stored.resources[at].href);
    QJsonObject changes;
    if (now.token != stored.token)
        changes.insert(u"token"_s, Text(now.token));
    if (!put.isEmpty())
        changes.insert(u"put"_s, put);
    if (!drop.isEmpty())
        changes.insert(u"drop"_s, drop);
    if (now.leftAlone != stored.leftAlone)
        changes.insert(u"leftAlone"_s, LeftAloneJson(now.leftAlone));
    return changes;
}

// A collection's state read from its whole line, to which lines of changes are applied; Finish
// then takes out the resources dropped.
class CReplay {
public:
    explicit CReplay(CollectionState &state) : m_state(state) {}

    void Apply(const QJsonObject &changes)
    {
        if (!m_indexed) {
            for (qsizetype at = 0; at < m_state.resources.size(); ++at)
                m_index.insert(m_state.resources[at].href, at);
            m_indexed = true;
        }
        if (changes.contains(u"token"_s))
            m_state.token = Bytes(changes.value(u"token"_s));
        for (const QJsonValue &href : changes.value(u"drop"_s).toArray()) {
            if (const auto found = m_index.constFind(href.toString()); found != m_index.cend()) {
                m_state.resources[*found].href.clear(); // taken out at the end
                m_index.erase(found);
            }
        }
        for (const QJsonValue &value : changes.value(u"put"_s).toArray()) {
            SyncedResource resource = ResourceOf(value.toObject());
            if (const auto found = m_index.constFind(resource.href); found != m_index.cend()) {
                m_state.resources[*found] = std::move(resource);
            } else {
                m_index.insert(resource.href, m_state.resources.size());
                m_state.resources.append(std::move(resource));
            }
        }
        if (changes.contains(u"leftAlone"_s))
            m_state.leftAlone = LeftAloneOf(changes.value(u"leftAlone"_s).toArray());
    }

    void Finish()
    {
        m_state.resources.removeIf([](const SyncedResource &r) { return r.href.isEmpty(); });
    }

private:
    CollectionState &m_state;
    QHash<QString, qsizetype> m_index; // the resources by href, once a line is applied
    bool m_indexed = false;
};

// The fingerprints of the days that differ from `before` (all non-zero ones when it is unknown).
QJsonObject DaysJson(const DayFingerprints &days, const DayFingerprints &before)
{
    QJsonObject json;
    for (size_t key = 0; key < days.size(); ++key)
        if (days[key] != (before.empty() ? 0 : before[key]))
            json.insert(QString::number(key), QString::number(days[key], 16));
    return json;
}

void ApplyDays(DayFingerprints &days, const QJsonObject &json)
{
    if (days.empty())
        days.resize(kDayKeys);
    for (auto it = json.begin(); it != json.end(); ++it)
        if (const uint key = it.key().toUInt(); key < days.size())
            days[key] = it.value().toString().toULongLong(nullptr, 16);
}

} // namespace

QString CSyncState::PathFor(const QString &calendarPath)
{
    QString path = calendarPath;
    if (path.endsWith(u".orvd"))
        path.chop(5);
    return path + u".sync"_s;
}

CSyncState CSyncState::Load(const QString &path, const QString &calendarUrl, const QString &addressBookUrl)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const QList<QByteArray> lines = bytes.split('\n');
    const QJsonObject whole = QJsonDocument::fromJson(lines.first()).object();
    CSyncState state;
    state.calendar = FromJson(whole.value(u"calendar"_s).toObject(), calendarUrl);
    state.addressBook = FromJson(whole.value(u"addressBook"_s).toObject(), addressBookUrl);
    const bool ours = whole.value(u"calendar"_s)[u"url"_s].toString() == calendarUrl
                      && whole.value(u"addressBook"_s)[u"url"_s].toString() == addressBookUrl;
    if (!ours)
        return state; // nothing of it applies to the other collections: the file is written whole
    if (whole.contains(u"days"_s))
        ApplyDays(state.days, whole.value(u"days"_s).toObject());
    qint64 changesBytes = 0;
    bool cut = !bytes.endsWith('\n');
    CReplay calendarReplay(state.calendar);
    CReplay addressBookReplay(state.addressBook);
    for (qsizetype at = 1; at < lines.size() && !lines[at].isEmpty(); ++at) {
        QJsonParseError error;
        const QJsonObject changes = QJsonDocument::fromJson(lines[at], &error).object();
        if (error.error != QJsonParseError::NoError) {
            cut = true;
            break;
        }
        if (changes.contains(u"calendar"_s))
            calendarReplay.Apply(changes.value(u"calendar"_s).toObject());
        if (changes.contains(u"addressBook"_s))
            addressBookReplay.Apply(changes.value(u"addressBook"_s).toObject());
        if (changes.contains(u"days"_s))
            ApplyDays(state.days, changes.value(u"days"_s).toObject());
        changesBytes += lines[at].size() + 1;
    }
    calendarReplay.Finish();
    addressBookReplay.Finish();
    if (!cut)
        state.Remember(path, lines.first().size() + 1, changesBytes);
    return state;
}

SaveResult CSyncState::Save(const QString &path)
{
    if (!IsStoredAt(path) || m_stored->calendar.url != calendar.url || m_stored->addressBook.url != addressBook.url
        || (days.empty() && !m_stored->days.empty()))
        return SaveWhole(path);
    QJsonObject changes;
    if (const QJsonObject part = ChangesJson(calendar, m_stored->calendar); !part.isEmpty())
        changes.insert(u"calendar"_s, part);
    if (const QJsonObject part = ChangesJson(addressBook, m_stored->addressBook); !part.isEmpty())
        changes.insert(u"addressBook"_s, part);
    if (days != m_stored->days)
        changes.insert(u"days"_s, DaysJson(days, m_stored->days));
    if (changes.isEmpty())
        return {};
    const QByteArray line = QJsonDocument(changes).toJson(QJsonDocument::Compact) + '\n';
    if (m_stored->changesBytes + line.size() > m_stored->wholeBytes)
        return SaveWhole(path);
    const SaveResult saved = AppendToFile(path, line);
    if (!saved.ok) {
        m_stored.reset();
        return saved;
    }
    Remember(path, m_stored->wholeBytes, m_stored->changesBytes + line.size());
    return saved;
}

bool CSyncState::IsStoredAt(const QString &path) const
{
    return m_stored && m_stored->path == path
           && QFileInfo(path).size() == m_stored->wholeBytes + m_stored->changesBytes;
}

SaveResult CSyncState::SaveWhole(const QString &path)
{
    QJsonObject json{{u"calendar"_s, ToJson(calendar)}, {u"addressBook"_s, ToJson(addressBook)}};
    if (!days.empty())
        json.insert(u"days"_s, DaysJson(days, {}));
    const QByteArray line = QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
    const SaveResult saved = WriteFileAtomically(path, line);
    if (saved.ok)
        Remember(path, line.size(), 0);
    else
        m_stored.reset();
    return saved;
}

void CSyncState::Remember(const QString &path, qint64 wholeBytes, qint64 changesBytes)
{
    m_stored = Stored{path, calendar, addressBook, days, wholeBytes, changesBytes};
}

} // namespace orvane::sync
