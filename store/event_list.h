#pragma once

#include "store/event_record.h"

#include <list>
#include <utility>

namespace orvane {

// One day slot: an ordered list of events whose nodes stay put while others come and go.
class CEventList {
public:
    using iterator = std::list<CEventRecord>::iterator;
    using const_iterator = std::list<CEventRecord>::const_iterator;

    static constexpr int kMaxEvents = 40;

    iterator begin() { return m_events.begin(); }
    iterator end() { return m_events.end(); }
    const_iterator begin() const { return m_events.begin(); }
    const_iterator end() const { return m_events.end(); }

    int GetCount() const { return static_cast<int>(m_events.size()); }
    bool IsEmpty() const { return m_events.empty(); }
    bool IsFull() const { return GetCount() >= kMaxEvents; }

    iterator AddTail(const CEventRecord &event) { return m_events.insert(m_events.end(), event); }
    iterator AddTail(CEventRecord &&event) { return m_events.insert(m_events.end(), std::move(event)); }
    iterator AddHead(const CEventRecord &event) { return m_events.insert(m_events.begin(), event); }
    iterator RemoveAt(iterator position) { return m_events.erase(position); }
    void RemoveAll() { m_events.clear(); }
    // Moves every event of `other` to the tail, in order.
    void AppendAll(CEventList &&other) { m_events.splice(m_events.end(), other.m_events); }

    friend bool operator==(const CEventList &, const CEventList &) = default;

private:
    std::list<CEventRecord> m_events;
};

} // namespace orvane
