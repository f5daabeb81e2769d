#include "ui/events/merge_days_model.h"

#include "ui/main/calendar_texts.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace orvane {

CMergeDaysModel::CMergeDaysModel(CEventList &source, int sourceMonth, int sourceDay,
                                 CEventList &target, int targetMonth, int targetDay)
    : m_days{DaySide{source, sourceMonth, sourceDay}, DaySide{target, targetMonth, targetDay}},
      m_collator(QLocale(QLocale::Russian, QLocale::Russia))
{
    // Names sort as a reader expects: by the alphabet, whatever their case.
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (Side side : {kUpper, kLower}) {
        for (auto it = m_days[side].events.begin(); it != m_days[side].events.end(); ++it)
            m_rows[side].push_back(it);
        Sort(side);
    }
}

const CEventRecord &CMergeDaysModel::Event(Side side, int row) const
{
    return *m_rows[side][static_cast<size_t>(row)];
}

QStringList CMergeDaysModel::Names(Side side) const
{
    QStringList names;
    for (const auto &event : m_rows[side])
        names << event->Name;
    return names;
}

CMergeDaysModel::MoveOutcome CMergeDaysModel::MoveOne(Side from, int row)
{
    if (row < 0 || row >= Count(from))
        return {MoveStatus::NothingToMove};
    if (!Fits(Other(from), 1))
        return {MoveStatus::DayFull};
    const auto position = m_rows[from].begin() + row;
    const CEventList::iterator event = *position;
    m_rows[from].erase(position);
    MoveEvent(from, event);
    return {MoveStatus::Moved, InsertRow(Other(from), m_days[Other(from)].events.begin())};
}

CMergeDaysModel::MoveOutcome CMergeDaysModel::MoveAll(Side from)
{
    if (m_rows[from].empty())
        return {MoveStatus::NothingToMove};
    if (!Fits(Other(from), Count(from)))
        return {MoveStatus::DayFull};
    // Each event goes to the head of the other day, so they end up there in reverse name order.
    for (const CEventList::iterator event : m_rows[from]) {
        MoveEvent(from, event);
        InsertRow(Other(from), m_days[Other(from)].events.begin());
    }
    m_rows[from].clear();
    return {MoveStatus::Moved};
}

QString CMergeDaysModel::DayFullText(Side from, int count) const
{
    const DaySide &to = m_days[Other(from)];
    return QCoreApplication::translate("MergeDays", "%1: на один день может приходиться не более %2 событий, а на день "
                          "%3 (%4) их пришлось бы %5.")
        .arg(count == 1 ? QCoreApplication::translate("MergeDays", "Событие не перенесено")
                        : QCoreApplication::translate("MergeDays", "События не перенесены"))
        .arg(CEventList::kMaxEvents)
        .arg(to.day)
        .arg(MonthName(to.month))
        .arg(to.events.GetCount() + count);
}

void CMergeDaysModel::Sort(Side side)
{
    std::stable_sort(m_rows[side].begin(), m_rows[side].end(),
                     [this](auto a, auto b) { return NameLess(a, b); });
}

int CMergeDaysModel::InsertRow(Side side, CEventList::iterator event)
{
    // After the events of the same name, as a sorted list box adds an item.
    auto &rows = m_rows[side];
    const auto position = std::upper_bound(rows.begin(), rows.end(), event,
                                           [this](auto a, auto b) { return NameLess(a, b); });
    const auto inserted = rows.insert(position, event);
    return static_cast<int>(inserted - rows.begin());
}

void CMergeDaysModel::MoveEvent(Side from, CEventList::iterator event)
{
    DaySide &to = m_days[Other(from)];
    CEventRecord moved = *event;
    moved.Month = to.month;
    moved.Day = to.day;
    to.events.AddHead(moved);
    m_days[from].events.RemoveAt(event);
    m_bMoved = true;
}

bool CMergeDaysModel::NameLess(CEventList::iterator a, CEventList::iterator b) const
{
    return m_collator.compare(a->Name, b->Name) < 0;
}

bool CMergeDaysModel::Fits(Side to, int count) const
{
    return m_days[to].events.GetCount() + count <= CEventList::kMaxEvents;
}

QString MergeDaysTitle(int sourceMonth, int sourceDay, int targetMonth, int targetDay)
{
    return QCoreApplication::translate("MergeDays", "Объединение дней %1 (%2) и %3 (%4)")
        .arg(sourceDay)
        .arg(MonthName(sourceMonth))
        .arg(targetDay)
        .arg(MonthName(targetMonth));
}

} // namespace orvane
