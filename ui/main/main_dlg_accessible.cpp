#include "ui/main/main_dlg_accessible.h"

#include "ui/controls/menu_button.h"
#include "ui/controls/menu_button_accessible.h"
#include "ui/main/main_dlg.h"
#include "ui/main/month_accessible.h"
#include "ui/main/text_accessible.h"

#include <QHash>

#include <utility>

namespace orvane {

namespace {

// The interfaces made for the windows, by window.
QHash<const QObject *, CMainDlgAccessible *> &Made()
{
    static QHash<const QObject *, CMainDlgAccessible *> made;
    return made;
}

QAccessibleInterface *MakeInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(CMainDlg::staticMetaObject.className()))
        return new CMainDlgAccessible(static_cast<CMainDlg *>(object));
    if (className == QLatin1String(CMenuButton::staticMetaObject.className()))
        return new CMenuButtonAccessible(static_cast<CMenuButton *>(object));
    return nullptr;
}

AccessibleEventRecorder &Recorder()
{
    static AccessibleEventRecorder recorder;
    return recorder;
}

void Send(QAccessibleInterface *about, QAccessible::Event type)
{
    QAccessibleEvent event(about, type);
    if (Recorder())
        Recorder()(event);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void RecordAccessibleEvents(AccessibleEventRecorder recorder)
{
    Recorder() = std::move(recorder);
}

void InstallMainDlgAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&MakeInterface), true);
    Q_UNUSED(installed);
}

CMainDlgAccessible::CMainDlgAccessible(CMainDlg *window)
    : QAccessibleWidget(window, QAccessible::Dialog)
{
    Made().insert(window, this);
    m_status = QAccessible::registerAccessibleInterface(new CTextAccessible(
        *this, QAccessible::StatusBar, [window] { return window->StatusText(); },
        [window] { return ScreenRect(*window, window->StatusRect()); }));
}

CMainDlgAccessible::~CMainDlgAccessible()
{
    // The window may be gone already: only the interfaces are deleted.
    Made().remove(Made().key(this));
    DropTables();
    QAccessible::deleteAccessibleInterface(m_status);
}

CMainDlgAccessible *CMainDlgAccessible::Of(const CMainDlg &window)
{
    return Made().value(&window);
}

CMainDlg &CMainDlgAccessible::Window() const
{
    return *static_cast<CMainDlg *>(widget());
}

CMainDlgAccessible::Span CMainDlgAccessible::ShownSpan() const
{
    const CMonthTable &table = Window().MonthTable();
    return {table.FirstMonth(), table.Info(table.FirstMonth()).nYear, Window().Scale()};
}

const std::vector<QAccessible::Id> &CMainDlgAccessible::Tables() const
{
    if (m_span != ShownSpan()) {
        const_cast<CMainDlgAccessible *>(this)->DropTables();
        m_span = ShownSpan();
        Window().MonthTable().ForEachVisible(Window().Scale(), [this](int, int month) {
            auto *self = const_cast<CMainDlgAccessible *>(this);
            m_tables.push_back(QAccessible::registerAccessibleInterface(
                new CMonthTableAccessible(Window(), *self, month)));
        });
    }
    return m_tables;
}

void CMainDlgAccessible::DropTables()
{
    for (const QAccessible::Id id : m_tables)
        QAccessible::deleteAccessibleInterface(id);
    m_tables.clear();
}

void CMainDlgAccessible::SyncMonths()
{
    if (m_span == ShownSpan())
        return;
    for (const QAccessible::Id id : m_tables)
        Send(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
    for (const QAccessible::Id id : Tables())
        Send(QAccessible::accessibleInterface(id), QAccessible::ObjectCreated);
}

void CMainDlgAccessible::DaySelectedByKey(QDate day)
{
    QAccessibleInterface *cell = DayCell(day);
    if (!cell)
        return;
    for (const QAccessible::Event type : {QAccessible::Focus, QAccessible::Selection})
        Send(cell, type);
}

void CMainDlgAccessible::StatusChanged()
{
    Send(StatusLine(), QAccessible::NameChanged);
}

int CMainDlgAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + static_cast<int>(Tables().size()) + 1;
}

QAccessibleInterface *CMainDlgAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    const auto tables = static_cast<int>(Tables().size());
    if (index < widgets)
        return QAccessibleWidget::child(index);
    if (index < widgets + tables)
        return QAccessible::accessibleInterface(Tables()[static_cast<size_t>(index - widgets)]);
    return index == widgets + tables ? StatusLine() : nullptr;
}

int CMainDlgAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child->object())
        return QAccessibleWidget::indexOfChild(child);
    for (int i = QAccessibleWidget::childCount(); i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface *CMainDlgAccessible::focusChild() const
{
    if (Window().hasFocus())
        if (QAccessibleInterface *cell = DayCell(Window().ShownSelectedDay()))
            return cell;
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface *CMainDlgAccessible::DayCell(QDate date) const
{
    for (const QAccessible::Id id : Tables()) {
        const auto *table = static_cast<CMonthTableAccessible *>(QAccessible::accessibleInterface(id));
        if (date.isValid() && table->Month() == date.month()
            && Window().MonthTable().Info(date.month()).nYear == date.year())
            return table->DayCell(date.day());
    }
    return nullptr;
}

QAccessibleInterface *CMainDlgAccessible::StatusLine() const
{
    return QAccessible::accessibleInterface(m_status);
}

} // namespace orvane
