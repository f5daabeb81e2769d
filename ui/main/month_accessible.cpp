#include "ui/main/month_accessible.h"

#include "ui/main/calendar_texts.h"
#include "ui/main/day_accessible_text.h"
#include "ui/main/main_dlg.h"
#include "ui/main/text_accessible.h"

#include <QKeySequence>

namespace orvane {

namespace {

// The interface registered as `id`, made by `make` when there is none yet.
template <typename Make>
QAccessibleInterface *Registered(QAccessible::Id &id, Make &&make)
{
    if (QAccessibleInterface *known = id ? QAccessible::accessibleInterface(id) : nullptr)
        return known;
    QAccessibleInterface *made = make();
    id = QAccessible::registerAccessibleInterface(made);
    return made;
}

template <size_t N>
void DeleteRegistered(const std::array<QAccessible::Id, N> &ids)
{
    for (const QAccessible::Id id : ids)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

} // namespace

QRect ScreenRect(const QWidget &window, const QRect &client)
{
    return {window.mapToGlobal(client.topLeft()), client.size()};
}

CMonthTableAccessible::CMonthTableAccessible(CMainDlg &window, QAccessibleInterface &parent, int month)
    : m_window(&window), m_parent(parent), m_month(month)
{
}

CMonthTableAccessible::~CMonthTableAccessible()
{
    DeleteRegistered(m_headings);
    DeleteRegistered(m_days);
}

int CMonthTableAccessible::DayCount() const
{
    return m_window ? m_window->MonthTable().Info(m_month).nDays : 0;
}

QPoint CMonthTableAccessible::CellOf(int day) const
{
    const int k = day - 1 + (m_window ? m_window->MonthTable().Info(m_month).nOffset : 0);
    return {k % 7, k / 7};
}

QAccessibleInterface *CMonthTableAccessible::DayCell(int day) const
{
    if (day < 1 || day > DayCount())
        return nullptr;
    return Registered(m_days[static_cast<size_t>(day - 1)],
                      [this, day] { return new CDayCellAccessible(*this, day); });
}

QAccessibleInterface *CMonthTableAccessible::Heading(int column) const
{
    if (column < 0 || column >= columnCount())
        return nullptr;
    return Registered(m_headings[static_cast<size_t>(column)], [this, column] {
        auto *self = const_cast<CMonthTableAccessible *>(this);
        return new CTextAccessible(
            *self, QAccessible::ColumnHeader, [column] { return WeekdayAbbreviation(column); },
            [this, column] {
                // The weekday's row of the grid, with its name when the window shows it.
                if (!m_window)
                    return QRect();
                const GridMetrics &metrics = m_window->Metrics();
                const MonthInfo &info = m_window->MonthTable().Info(m_month);
                return ScreenRect(*m_window, QRect(info.x, info.y + column * metrics.nCell,
                                                   metrics.cxWeekdayColumn + metrics.cxGrid, metrics.nCell));
            });
    });
}

QAccessibleInterface *CMonthTableAccessible::childAt(int x, int y) const
{
    for (int day = 1; day <= DayCount(); ++day)
        if (QAccessibleInterface *cell = DayCell(day); cell->rect().contains(x, y))
            return cell;
    return nullptr;
}

QAccessibleInterface *CMonthTableAccessible::child(int index) const
{
    return index < columnCount() ? Heading(index) : DayCell(index - columnCount() + 1);
}

int CMonthTableAccessible::childCount() const
{
    return columnCount() + DayCount();
}

int CMonthTableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QString CMonthTableAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_window)
        return {};
    return MonthTableName(m_month, m_window->MonthTable().Info(m_month).nYear);
}

QRect CMonthTableAccessible::rect() const
{
    if (!m_window)
        return {};
    const GridMetrics &metrics = m_window->Metrics();
    const MonthInfo &info = m_window->MonthTable().Info(m_month);
    return ScreenRect(*m_window, QRect(info.x, info.y, metrics.cxWeekdayColumn + metrics.cxGrid, metrics.cyGrid));
}

void *CMonthTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
}

QAccessibleInterface *CMonthTableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount() || !m_window)
        return nullptr;
    return DayCell(row * 7 + column + 1 - m_window->MonthTable().Info(m_month).nOffset);
}

QList<QAccessibleInterface *> CMonthTableAccessible::selectedCells() const
{
    const QDate selected = m_window ? m_window->ShownSelectedDay() : QDate();
    if (!selected.isValid() || selected.month() != m_month)
        return {};
    return {DayCell(selected.day())};
}

QString CMonthTableAccessible::columnDescription(int column) const
{
    return WeekdayAbbreviation(column);
}

CDayCellAccessible::CDayCellAccessible(const CMonthTableAccessible &table, int day)
    : m_table(table), m_day(day)
{
}

QDate CDayCellAccessible::Date() const
{
    const CMainDlg *window = m_table.Window();
    return window ? QDate(window->MonthTable().Info(m_table.Month()).nYear, m_table.Month(), m_day) : QDate();
}

QString CDayCellAccessible::text(QAccessible::Text t) const
{
    const CMainDlg *window = m_table.Window();
    if (!window)
        return {};
    if (t == QAccessible::Name)
        return DayAccessibleName(Date(), Date() == window->MonthTable().Today(), QLocale());
    if (t == QAccessible::Description)
        return DayEventsDescription(window->DayEventNames(m_table.Month(), m_day));
    return {};
}

QRect CDayCellAccessible::rect() const
{
    const CMainDlg *window = m_table.Window();
    return window ? ScreenRect(*window, window->DayRect(m_table.Month(), m_day)) : QRect();
}

QAccessible::State CDayCellAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = state.selected && m_table.Window() && m_table.Window()->hasFocus();
    return state;
}

void *CDayCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

bool CDayCellAccessible::isSelected() const
{
    const CMainDlg *window = m_table.Window();
    return window && window->ShownSelectedDay() == Date();
}

QList<QAccessibleInterface *> CDayCellAccessible::columnHeaderCells() const
{
    return {m_table.Heading(columnIndex())};
}

QAccessibleInterface *CDayCellAccessible::table() const
{
    return const_cast<CMonthTableAccessible *>(&m_table);
}

void CDayCellAccessible::doAction(const QString &actionName)
{
    // The editor runs a loop of its own: it opens once the reader's request has returned.
    CMainDlg *window = m_table.Window();
    if (actionName != pressAction() || !window)
        return;
    QMetaObject::invokeMethod(window, [window, month = m_table.Month(), day = m_day] { window->OnDayClick(month, day); },
                              Qt::QueuedConnection);
}

QStringList CDayCellAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName != pressAction())
        return {};
    return {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
}

} // namespace orvane
