#pragma once

#include <QAccessibleWidget>
#include <QDate>

#include <functional>
#include <tuple>
#include <vector>

namespace orvane {

class CMainDlg;

// The main window for screen readers: its controls, then a table per month shown, then the
// status line. The tables are made again when the months shown change.
class CMainDlgAccessible : public QAccessibleWidget {
public:
    explicit CMainDlgAccessible(CMainDlg *window);
    ~CMainDlgAccessible() override;

    // The interface of the window when one was made already (a screen reader or a test asked
    // for it), else nullptr: nobody listens.
    static CMainDlgAccessible *Of(const CMainDlg &window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    // The selected day while the window itself holds the keyboard.
    QAccessibleInterface *focusChild() const override;

    // The cell of a date shown; nullptr for any other date.
    QAccessibleInterface *DayCell(QDate date) const;
    QAccessibleInterface *StatusLine() const;
    // Drops the tables when the months shown changed, telling the readers.
    void SyncMonths();
    // Tells the readers of the day the keys selected: focus and selection move to its cell.
    void DaySelectedByKey(QDate day);
    // Tells the readers of the status line's new text.
    void StatusChanged();

private:
    using Span = std::tuple<int, int, int>; // the first month shown, its year, the months shown

    CMainDlg &Window() const;
    Span ShownSpan() const;
    const std::vector<QAccessible::Id> &Tables() const;
    void DropTables();

    mutable std::vector<QAccessible::Id> m_tables;
    mutable Span m_span{};
    QAccessible::Id m_status = 0;
};

// Every event the window's interfaces send goes to `recorder` as well (none by default): Qt
// passes events only to a platform's bridge, and the offscreen platform has none.
using AccessibleEventRecorder = std::function<void(QAccessibleEvent &)>;
void RecordAccessibleEvents(AccessibleEventRecorder recorder);

// Installs (once) the factory of the interfaces of the main window and its menu button.
void InstallMainDlgAccessibility();

} // namespace orvane
