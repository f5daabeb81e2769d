// The main window's keyboard: the selected day moves with the arrow keys, opens with Enter and
// copies or takes events through the clipboard; the months page and return to today; the
// menus, help, settings, the end and the size of the window have keys of their own.
#include "ui/main/main_dlg.h"

#include "app/app_context.h"
#include "res/menus.h"
#include "store/data_file.h"
#include "ui/main/day_clipboard.h"
#include "ui/main/day_cursor.h"
#include "ui/main/main_dlg_accessible.h"

#include <QKeyEvent>

namespace orvane {

void CMainDlg::keyPressEvent(QKeyEvent *event)
{
    if (!OnKey(*event))
        QDialog::keyPressEvent(event); // Esc minimises or hides, as the "_" button does
}

bool CMainDlg::OnKey(const QKeyEvent &event)
{
    if (event.matches(QKeySequence::Copy)) {
        CopySelectedDay();
        return true;
    }
    if (event.matches(QKeySequence::Paste)) {
        PasteIntoSelectedDay();
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier)
        return OnControlKey(event.key());
    if (modifiers == Qt::ShiftModifier && event.key() == Qt::Key_F10) {
        OnCommand(res::CommandId::MainMenu);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    // A month runs down its columns, a week to a column: up and down step a day, left and
    // right a week, and a step past a month's edge goes on into the month beside it.
    switch (event.key()) {
    case Qt::Key_Up:
        MoveSelectedDay(-1);
        return true;
    case Qt::Key_Down:
        MoveSelectedDay(1);
        return true;
    case Qt::Key_Left:
        MoveSelectedDay(-7);
        return true;
    case Qt::Key_Right:
        MoveSelectedDay(7);
        return true;
    case Qt::Key_PageUp:
        PageKeepingSelection(false);
        return true;
    case Qt::Key_PageDown:
        PageKeepingSelection(true);
        return true;
    case Qt::Key_Home:
        GoToToday();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditSelectedDay();
        return true;
    case Qt::Key_F1:
        OnCommand(res::CommandId::HelpContents);
        return true;
    case Qt::Key_Menu: // as a right click on the panel beside the days
        OnCommand(res::CommandId::Properties);
        return true;
    default:
        return false;
    }
}

bool CMainDlg::OnControlKey(int key)
{
    // Months per row and rows change as the ear and the grip change them, within their limits.
    const QRect shown(pos(), m_metrics.WindowSize(Scale(), Large()));
    switch (key) {
    case Qt::Key_G:
        OnCommand(res::CommandId::GoToDay);
        return true;
    case Qt::Key_Q:
        OnCommand(res::CommandId::Close);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        SizeFrom(shown, SizingEdge::Right, key == Qt::Key_Left ? -m_metrics.cxMonth : m_metrics.cxMonth);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        SizeFrom(shown, SizingEdge::Bottom, key == Qt::Key_Up ? -m_metrics.cyMonth : m_metrics.cyMonth);
        break;
    default:
        return false;
    }
    // The keys' day stays marked in the months drawn anew.
    if (const QDate day = ShownSelectedDay(); day.isValid() && m_bKeySelection)
        SelectDayByKey(day);
    return true;
}

QDate CMainDlg::ShownSelectedDay() const
{
    const QDate date = SelectedDayDate(m_table, m_context.document.m_user.m_selected);
    return ShowsDate(m_table, Scale(), date) ? date : QDate();
}

void CMainDlg::SelectDayByKey(QDate day)
{
    m_bKeySelection = true;
    ShowHotDay(day.month(), day.day());
    if (CMainDlgAccessible *readers = CMainDlgAccessible::Of(*this))
        readers->DaySelectedByKey(day);
}

void CMainDlg::MoveSelectedDay(int days)
{
    const QDate from = ShownSelectedDay();
    if (!from.isValid()) {
        SelectDayByKey(StartDate(m_table, Scale()));
        return;
    }
    // A step crosses at most one month: one page brings it into view, unless paging is refused
    // at the end of the calendar, where the selection stays.
    const QDate to = from.addDays(days);
    if (const qint64 pages = PagesToShow(m_table, Scale(), to))
        PageTo(pages > 0);
    SelectDayByKey(ShowsDate(m_table, Scale(), to) ? to : from);
}

void CMainDlg::PageKeepingSelection(bool forward)
{
    const QDate selected = ShownSelectedDay();
    PageTo(forward);
    if (const QDate kept = KeptInView(m_table, Scale(), selected); kept.isValid())
        SelectDayByKey(kept);
}

void CMainDlg::GoToToday()
{
    // The view of the start: today's month first.
    const QDate today = m_table.Today();
    m_table.SetToday(today);
    LayoutControls();
    DrawMonths();
    update();
    UpdateTitle(windowTitle());
    SelectDayByKey(today);
}

void CMainDlg::EditSelectedDay()
{
    const QDate day = ShownSelectedDay();
    if (!day.isValid())
        return;
    OnDayClick(day.month(), day.day());
    SelectDayByKey(day);
}

void CMainDlg::CopySelectedDay()
{
    if (const QDate day = ShownSelectedDay(); day.isValid())
        CopyDayEvents(m_context.document.m_user, day.month(), day.day());
}

void CMainDlg::PasteIntoSelectedDay()
{
    const QDate day = ShownSelectedDay();
    if (!day.isValid())
        return;
    HideDayPopup();
    PasteDayEvents(m_context.document, day.month(), day.day(), [this] {
        DrawMonths();
        update();
    });
    SelectDayByKey(day);
}

} // namespace orvane
