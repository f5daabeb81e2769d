#pragma once

#include "store/day_addressing.h"
#include "store/event_list.h"
#include "store/load_result.h"
#include "store/selected_date.h"

#include <QDate>
#include <QStringList>

#include <array>

namespace orvane {

class ArchiveReader;
class ArchiveWriter;

// What loading needs to know about the outside world.
struct ReadContext {
    QDate today;
    int monitorDays = 7;
};

class CComingDays;

// The calendar's one user: the category list and the 366 day slots.
class CUser {
public:
    CUser();

    // The slot of a date in the current year. The caller passes month 1..12 and day 1..31.
    CEventList &GetDayEvents(int month, int day);
    // The slot of the date selected in the main window; called only while one is selected.
    CEventList &GetSelectedDayEvents();

    CEventList &Slot(int index) { return m_slots[static_cast<size_t>(index)]; }
    const CEventList &Slot(int index) const { return m_slots[static_cast<size_t>(index)]; }
    // The slot index of a date in the given year, -1 for an invalid date.
    static int SlotIndex(int month, int day, int year);

    int ResetCategories();
    int GetCategoryCount() const { return static_cast<int>(m_categories.size()); }
    QString GetCategory(int index) const { return m_categories.value(index); }
    void InsertCategory(int position, const QString &name) { m_categories.insert(position, name); }
    void SetCategories(const QStringList &categories) { m_categories = categories; }
    const QStringList &Categories() const { return m_categories; }

    // The user record of the calendar file. Reading replaces the categories and texts and appends
    // each event to the slot of its own date in today's year (to the slot it was read from when
    // that one is full); it stops at the first bad record and keeps what it read before. `archive`
    // reads `file`, of which the events' texts stay parts.
    void Write(ArchiveWriter &archive) const;
    LoadFailure Read(ArchiveReader &archive, const CEventText::FileBytes &file, const ReadContext &context);

    // Places every event again in the slot of its own date in `year`, by the rule of loading
    // (the slot it came from taking it where that one is full): the numbering of the days after
    // 28 February differs between common and leap years.
    void PlaceForYear(int year);
    // Sets the notify flag again of every event whose date is not among the coming days; the
    // others keep theirs (the rule of loading, and of a new date while the program runs).
    void Rearm(const CComingDays &coming);

    QStringList m_categories;
    QString m_strReserved;
    QString m_strName;
    QString m_strPassword;
    qint32 m_nRights = 2;
    SelectedDate m_selected;

    friend bool operator==(const CUser &a, const CUser &b)
    {
        return a.m_categories == b.m_categories && a.m_strReserved == b.m_strReserved
            && a.m_strName == b.m_strName && a.m_strPassword == b.m_strPassword
            && a.m_nRights == b.m_nRights && a.m_slots == b.m_slots;
    }

private:
    void PlaceReadEvent(CEventRecord &&event, int readSlot, int year);

    std::array<CEventList, kDaySlots> m_slots;
};

} // namespace orvane
