#include "ui/events/event_tree_dialog.h"

#include "res/menus.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "store/data_file.h"
#include "store/day_edit.h"
#include "store/message.h"
#include "store/windows1251.h"
#include "ui/controls/menu_entries.h"
#include "ui/events/cp1251_text_guard.h"
#include "ui/events/event_clipboard_text.h"
#include "ui/events/event_tree_rules.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

enum ItemRole {
    OriginalIndexRole = Qt::UserRole, // categories: their number at opening, -1 when new
    NotesRole,                        // events: the working notes
    NotifyRole,                       // events: the working notify flag
};

enum TreeImage { SelectedCategoryImage = 0, CategoryImage = 1, SelectedEventImage = 2, EventImage = 3 };

QIcon TreeIcon(TreeImage normal, TreeImage selected)
{
    QIcon icon;
    const auto image = [](TreeImage index) {
        return LoadStripIcon(res::IDB_EVENT_TREE, index, res::kEventTreeImageSize, Qt::white)
            .pixmap(res::kEventTreeImageSize);
    };
    icon.addPixmap(image(normal), QIcon::Normal);
    icon.addPixmap(image(selected), QIcon::Selected);
    return icon;
}

void SetId(QWidget *widget, int id)
{
    widget->setObjectName(QString::number(id));
    widget->setProperty("controlId", id);
}

} // namespace

// Hands every finished label edit to the dialog for its checks.
class LabelDelegate : public QStyledItemDelegate {
public:
    explicit LabelDelegate(CEventTreeDialog *dialog) : QStyledItemDelegate(dialog), m_dialog(dialog) {}

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        const auto *line = qobject_cast<QLineEdit *>(editor);
        QTreeWidgetItem *item = m_dialog->m_tree->itemFromIndex(index);
        if (line && item)
            m_dialog->OnLabelEdited(item, line->text(), item->text(0));
    }

private:
    CEventTreeDialog *m_dialog;
};

CEventTreeDialog::CEventTreeDialog(CDataFile &document, QWidget *parent) : QDialog(parent), m_document(document)
{
    BuildControls();
    const SelectedDate selected = m_document.m_user.m_selected;
    if (!selected.IsSet())
        return;
    m_nMonth = selected.month;
    m_nDay = selected.day;
    setWindowTitle(EventTreeTitle(m_nMonth, m_nDay));
    LoadDay();
}

CEventTreeDialog::~CEventTreeDialog()
{
    // A label editor still open commits as the tree deletes it, when this dialog is already
    // gone: the delegate that would take the commit is let go first.
    m_tree->setItemDelegate(nullptr);
}

