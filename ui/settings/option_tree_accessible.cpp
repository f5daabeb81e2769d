#include "ui/settings/option_tree_accessible.h"

#include "ui/settings/option_tree.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace orvane {

namespace {

class COptionTreeAccessible;

// One row of the tree. Rows have no object of their own: the tree's interface makes them and
// registers them with their ids, and removes them when it goes.
class COptionRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    COptionRowAccessible(const COptionTreeAccessible &owner, COptionTree &tree, int row)
        : m_owner(owner), m_tree(&tree), m_row(row)
    {
    }

    bool isValid() const override
    {
        return m_tree && m_row < static_cast<int>(m_tree->Model().Items().size());
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_tree ? m_tree->window()->windowHandle() : nullptr; }

    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override { return static_cast<int>(m_tree->Model().ChildRows(m_row).size()); }
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Item().strText : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        m_tree->EnsureLaidOut();
        const QRect row = m_tree->Model().RowRect(m_row);
        return {m_tree->mapToGlobal(row.topLeft()), row.size()};
    }
    QAccessible::Role role() const override
    {
        switch (Item().nKind) {
        case kOptionCheck:
            return QAccessible::CheckBox;
        case kOptionRadio:
            return QAccessible::RadioButton;
        default:
            return QAccessible::TreeItem;
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const bool group = Item().nKind == kOptionGroup;
        state.focusable = true;
        state.focused = m_tree->hasFocus() && m_tree->Model().Current() == m_row;
        state.disabled = !m_tree->isEnabled();
        state.invisible = !m_tree->isVisible();
        state.offscreen = !m_tree->Model().IsRowShown(m_row);
        state.checkable = !group;
        state.checked = !group && Item().nState != 0;
        state.expandable = group;
        state.expanded = group;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override
    {
        return Item().nKind == kOptionGroup ? QStringList() : QStringList{toggleAction()};
    }
    void doAction(const QString &name) override
    {
        if (name == toggleAction() && isValid())
            m_tree->ToggleRow(m_row);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    const OptionItem &Item() const { return m_tree->Model().Items()[static_cast<size_t>(m_row)]; }

    const COptionTreeAccessible &m_owner;
    QPointer<COptionTree> m_tree;
    int m_row;
};

// The tree: its children are the top-level rows, then its own child widgets (the scroll bar).
class COptionTreeAccessible : public QAccessibleWidget {
public:
    explicit COptionTreeAccessible(COptionTree *tree) : QAccessibleWidget(tree, QAccessible::Tree) {}
    ~COptionTreeAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    COptionTree &Tree() const { return *static_cast<COptionTree *>(widget()); }

    QAccessibleInterface *Row(int row) const
    {
        auto known = m_rows.constFind(row);
        if (known == m_rows.cend())
            known = m_rows.insert(row, QAccessible::registerAccessibleInterface(
                                           new COptionRowAccessible(*this, Tree(), row)));
        return QAccessible::accessibleInterface(*known);
    }
    // The row of `child` when it is one of this tree's, else -1.
    int RowOf(const QAccessibleInterface *child) const
    {
        for (auto known = m_rows.cbegin(); known != m_rows.cend(); ++known)
            if (QAccessible::accessibleInterface(known.value()) == child)
                return known.key();
        return -1;
    }
    // Child `index` of `parent` (-1: the tree) among the rows.
    QAccessibleInterface *ChildRow(int parent, int index) const
    {
        const std::vector<int> rows = Tree().Model().ChildRows(parent);
        return index >= 0 && index < static_cast<int>(rows.size()) ? Row(rows[static_cast<size_t>(index)])
                                                                   : nullptr;
    }
    int IndexOfChildRow(int parent, const QAccessibleInterface *child) const
    {
        const int row = RowOf(child);
        const std::vector<int> rows = Tree().Model().ChildRows(parent);
        const auto found = std::find(rows.begin(), rows.end(), row);
        return row < 0 || found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    }
    // The child of `parent` (-1: the tree) that holds the row under the screen point, if any.
    QAccessibleInterface *ChildRowAt(int parent, int x, int y) const
    {
        const COptionTreeModel &model = Tree().Model();
        Tree().EnsureLaidOut();
        int row = model.HitTest(Tree().mapFromGlobal(QPoint(x, y)));
        while (row >= 0 && model.ParentRow(row) != parent)
            row = model.ParentRow(row);
        return row >= 0 ? Row(row) : nullptr;
    }

    int childCount() const override { return TopRows() + QAccessibleWidget::childCount(); }
    QAccessibleInterface *child(int index) const override
    {
        return index < TopRows() ? ChildRow(-1, index) : QAccessibleWidget::child(index - TopRows());
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (RowOf(child) >= 0)
            return IndexOfChildRow(-1, child);
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + TopRows();
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *row = ChildRowAt(-1, x, y);
        return row ? row : QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface *focusChild() const override
    {
        const int current = Tree().Model().Current();
        return Tree().hasFocus() && current >= 0 ? Row(current) : nullptr;
    }

private:
    int TopRows() const { return static_cast<int>(Tree().Model().ChildRows(-1).size()); }

    mutable QHash<int, QAccessible::Id> m_rows; // made as they are asked for
};

QAccessibleInterface *COptionRowAccessible::parent() const
{
    const int parent = m_tree->Model().ParentRow(m_row);
    return parent < 0 ? QAccessible::queryAccessibleInterface(m_tree.data()) : m_owner.Row(parent);
}

QAccessibleInterface *COptionRowAccessible::child(int index) const
{
    return m_owner.ChildRow(m_row, index);
}

int COptionRowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return m_owner.IndexOfChildRow(m_row, child);
}

QAccessibleInterface *COptionRowAccessible::childAt(int x, int y) const
{
    return m_owner.ChildRowAt(m_row, x, y);
}

QAccessibleInterface *OptionTreeFactory(const QString &className, QObject *object)
{
    auto *tree = qobject_cast<COptionTree *>(object);
    if (!tree || className != QLatin1StringView(COptionTree::staticMetaObject.className()))
        return nullptr;
    return new COptionTreeAccessible(tree);
}

// The interface of `row` of the tree, when assistive technology listens.
QAccessibleInterface *RowInterface(COptionTree &tree, int row)
{
    if (!QAccessible::isActive() || row < 0)
        return nullptr;
    auto *owner = dynamic_cast<COptionTreeAccessible *>(QAccessible::queryAccessibleInterface(&tree));
    return owner ? owner->Row(row) : nullptr;
}

} // namespace

void InstallOptionTreeAccessible()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&OptionTreeFactory);
        return true;
    }();
}

void NotifyOptionRowFocused(COptionTree &tree, int row)
{
    if (QAccessibleInterface *iface = RowInterface(tree, row)) {
        QAccessibleEvent event(iface, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void NotifyOptionRowChecked(COptionTree &tree, int row)
{
    if (QAccessibleInterface *iface = RowInterface(tree, row)) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(iface, changed);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace orvane
