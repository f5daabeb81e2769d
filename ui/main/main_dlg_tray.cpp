// The main window's tray icon: adding and removing it, hiding and showing the window behind it.
#include "ui/main/main_dlg.h"

#include "res/menus.h"
#include "res/pictures.h"
#include "res/resource_ids.h"

namespace orvane {

namespace {

const QString kTrayTip = QStringLiteral("Your Orvane");

} // namespace

void CMainDlg::OnTrayIconToggle(bool add)
{
    if (!add) {
        m_tray.RemoveTrayIcon();
        return;
    }
    // Qt puts the icon into a notification area that comes back (a host that restarts): the
    // X11 tray's selection owner and the StatusNotifierWatcher's name are watched for it.
    if (m_tray.AddTrayIcon(kTrayTip, LoadIcon(res::IDI_TRAY), res::MenuId::Tray))
        m_tray.SetDefaultMenuItem(0, true);
}

void CMainDlg::ShowFromTray()
{
    m_bShownOnce = true;
    // A window that was minimised, then restored by the window manager, keeps the iconic start
    // it was minimised with, and would be mapped iconified: the state is set through minimised,
    // which writes the start afresh.
    if (isHidden())
        setWindowState(Qt::WindowMinimized);
    showNormal();
    raise();
    activateWindow();
    update();
}

void CMainDlg::HideBehindTray()
{
    hide();
}

void CMainDlg::setVisible(bool visible)
{
    if (visible && !m_bShownOnce && !m_bShowOnStart && m_tray.CanRestoreWindow()) {
        m_bShownOnce = true;
        return;
    }
    QDialog::setVisible(visible);
}

} // namespace orvane
