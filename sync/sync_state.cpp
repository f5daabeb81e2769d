#include "sync/sync_state.h"

#include <QFile>
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

QJsonObject ToJson(const CollectionState &state)
{
    QJsonArray resources;
    for (const SyncedResource &r : state.resources) {
        resources.append(QJsonObject{{u"href"_s, r.href},           {u"etag"_s, Text(r.etag)},
                                     {u"uid"_s, r.uid},             {u"month"_s, r.event.month},
                                     {u"day"_s, r.event.day},       {u"name"_s, Text(r.event.name)},
                                     {u"notes"_s, Text(r.event.notes)}, {u"category"_s, Text(r.event.category)}});
    }
    QJsonArray leftAlone;
    for (const LeftAloneResource &r : state.leftAlone)
        leftAlone.append(QJsonObject{{u"href"_s, r.href}, {u"etag"_s, Text(r.etag)}});
    return {{u"url"_s, state.url}, {u"token"_s, Text(state.token)}, {u"resources"_s, resources},
            {u"leftAlone"_s, leftAlone}};
}

CollectionState FromJson(const QJsonObject &json, const QString &url)
{
    CollectionState state;
    state.url = url;
    if (json.value(u"url"_s).toString() != url)
        return state;
    state.token = Bytes(json.value(u"token"_s));
    for (const QJsonValue &value : json.value(u"resources"_s).toArray()) {
        const QJsonObject r = value.toObject();
        const EventDigest event{r.value(u"month"_s).toInt(), r.value(u"day"_s).toInt(), Bytes(r.value(u"name"_s)),
                                Bytes(r.value(u"notes"_s)), Bytes(r.value(u"category"_s))};
        state.resources.append({r.value(u"href"_s).toString(), Bytes(r.value(u"etag"_s)), r.value(u"uid"_s).toString(), event});
    }
    for (const QJsonValue &value : json.value(u"leftAlone"_s).toArray())
        state.leftAlone.append({value[u"href"_s].toString(), Bytes(value[u"etag"_s])});
    return state;
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
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    CSyncState state;
    state.calendar = FromJson(json.value(u"calendar"_s).toObject(), calendarUrl);
    state.addressBook = FromJson(json.value(u"addressBook"_s).toObject(), addressBookUrl);
    return state;
}

SaveResult CSyncState::Save(const QString &path) const
{
    const QJsonObject json{{u"calendar"_s, ToJson(calendar)}, {u"addressBook"_s, ToJson(addressBook)}};
    return WriteFileAtomically(path, QJsonDocument(json).toJson(QJsonDocument::Compact));
}

} // namespace orvane::sync
