#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

class CDataFile;

// The editor of one day: the selected date's events under the user's categories, their notes
// and notify flags, and the category list itself. It edits a working copy held in its tree;
// OK writes the day and the categories back and saves the calendar, Cancel forgets them.
class CEventTreeDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids, kept as the widgets' object names.
    enum ControlId {
        IDC_TREE = 1052,
        IDC_NOTES = 1036,
        IDC_NOTIFY = 1057,
        IDC_SETTINGS_GROUP = 1058,
        IDC_NEW_CATEGORY = 1053,
        IDC_NEW_EVENT = 1039,
        IDC_DELETE = 1014,
    };

    explicit CEventTreeDialog(CDataFile &document, QWidget *parent = nullptr);
    ~CEventTreeDialog() override;

    // Adds an event under the selected category (or the selected event's category); returns the
    // new item, or nothing when the day is full.
    QTreeWidgetItem *AddEvent(const QString &name, const QString &notes);
    void NewCategory();
    void NewEvent();
    void DeleteSelected();
    // The clipboard commands: one event as the text "name@notes".
    bool CopyEvent();
    void CutEvent();
    void PasteEvent();

    // The context menu for an item, or for the empty space of the tree (item null): entries
    // carry their command ids as data.
    std::unique_ptr<QMenu> ContextMenuFor(const QTreeWidgetItem *item);

    QTreeWidget *Tree() const { return m_tree; }
    bool IsCategory(const QTreeWidgetItem *item) const;

    void accept() override;

Q_SIGNALS:
    // "Помощь..." of the context menu.
    void helpRequested();

private:
    void BuildControls();
    void LoadDay();
    QTreeWidgetItem *InsertCategory(const QString &label, int originalIndex, int position);
    QTreeWidgetItem *InsertEvent(QTreeWidgetItem *category, const QString &name, const QString &notes, int notify);
    bool IsFixedCategory(const QTreeWidgetItem *item) const;
    int CategoryCount() const;
    int EventCount() const;
    void OnCurrentItemChanged(QTreeWidgetItem *current);
    void StoreCurrentEvent();
    void ShowItem(QTreeWidgetItem *item);
    void OnLabelEdited(QTreeWidgetItem *item, const QString &typed, const QString &previous);
    void ShowContextMenu(const QPoint &position);
    void ForgetCurrent(const QTreeWidgetItem *removed);
    bool eventFilter(QObject *watched, QEvent *event) override;

    CDataFile &m_document;
    int m_nMonth = 0;
    int m_nDay = 0;
    QTreeWidget *m_tree = nullptr;
    QPlainTextEdit *m_notes = nullptr;
    QCheckBox *m_notify = nullptr;
    QGroupBox *m_group = nullptr;
    QPushButton *m_btnNewCategory = nullptr;
    QPushButton *m_btnNewEvent = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QTreeWidgetItem *m_pCurrent = nullptr; // the item whose notes and flag the controls show

    friend class LabelDelegate;
};

} // namespace orvane
