#pragma once

namespace orvane {

// The StatusNotifier notification area (the one of Wayland desktops, and of some X11 ones): a
// watcher on the session bus with which the program's icon registers, and the hosts, which show
// the icons, registered with the watcher. Where a watcher runs, Qt's tray icon is such an item.
struct StatusNotifierArea {
    bool watcher = false;
    bool host = false;
};

// Asks the session bus; nothing is there when it cannot be reached.
StatusNotifierArea QueryStatusNotifierArea();

} // namespace orvane
