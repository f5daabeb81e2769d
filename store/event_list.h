#pragma once

#include "store/event_record.h"

#include <list>
#include <utility>

namespace orvane {

// An ordered list of records whose nodes stay put while others come and go: a day slot of
// events (CEventList), or the records read for an import.
template <class Record>
class CRecordList {
public:
    using iterator = typename std::list<Record>::iterator;
    using const_iterator = typename std::list<Record>::const_iterator;

    static constexpr int kMaxEvents = 40;

    iterator begin() { return m_events.begin(); }
    iterator end() { return m_events.end(); }
    const_iterator begin() const { return m_events.begin(); }
    const_iterator end() const { return m_events.end(); }

    int GetCount() const { return static_cast<int>(m_events.size()); }
    bool IsEmpty() const { return m_events.empty(); }
    bool IsFull() const { return GetCount() >= kMaxEvents; }

    iterator AddTail(const Record &event) { return m_events.insert(m_events.end(), event); }
    iterator AddTail(Record &&event) { return m_events.insert(m_events.end(), std::move(event)); }
    iterator AddHead(const Record &event) { return m_events.insert(m_events.begin(), event); }
    iterator RemoveAt(iterator position) { return m_events.erase(position); }
    void RemoveAll() { m_events.clear(); }
    // Moves every record of `other` to the tail, in order.
    void AppendAll(CRecordList &&other) { m_events.splice(m_events.end(), other.m_events); }

    friend bool operator==(const CRecordList &, const CRecordList &) = default;

private:
    std::list<Record> m_events;
};

// One day slot.
using CEventList = CRecordList<CEventRecord>;

} // namespace orvane
