#pragma once

#include <QAccessibleInterface>
#include <QDate>
#include <QPointer>

#include <array>

namespace orvane {

class CMainDlg;

// A rectangle of the window's client area on the screen.
QRect ScreenRect(const QWidget &window, const QRect &client);

// A month shown in the main window, for screen readers: a table of its weeks (rows) and
// weekdays (columns, headed by the weekday names) whose cells are its days. Its children are
// the seven headings, then the days in order; each is made when first asked for, registered
// with QAccessible and deleted with the table.
class CMonthTableAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    CMonthTableAccessible(CMainDlg &window, QAccessibleInterface &parent, int month);
    ~CMonthTableAccessible() override;

    CMainDlg *Window() const { return m_window; }
    int Month() const { return m_month; }
    // The cell of a day of the month; nullptr for any other number.
    QAccessibleInterface *DayCell(int day) const;
    QAccessibleInterface *Heading(int column) const;
    // The row and column of a day of the month.
    QPoint CellOf(int day) const;

    bool isValid() const override { return !m_window.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_parent.window(); }
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override { return &m_parent; }
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return {}; }
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override { return 6; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    int DayCount() const;

    QPointer<CMainDlg> m_window;
    QAccessibleInterface &m_parent;
    int m_month;
    mutable std::array<QAccessible::Id, 7> m_headings{};
    mutable std::array<QAccessible::Id, 31> m_days{};
};

// A day of a month table: named by its date, described by its events, selected with the
// window's selected day, focused as well while the window has the keyboard; pressing it opens
// the day's editor, as a click does.
class CDayCellAccessible : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface {
public:
    CDayCellAccessible(const CMonthTableAccessible &table, int day);

    QDate Date() const;

    bool isValid() const override { return m_table.isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table.window(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return table(); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_table.CellOf(m_day).x(); }
    int rowIndex() const override { return m_table.CellOf(m_day).y(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    const CMonthTableAccessible &m_table;
    int m_day;
};

} // namespace orvane
