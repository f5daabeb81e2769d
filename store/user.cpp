#include "store/user.h"

#include "store/archive.h"
#include "store/clock.h"
#include "store/coming_days.h"

#include <utility>
#include <vector>

namespace orvane {

namespace {

bool ValidMonth(int month) { return month >= 1 && month <= 12; }
bool ValidDay(int day) { return day >= 1 && day <= 31; }

// Thrown inside Read to stop at a bad record.
struct BadRecord {
    LoadFailure failure;
};

} // namespace

CUser::CUser() : m_strName(QStringLiteral("<user>"))
{
    ResetCategories();
}

int CUser::ResetCategories()
{
    m_categories = {QStringLiteral("День рождения"), QStringLiteral("Остальное")};
    return 1;
}

int CUser::SlotIndex(int month, int day, int year)
{
    return DayOfYear(month, day, year) - 1;
}

CEventList &CUser::GetDayEvents(int month, int day)
{
    return Slot(SlotIndex(month, day, Clock::Today().year()));
}

CEventList &CUser::GetSelectedDayEvents()
{
    return GetDayEvents(m_selected.month, m_selected.day);
}

void CUser::Write(ArchiveWriter &archive) const
{
    archive.WriteStringArray(m_categories);
    archive.WriteString(m_strName);
    archive.WriteString(m_strPassword);
    archive.WriteString(m_strReserved);
    archive.WriteInt32(m_nRights);
    for (const CEventList &slot : m_slots) {
        archive.WriteInt32(slot.GetCount());
        for (const CEventRecord &event : slot) {
            archive.WriteInt32(event.Month);
            event.Name.Write(archive);
            event.Notes.Write(archive);
            archive.WriteInt32(event.Day);
            archive.WriteInt32(event.Category);
            archive.WriteInt32(event.Monitoring);
        }
    }
}

LoadFailure CUser::Read(ArchiveReader &archive, const CEventText::FileBytes &file, const ReadContext &context)
{
    const int year = context.today.year();
    try {
        m_categories = archive.ReadStringArray();
        m_strName = archive.ReadString();
        m_strPassword = archive.ReadString();
        m_strReserved = archive.ReadString();
        m_nRights = archive.ReadInt32();
        for (int index = 0; index < kDaySlots; ++index) {
            const qint32 count = archive.ReadInt32();
            if (count < 0 || count > CEventList::kMaxEvents)
                throw BadRecord{LoadFailure::BadSlotCount};
            for (qint32 i = 0; i < count; ++i) {
                CEventRecord event;
                event.Month = archive.ReadInt32();
                event.Name = CEventText(file, archive.ReadRawString());
                event.Notes = CEventText(file, archive.ReadRawString());
                event.Day = archive.ReadInt32();
                event.Category = archive.ReadInt32();
                event.Monitoring = archive.ReadInt32();
                if (!ValidMonth(event.Month) && !ValidDay(event.Day))
                    throw BadRecord{LoadFailure::BadDate};
                PlaceReadEvent(std::move(event), index, year);
            }
        }
    } catch (const BadRecord &bad) {
        return bad.failure;
    }
    Rearm(CComingDays(context.today, context.monitorDays));
    return LoadFailure::None;
}

void CUser::Rearm(const CComingDays &coming)
{
    for (CEventList &slot : m_slots) {
        for (CEventRecord &event : slot) {
            if (!coming.Contains(event.Month, event.Day))
                event.Monitoring = 1;
        }
    }
}

void CUser::PlaceForYear(int year)
{
    std::vector<std::pair<int, CEventRecord>> events;
    for (int index = 0; index < kDaySlots; ++index) {
        for (const CEventRecord &event : Slot(index))
            events.emplace_back(index, event);
        Slot(index).RemoveAll();
    }
    for (auto &[index, event] : events)
        PlaceReadEvent(std::move(event), index, year);
}

void CUser::PlaceReadEvent(CEventRecord &&event, int readSlot, int year)
{
    // An event belongs on its own date; a full slot there leaves it where it was read, and should
    // that be full too (other events moved in), it goes to the nearest day with room, so that no
    // slot passes 40 events and nothing read is dropped.
    int target = readSlot;
    if (ValidMonth(event.Month) && ValidDay(event.Day)) {
        const int own = SlotIndex(event.Month, event.Day, year);
        if (!Slot(own).IsFull())
            target = own;
    }
    for (int distance = 0; Slot(target).IsFull() && distance < kDaySlots; ++distance) {
        for (const int candidate : {readSlot + distance, readSlot - distance}) {
            if (candidate >= 0 && candidate < kDaySlots && !Slot(candidate).IsFull()) {
                target = candidate;
                break;
            }
        }
    }
    Slot(target).AddTail(std::move(event));
}

} // namespace orvane
