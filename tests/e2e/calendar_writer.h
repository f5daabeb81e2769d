#pragma once

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane::test {

struct TestEvent {
    TestEvent(int m, int d, const QString &n, const QString &text = {}, int c = 0, int notify = 1)
        : month(m), day(d), name(n), notes(text), category(c), monitoring(notify) {}
    int month, day;
    QString name, notes;
    int category, monitoring;
};

// A calendar as the program's own writer writes it and its reader reads it, placed for 2026,
// the sandbox's year.
class TestCalendar {
public:
    TestCalendar() : m_flags(m_registry), m_document(m_flags) {}
    explicit TestCalendar(const QList<TestEvent> &events) : TestCalendar()
    {
        for (const TestEvent &e : events) {
            CEventRecord event;
            event.Name = e.name;
            event.Notes = e.notes;
            event.Month = e.month;
            event.Day = e.day;
            event.Category = e.category;
            event.Monitoring = e.monitoring;
            m_document.m_user.Slot(CUser::SlotIndex(e.month, e.day, 2026)).AddTail(event);
        }
    }
    bool write(const QString &path) const { return m_document.Write(path, COptionFlags::kDefaultOptions).ok; }
    static CUser read(const QString &path)
    {
        TestCalendar calendar;
        calendar.m_document.Read(path, {QDate(2026, 5, 10), 7});
        return calendar.m_document.m_user;
    }

private:
    CRegistryStore m_registry;
    COptionFlags m_flags;
    CDataFile m_document;
};

inline QStringList namesOn(const CUser &user, int month, int day)
{
    QStringList names;
    for (const CEventRecord &event : user.Slot(CUser::SlotIndex(month, day, 2026)))
        names << event.Name;
    return names;
}

} // namespace orvane::test
