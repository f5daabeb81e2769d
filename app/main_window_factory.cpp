#include "app/main_window_factory.h"

#include "res/menus.h"
#include "ui/main/main_dlg.h"

namespace orvane {

std::unique_ptr<QDialog> CreateMainWindow(AppContext &context, bool showOnStart)
{
    return std::make_unique<CMainDlg>(context, showOnStart);
}

void ShowMainWindow(QDialog &window)
{
    static_cast<CMainDlg &>(window).OnCommand(res::CommandId::TrayShow);
}

} // namespace orvane