void CEventTreeDialog::BuildControls()
{
    setWindowTitle(tr("Календарь"));
    m_tree = new QTreeWidget(this);
    SetId(m_tree, IDC_TREE);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setIconSize(QSize(res::kEventTreeImageSize, res::kEventTreeImageSize));
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_tree->setItemDelegate(new LabelDelegate(this));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_tree->setMinimumSize(220, 260);

    m_notes = new QPlainTextEdit(this);
    SetId(m_notes, IDC_NOTES);
    m_notes->setEnabled(false);
    m_notes->setTabChangesFocus(true);
    new Cp1251TextGuard(m_notes, kMaxNotes);
    m_notes->installEventFilter(this);

    m_group = new QGroupBox(tr("Установки"), this);
    SetId(m_group, IDC_SETTINGS_GROUP);
    m_notify = new QCheckBox(tr("Оповещать о наступлении"), m_group);
    SetId(m_notify, IDC_NOTIFY);
    auto *groupLayout = new QVBoxLayout(m_group);
    groupLayout->addWidget(m_notify);
    m_group->setEnabled(false);

    m_btnNewCategory = new QPushButton(tr("&Категория"), this);
    SetId(m_btnNewCategory, IDC_NEW_CATEGORY);
    m_btnNewEvent = new QPushButton(tr("&Событие"), this);
    SetId(m_btnNewEvent, IDC_NEW_EVENT);
    m_btnDelete = new QPushButton(tr("&Удалить"), this);
    SetId(m_btnDelete, IDC_DELETE);
    m_btnDelete->setEnabled(false);
    for (QPushButton *button : {m_btnNewCategory, m_btnNewEvent, m_btnDelete})
        button->setAutoDefault(false);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);

    auto *right = new QVBoxLayout;
    auto *notesLabel = new QLabel(tr("Заметки: "), this);
    notesLabel->setBuddy(m_notes);
    right->addWidget(notesLabel);
    right->addWidget(m_notes, 1);
    right->addWidget(m_group);
    auto *editButtons = new QHBoxLayout;
    editButtons->addWidget(m_btnNewCategory);
    editButtons->addWidget(m_btnNewEvent);
    editButtons->addWidget(m_btnDelete);
    right->addLayout(editButtons);

    auto *grid = new QGridLayout(this);
    auto *treeLabel = new QLabel(tr("Дерево событий:"), this);
    treeLabel->setBuddy(m_tree);
    // A tree view takes no name from its label by itself.
    m_tree->setAccessibleName(treeLabel->text());
    grid->addWidget(treeLabel, 0, 0);
    grid->addWidget(m_tree, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(560, 360);

    connect(buttons, &QDialogButtonBox::accepted, this, &CEventTreeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEventTreeDialog::reject);
    connect(m_btnNewCategory, &QPushButton::clicked, this, &CEventTreeDialog::NewCategory);
    connect(m_btnNewEvent, &QPushButton::clicked, this, &CEventTreeDialog::NewEvent);
    connect(m_btnDelete, &QPushButton::clicked, this, &CEventTreeDialog::DeleteSelected);
    connect(m_notify, &QCheckBox::clicked, this, &CEventTreeDialog::StoreCurrentEvent);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { OnCurrentItemChanged(current); });
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, &CEventTreeDialog::ShowContextMenu);

    const auto addShortcut = [this](QKeySequence::StandardKey key, auto slot) {
        auto *action = new QAction(m_tree);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        m_tree->addAction(action);
    };
    addShortcut(QKeySequence::Cut, &CEventTreeDialog::CutEvent);
    addShortcut(QKeySequence::Copy, [this] { CopyEvent(); });
    addShortcut(QKeySequence::Paste, &CEventTreeDialog::PasteEvent);
    addShortcut(QKeySequence::Delete, &CEventTreeDialog::DeleteSelected);
}

