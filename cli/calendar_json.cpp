#include "cli/calendar_json.h"

#include "store/data_file.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace orvane {

QByteArray JsonQuoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

namespace {

QByteArray Number(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray EventJson(const CEventRecord &event)
{
    return "{\"name\":" + JsonQuoted(event.Name) + ",\"notes\":" + JsonQuoted(event.Notes)
           + ",\"month\":" + Number(event.Month) + ",\"day\":" + Number(event.Day)
           + ",\"category\":" + Number(event.Category) + ",\"monitoring\":" + Number(event.Monitoring)
           + '}';
}

QByteArray SlotsJson(const CUser &user)
{
    QByteArrayList slots;
    for (int index = 0; index < kDaySlots; ++index) {
        const CEventList &slot = user.Slot(index);
        if (slot.IsEmpty())
            continue;
        QByteArrayList events;
        for (const CEventRecord &event : slot)
            events.append(EventJson(event));
        slots.append("{\"slot\":" + Number(index) + ",\"events\":[" + events.join(',') + "]}");
    }
    return '[' + slots.join(',') + ']';
}

} // namespace

QByteArray CalendarToJson(const CDataFile &document)
{
    const CUser &user = document.m_user;
    QByteArrayList categories;
    for (const QString &category : user.Categories())
        categories.append(JsonQuoted(category));
    QByteArrayList reserved;
    for (const qint32 value : document.m_aReserved)
        reserved.append(Number(value));
    return "{\"version\":[" + Number(document.m_nVersionMajor) + ',' + Number(document.m_nVersionMinor)
           + "],\"scale\":" + Number(document.m_nScale)
           + ",\"large\":" + (document.m_bLarge ? "true" : "false")
           + ",\"reserved\":[" + reserved.join(',') + ']'
           + ",\"user\":{\"name\":" + JsonQuoted(user.m_strName) + ",\"password\":" + JsonQuoted(user.m_strPassword)
           + ",\"reserved\":" + JsonQuoted(user.m_strReserved) + ",\"rights\":" + Number(user.m_nRights)
           + ",\"categories\":[" + categories.join(',') + "],\"slots\":" + SlotsJson(user) + "}}";
}

} // namespace orvane
