#include "ui/exchange/event_check_tree.h"

#include "res/pictures.h"
#include "res/resource_ids.h"
#include "store/event_record.h"

#include <QCollator>
#include <QHeaderView>

#include <algorithm>

namespace orvane {

namespace {

constexpr int kEventImage = 2; // of the event tree's strip
constexpr int kRecordRole = Qt::UserRole;

} // namespace

CEventCheckTree::CEventCheckTree(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(false);
    // The selection shows the same whether or not the tree has the focus.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
    setIconSize(QSize(res::kEventTreeImageSize, res::kEventTreeImageSize));
    connect(this, &QTreeWidget::itemChanged, this, [this] { Q_EMIT checksChanged(); });
}

void CEventCheckTree::Fill(const std::vector<CEventRecord *> &records, bool checked)
{
    const QIcon icon = LoadStripIcon(res::IDB_EVENT_TREE, kEventImage, res::kEventTreeImageSize, Qt::white);
    QCollator collator(QLocale(QLocale::English)); // the common order of all scripts: Latin, then Cyrillic
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<CEventRecord *> sorted = records;
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](const CEventRecord *a, const CEventRecord *b) {
        return collator.compare(a->Name, b->Name) < 0;
    });

    const QSignalBlocker quiet(this);
    clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(sorted.size()));
    for (CEventRecord *record : sorted) {
        auto *item = new QTreeWidgetItem(QStringList{record->Name});
        item->setIcon(0, icon);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
        item->setData(0, kRecordRole, QVariant::fromValue(static_cast<void *>(record)));
        items.append(item);
    }
    addTopLevelItems(items);
}

bool CEventCheckTree::AnyChecked() const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->checkState(0) == Qt::Checked)
            return true;
    return false;
}

void CEventCheckTree::ForEachRecord(const std::function<void(CEventRecord &, bool)> &visit) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = topLevelItem(i);
        visit(*Record(item), item->checkState(0) == Qt::Checked);
    }
}

CEventRecord *CEventCheckTree::Record(const QTreeWidgetItem *item) const
{
    return static_cast<CEventRecord *>(item->data(0, kRecordRole).value<void *>());
}

} // namespace orvane