void CEventTreeDialog::LoadDay()
{
    const CUser &user = m_document.m_user;
    const int count = user.GetCategoryCount();
    for (int i = 0; i < count; ++i)
        InsertCategory(user.GetCategory(i), i, i);
    for (const CEventRecord &event : m_document.m_user.GetSelectedDayEvents()) {
        const int category = event.Category >= 0 && event.Category < count ? event.Category : 1;
        if (QTreeWidgetItem *parent = m_tree->topLevelItem(qMin(category, count - 1)))
            InsertEvent(parent, event.Name, event.Notes, event.Monitoring);
    }
    // The first and the last category can be neither renamed nor deleted.
    for (QTreeWidgetItem *fixed : {m_tree->topLevelItem(0), m_tree->topLevelItem(count - 1)})
        if (fixed)
            fixed->setFlags(fixed->flags() & ~Qt::ItemIsEditable);
    m_btnDelete->setEnabled(EventCount() > 0);
    m_tree->expandAll();
    m_tree->setFocus();
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

QTreeWidgetItem *CEventTreeDialog::InsertCategory(const QString &label, int originalIndex, int position)
{
    auto *item = new QTreeWidgetItem({label});
    item->setIcon(0, TreeIcon(CategoryImage, SelectedCategoryImage));
    item->setData(0, OriginalIndexRole, originalIndex);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_tree->insertTopLevelItem(position, item);
    return item;
}

QTreeWidgetItem *CEventTreeDialog::InsertEvent(QTreeWidgetItem *category, const QString &name, const QString &notes,
                                               int notify)
{
    auto *item = new QTreeWidgetItem(category, {name});
    item->setIcon(0, TreeIcon(EventImage, SelectedEventImage));
    item->setData(0, NotesRole, notes);
    item->setData(0, NotifyRole, notify);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

bool CEventTreeDialog::IsCategory(const QTreeWidgetItem *item) const
{
    return item && !item->parent();
}

bool CEventTreeDialog::IsFixedCategory(const QTreeWidgetItem *item) const
{
    const int count = m_tree->topLevelItemCount();
    return IsCategory(item) && count > 0
           && (item == m_tree->topLevelItem(0) || item == m_tree->topLevelItem(count - 1));
}

int CEventTreeDialog::CategoryCount() const
{
    return m_tree->topLevelItemCount();
}

int CEventTreeDialog::EventCount() const
{
    int events = 0;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        events += m_tree->topLevelItem(i)->childCount();
    return events;
}

void CEventTreeDialog::StoreCurrentEvent()
{
    if (!m_pCurrent || IsCategory(m_pCurrent))
        return;
    m_pCurrent->setData(0, NotesRole, m_notes->toPlainText());
    m_pCurrent->setData(0, NotifyRole, m_notify->isChecked() ? 1 : 0);
}

void CEventTreeDialog::OnCurrentItemChanged(QTreeWidgetItem *current)
{
    if (current != m_pCurrent)
        StoreCurrentEvent();
    m_pCurrent = current;
    ShowItem(current);
}

void CEventTreeDialog::ShowItem(QTreeWidgetItem *item)
{
    auto *guard = m_notes->findChild<Cp1251TextGuard *>();
    const bool event = item && !IsCategory(item);
    m_notes->setEnabled(event);
    m_group->setEnabled(event);
    m_notify->setEnabled(event);
    guard->SetText(event ? item->data(0, NotesRole).toString() : QString());
    m_notify->setChecked(event && item->data(0, NotifyRole).toInt() != 0);
    m_btnDelete->setEnabled(item && !IsFixedCategory(item));
}

QTreeWidgetItem *CEventTreeDialog::AddEvent(const QString &name, const QString &notes)
{
    QTreeWidgetItem *selected = m_tree->currentItem();
    if (!selected)
        selected = m_tree->topLevelItem(CategoryCount() - 1); // nothing selected: "Остальное"
    if (!selected)
        return nullptr;
    QTreeWidgetItem *category = IsCategory(selected) ? selected : selected->parent();
    if (EventCount() >= kMaxEventsInEditor)
        return nullptr;
    const bool last = category == m_tree->topLevelItem(CategoryCount() - 1);
    QTreeWidgetItem *item = InsertEvent(category, NameForNewEvent(name, category->text(0), last), notes, 1);
    category->setExpanded(true);
    m_tree->setCurrentItem(item);
    m_btnDelete->setEnabled(true);
    if (EventCount() == kMaxEventsInEditor - 1)
        m_btnNewEvent->setEnabled(false);
    return item;
}

void CEventTreeDialog::NewEvent()
{
    if (QTreeWidgetItem *item = AddEvent({}, {}))
        m_tree->editItem(item);
}

void CEventTreeDialog::NewCategory()
{
    if (CategoryCount() >= kMaxCategories) {
        m_btnNewCategory->setEnabled(false);
        return;
    }
    QTreeWidgetItem *item = InsertCategory(tr("Новая категория"), -1, CategoryCount() - 1);
    if (CategoryCount() >= kMaxCategories)
        m_btnNewCategory->setEnabled(false);
    m_tree->setCurrentItem(item);
    m_tree->editItem(item);
}

void CEventTreeDialog::ForgetCurrent(const QTreeWidgetItem *removed)
{
    if (m_pCurrent && (m_pCurrent == removed || m_pCurrent->parent() == removed))
        m_pCurrent = nullptr;
}

void CEventTreeDialog::DeleteSelected()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || IsFixedCategory(item))
        return;
    if (IsCategory(item)) {
        const QString question = tr("Действительно хотите удалить категорию '%1' ?").arg(item->text(0));
        if (ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
        ForgetCurrent(item);
        delete item;
        if (CategoryCount() < kMaxCategories)
            m_btnNewCategory->setEnabled(true);
    } else {
        ForgetCurrent(item);
        delete item;
        if (EventCount() < kMaxEventsInEditor)
            m_btnNewEvent->setEnabled(true);
    }
    OnCurrentItemChanged(m_tree->currentItem());
}

void CEventTreeDialog::OnLabelEdited(QTreeWidgetItem *item, const QString &typed, const QString &previous)
{
    const LabelCheck check = CheckLabel(typed, previous, IsCategory(item));
    item->setText(0, check.text);
    if (check.message.isEmpty())
        return;
    // After the editor has closed: a message box must not run inside the commit of the edit.
    QTimer::singleShot(0, this, [this, item, check] {
        ShowMessage(check.message);
        if (check.editAgain && m_tree->indexFromItem(item).isValid())
            m_tree->editItem(item);
    });
}

bool CEventTreeDialog::CopyEvent()
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || IsCategory(item))
        return false;
    if (item == m_pCurrent)
        StoreCurrentEvent();
    clipboard->setText(EventClipboardText(item->text(0), item->data(0, NotesRole).toString()));
    return true;
}

