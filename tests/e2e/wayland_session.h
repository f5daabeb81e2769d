#pragma once

#include "session_processes.h"

#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orvane::test {

// A private Wayland desktop for the tests: sway on its headless back end (1280 x 1024), run as
// an unprivileged user where the tests run as root (sway refuses root), and a session bus of its
// own, and waybar, whose tray is a StatusNotifier watcher and host. The windows are
// read from sway's tree, keys typed into the focused one with wtype, pictures taken with grim.
class WaylandSession : public SessionProcesses {
public:
    WaylandSession();
    ~WaylandSession() { endAll(); } // before the runtime folder goes

    // WAYLAND_DISPLAY (the socket's path), the session bus and the wayland platform, for the
    // programs under test.
    QProcessEnvironment environment() const;

    struct Window {
        bool visible = false;
        bool focused = false;
        bool floating = false;
        QRect rect;
    };
    // The windows of process `pid` that sway shows.
    QList<Window> windowsOf(qint64 pid) const;
    void keys(const QStringList &keys) const;
    // What the host does when the program's icon is clicked: activates its item.
    void activateTrayItem() const;
    // The colour of a point of a picture (photographWith grim).
    QString pixel(const QString &file, QPoint point) const;

private:
    QTemporaryDir m_runtime;
    QString m_socket;
};

} // namespace orvane::test
