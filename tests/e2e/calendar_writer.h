#pragma once

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include <QList>
#include <QString>

namespace orvane::test {

struct TestEvent {
    int month = 5;
    int day = 10;
    QString name;
    int monitoring = 1;
    int category = 0;
};

// Writes a calendar holding `events` (placed for 2026, the sandbox's year, notes naming the
// day) with the program's own writer.
inline bool writeCalendar(const QString &path, const QList<TestEvent> &events)
{
    CRegistryStore registry;
    COptionFlags options(registry);
    CDataFile document(options);
    for (const TestEvent &e : events) {
        CEventRecord event;
        event.Name = e.name;
        event.Notes = QStringLiteral("заметка \"%1\"").arg(e.day);
        event.Month = e.month;
        event.Day = e.day;
        event.Category = e.category;
        event.Monitoring = e.monitoring;
        document.m_user.Slot(CUser::SlotIndex(e.month, e.day, 2026)).AddTail(event);
    }
    return document.Write(path, COptionFlags::kDefaultOptions).ok;
}

} // namespace orvane::test
