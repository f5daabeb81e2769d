// The main window's tray icon: adding and removing it, its watchdog, hiding and showing.
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
        m_trayTimer.stop();
        return;
    }
    if (!m_tray.AddTrayIcon(kTrayTip, LoadIcon(res::IDI_TRAY), res::MenuId::Tray))
        return;
    m_tray.SetDefaultMenuItem(0, true);
    m_trayTimer.start(2000);
}

void CMainDlg::OnTrayTimer()
{
    // The notification area lost the icon (its host ended or restarted): put it up again.
    if (!m_tray.SetTrayTip(kTrayTip)) {
        m_tray.HideTrayIcon();
        m_tray.ShowTrayIcon();
    }
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
