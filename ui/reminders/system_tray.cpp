#include "ui/reminders/system_tray.h"

#include "res/menus.h"
#include "ui/controls/menu_entries.h"
#include "ui/reminders/status_notifier.h"

#include <QMenu>

namespace orvane {

CSystemTray::CSystemTray(QObject *parent) : QObject(parent) {}

CSystemTray::~CSystemTray()
{
    RemoveTrayIcon();
}

bool CSystemTray::AddTrayIcon(const QString &tip, const QIcon &icon, int id)
{
    RemoveTrayIcon();
    const QList<res::MenuEntry> entries = res::LoadMenuPopup(id, 0);
    if (entries.isEmpty())
        return false;
    m_menu = std::make_unique<QMenu>();
    AddMenuEntries(*m_menu, entries);
    connect(m_menu.get(), &QMenu::triggered, this,
            [this](QAction *action) { Q_EMIT command(action->data().toInt()); });
    m_icon = std::make_unique<QSystemTrayIcon>(icon);
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, &CSystemTray::OnTrayMessage);
    m_icon->show();
    m_bEnabled = true;
    m_menu->setDefaultAction(DefaultAction());
    return true;
}

void CSystemTray::RemoveTrayIcon()
{
    if (!m_bEnabled)
        return;
    m_icon.reset();
    m_menu.reset();
    m_bEnabled = false;
}

bool CSystemTray::SetDefaultMenuItem(int item, bool byPosition)
{
    if (item == m_nDefaultItem && byPosition == m_bDefaultByPosition)
        return true;
    m_nDefaultItem = item;
    m_bDefaultByPosition = byPosition;
    if (!m_menu)
        return false;
    m_menu->setDefaultAction(DefaultAction());
    return true;
}

bool CSystemTray::CanRestoreWindow() const
{
    if (!m_bEnabled)
        return false;
    const StatusNotifierArea area = QueryStatusNotifierArea();
    return area.watcher ? area.host : QSystemTrayIcon::isSystemTrayAvailable();
}

QAction *CSystemTray::DefaultAction() const
{
    const QList<QAction *> actions = m_menu->actions();
    if (m_bDefaultByPosition)
        return actions.value(m_nDefaultItem);
    for (QAction *action : actions) {
        if (!action->isSeparator() && action->data().toInt() == m_nDefaultItem)
            return action;
    }
    return nullptr;
}

void CSystemTray::OnTrayMessage(QSystemTrayIcon::ActivationReason reason)
{
    // The right button opens the context menu by itself; a double click runs the default entry.
    // A StatusNotifier host reports no double clicks, only one activation for a click: it shows
    // or hides the window.
    if (reason == QSystemTrayIcon::Trigger && QueryStatusNotifierArea().watcher) {
        Q_EMIT toggleRequested();
        return;
    }
    if (reason != QSystemTrayIcon::DoubleClick)
        return;
    if (const QAction *action = DefaultAction())
        Q_EMIT command(action->data().toInt());
}

} // namespace orvane
