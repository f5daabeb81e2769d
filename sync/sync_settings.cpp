#include "sync/sync_settings.h"

#include "settings/registry_store.h"

using namespace Qt::Literals::StringLiterals;

namespace orvane::sync {

namespace {

const QString kSection = u"Orvane\\Sync"_s;

QString Text(CRegistryStore &registry, const QString &name)
{
    QString text;
    registry.ReadString(kSection, name, text);
    return text;
}

} // namespace

SyncSettings CSyncSettings::Read()
{
    SyncSettings settings;
    settings.server = Text(m_registry, u"Server"_s);
    settings.user = Text(m_registry, u"User"_s);
    settings.calendarHref = Text(m_registry, u"Calendar"_s);
    settings.addressBookHref = Text(m_registry, u"AddressBook"_s);
    qint32 periodic = 0;
    settings.periodic = m_registry.ReadInt(kSection, u"Periodic"_s, periodic) && periodic != 0;
    settings.lastSync = QDateTime::fromString(Text(m_registry, u"LastSync"_s), Qt::ISODate);
    settings.lastResult = Text(m_registry, u"LastResult"_s);
    return settings;
}

void CSyncSettings::Write(const SyncSettings &settings)
{
    m_registry.WriteString(kSection, u"Server"_s, settings.server);
    m_registry.WriteString(kSection, u"User"_s, settings.user);
    m_registry.WriteString(kSection, u"Calendar"_s, settings.calendarHref);
    m_registry.WriteString(kSection, u"AddressBook"_s, settings.addressBookHref);
    m_registry.WriteInt(kSection, u"Periodic"_s, settings.periodic ? 1 : 0);
    m_registry.WriteString(kSection, u"LastSync"_s, settings.lastSync.toString(Qt::ISODate));
    m_registry.WriteString(kSection, u"LastResult"_s, settings.lastResult);
}

} // namespace orvane::sync
