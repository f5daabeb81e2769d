#pragma once

#include <QDateTime>
#include <QString>

namespace orvane {
class CRegistryStore;
}

namespace orvane::sync {

// What the sync keeps beside the other values of the registry store, under "Orvane\Sync".
// Nothing secret: the password lives in the Secret Service.
struct SyncSettings {
    QString server; // the address the user gave
    QString user;
    QString calendarHref; // decoded path of the calendar collection
    QString addressBookHref; // decoded path of the address book; empty when none
    bool periodic = false; // sync every 15 minutes
    QDateTime lastSync; // invalid when never synced
    QString lastResult; // the last sync's result text
};

class CSyncSettings {
public:
    explicit CSyncSettings(CRegistryStore &registry)
        : m_registry(registry)
    {
    }

    // Values not stored read as empty (off, never).
    SyncSettings Read();
    void Write(const SyncSettings &settings);

private:
    CRegistryStore &m_registry;
};

} // namespace orvane::sync
