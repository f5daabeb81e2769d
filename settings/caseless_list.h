#pragma once

#include <QHashFunctions> // std::hash<QString>
#include <QString>
#include <QStringView>

#include <unordered_map>
#include <utility>
#include <vector>

namespace orvane {

// The one form of all the spellings of a name that QString::compare(Qt::CaseInsensitive) holds
// equal: each code point case-folded as that comparison folds it.
QString CaselessName(QStringView name);

// Named items in the order they were added, each found by its name without regard to case in
// constant time. A name keeps the spelling it was first added with.
template <typename T>
class CaselessList {
public:
    struct Item {
        QString name;
        T value;
    };

    const T *Find(QStringView name) const
    {
        const auto it = m_index.find(CaselessName(name));
        return it == m_index.end() ? nullptr : &m_items[it->second].value;
    }
    T *Find(QStringView name) { return const_cast<T *>(std::as_const(*this).Find(name)); }

    // The item of that name, added at the end when there is none.
    T &Get(const QString &name)
    {
        const auto [it, added] = m_index.try_emplace(CaselessName(name), m_items.size());
        if (!added)
            return m_items[it->second].value;
        m_items.push_back(Item{name, T()});
        return m_items.back().value;
    }

    // True when the item was there and is gone.
    bool Remove(QStringView name)
    {
        const auto it = m_index.find(CaselessName(name));
        if (it == m_index.end())
            return false;
        const qsizetype place = it->second;
        m_index.erase(it);
        m_items.erase(m_items.begin() + place);
        for (auto &[caseless, later] : m_index) {
            if (later > place)
                --later;
        }
        return true;
    }

    typename std::vector<Item>::const_iterator begin() const { return m_items.begin(); }
    typename std::vector<Item>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<Item> m_items;
    std::unordered_map<QString, qsizetype> m_index; // the caseless name of each item and its place in m_items
};

} // namespace orvane
