#pragma once

#include <QTreeWidget>

#include <functional>
#include <vector>

namespace orvane {

struct CEventRecord;

// The wizards' list of events: one top-level item with a check box per event, labelled with
// its name and sorted alphabetically (events of one name stay separate items, in their order),
// each carrying its record.
class CEventCheckTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CEventCheckTree(QWidget *parent = nullptr);

    // Replaces the items by one per record, all checked or all unchecked.
    void Fill(const std::vector<CEventRecord *> &records, bool checked);
    bool AnyChecked() const;
    // Calls `visit` for every item's record with whether the item is checked, in item order.
    void ForEachRecord(const std::function<void(CEventRecord &, bool checked)> &visit) const;
    CEventRecord *Record(const QTreeWidgetItem *item) const;

Q_SIGNALS:
    // A check box was switched.
    void checksChanged();
};

} // namespace orvane