void CEventTreeDialog::CutEvent()
{
    if (CopyEvent())
        DeleteSelected();
}

void CEventTreeDialog::PasteEvent()
{
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    if (!FitsCp1251(text)) {
        ShowMessage(UnsupportedCharactersMessage());
        return;
    }
    const ClipboardEvent event = ParseEventClipboardText(text);
    AddEvent(event.name, event.notes.left(kMaxNotes));
}

std::unique_ptr<QMenu> CEventTreeDialog::ContextMenuFor(const QTreeWidgetItem *item)
{
    QList<res::MenuEntry> entries = res::LoadMenuPopup(res::MenuId::Main, res::MainMenuPopup::Events);
    for (res::MenuEntry &entry : entries) {
        switch (entry.id) {
        case res::CommandId::NewEvent:
            if (!item) { // on empty space the first entry makes a category
                entry.id = IDC_NEW_CATEGORY;
                entry.text = res::LoadString(res::StringId::NewCategory);
                if (entry.text.isEmpty())
                    return nullptr;
            }
            break;
        case res::CommandId::DeleteEvent:
            entry.enabled = item && !IsFixedCategory(item);
            break;
        case res::CommandId::CutEvent:
        case res::CommandId::CopyEvent:
            entry.enabled = item && !IsCategory(item);
            break;
        case res::CommandId::PasteEvent:
            entry.enabled = !QApplication::clipboard()->text().isEmpty();
            break;
        default:
            break;
        }
    }
    auto menu = std::make_unique<QMenu>(this);
    AddMenuEntries(*menu, entries);
    return menu;
}

void CEventTreeDialog::ShowContextMenu(const QPoint &position)
{
    QTreeWidgetItem *item = m_tree->itemAt(position);
    if (item)
        m_tree->setCurrentItem(item);
    const std::unique_ptr<QMenu> menu = ContextMenuFor(item);
    if (!menu)
        return;
    const QAction *chosen = menu->exec(m_tree->viewport()->mapToGlobal(position));
    switch (chosen ? chosen->data().toInt() : 0) {
    case res::CommandId::NewEvent:
        NewEvent();
        break;
    case IDC_NEW_CATEGORY:
        NewCategory();
        break;
    case res::CommandId::DeleteEvent:
        DeleteSelected();
        break;
    case res::CommandId::CutEvent:
        CutEvent();
        break;
    case res::CommandId::CopyEvent:
        CopyEvent();
        break;
    case res::CommandId::PasteEvent:
        PasteEvent();
        break;
    case res::CommandId::Help:
        Q_EMIT helpRequested();
        break;
    default:
        break;
    }
}

bool CEventTreeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_notes)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut)
        StoreCurrentEvent();
    // Enter in the notes box presses OK, as in every dialog; Ctrl+Enter starts a new line.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            accept();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() & Qt::ControlModifier) {
            m_notes->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return false;
}

void CEventTreeDialog::accept()
{
    if (m_nMonth == 0) {
        QDialog::accept();
        return;
    }
    // What was typed last (Enter pressed in the notes box) belongs to the selected event.
    StoreCurrentEvent();
    std::vector<EditedCategory> categories;
    std::vector<EditedEvent> events;
    for (int number = 0; number < CategoryCount(); ++number) {
        const QTreeWidgetItem *category = m_tree->topLevelItem(number);
        categories.push_back({category->text(0), category->data(0, OriginalIndexRole).toInt()});
        for (int i = 0; i < category->childCount(); ++i) {
            const QTreeWidgetItem *event = category->child(i);
            events.push_back({event->text(0), event->data(0, NotesRole).toString(), number,
                              event->data(0, NotifyRole).toInt()});
        }
    }
    CommitDayEdit(m_document.m_user, m_nMonth, m_nDay, categories, events);
    m_document.Save();
    QDialog::accept();
}

} // namespace orvane
