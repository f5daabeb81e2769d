#pragma once

#include "store/event_list.h"

#include <QCollator>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace orvane {

// The events of two days shared out between them: the source day on the upper side, the target
// day on the lower side. Each side lists its day's events sorted by name. A move changes the
// store at once: the event goes, with its Month and Day rewritten to the other day's date, to
// the head of the other day's list. No day is ever taken past CEventList::kMaxEvents.
class CMergeDaysModel {
public:
    enum Side : int { kUpper = 0, kLower = 1 };
    enum class MoveStatus { Moved, NothingToMove, DayFull };
    struct MoveOutcome {
        MoveStatus status;
        int row = -1; // MoveOne: the event's row on the other side after the move
    };

    // The lists are the store's and must belong to two different slots.
    CMergeDaysModel(CEventList &source, int sourceMonth, int sourceDay, CEventList &target,
                    int targetMonth, int targetDay);

    static Side Other(Side side) { return side == kUpper ? kLower : kUpper; }

    int Count(Side side) const { return static_cast<int>(m_rows[side].size()); }
    // The event shown at `row` of a side (rows in name order).
    const CEventRecord &Event(Side side, int row) const;
    QStringList Names(Side side) const;
    int Month(Side side) const { return m_days[side].month; }
    int Day(Side side) const { return m_days[side].day; }

    // Moves the event at `row` of `from` to the other day; a row outside the side moves nothing.
    MoveOutcome MoveOne(Side from, int row);
    // Moves every event of `from`, in name order, to the other day; all or nothing.
    MoveOutcome MoveAll(Side from);
    // Whether any move has changed the store.
    bool HasMoved() const { return m_bMoved; }

    // The message for a refused move of `count` events from `from`.
    QString DayFullText(Side from, int count) const;

private:
    struct DaySide {
        CEventList &events;
        int month;
        int day;
    };

    void Sort(Side side);
    int InsertRow(Side side, CEventList::iterator event);
    void MoveEvent(Side from, CEventList::iterator event);
    bool NameLess(CEventList::iterator a, CEventList::iterator b) const;
    bool Fits(Side to, int count) const;

    std::array<DaySide, 2> m_days;
    std::array<std::vector<CEventList::iterator>, 2> m_rows;
    QCollator m_collator;
    bool m_bMoved = false;
};

// "Объединение дней 5 (Март) и 7 (Март)".
QString MergeDaysTitle(int sourceMonth, int sourceDay, int targetMonth, int targetDay);

} // namespace orvane
