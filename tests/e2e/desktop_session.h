#pragma once

#include "session_processes.h"

#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace orvane::test {

// A private X desktop for the tests: an X server (Xvfb, 1280 x 1024) with a window manager
// (openbox) and a session bus of its own, with, on demand, a notification daemon (dunst) and a
// recorder of the notifications sent (dbus-monitor), an accessibility bus with its registry
// (at-spi2-core) read as a screen reader reads it, and a notification-area host (trayer:
// startTrayHost() starts it). Everything ends with the object. The programs are driven with
// xdotool as a user drives them: pointer, buttons and keys.
class DesktopSession : public SessionProcesses {
public:
    enum Part { Notifications = 1, TrayHost = 2, ScreenReader = 4 };
    explicit DesktopSession(int parts = 0);

    // DISPLAY, DBUS_SESSION_BUS_ADDRESS and the xcb platform, for the programs under test.
    QProcessEnvironment environment() const;

    void startTrayHost();
    void stopTrayHost();
    // The notification calls recorded so far, as dbus-monitor prints them.
    QString recordedNotifications();
    // Picks the action labelled `label` of the notification shown, from the daemon's menu of its
    // actions, as a user's click opens it; false when none is shown within the time.
    bool answerNotification(const QString &label) const;

    // What a screen reader gets from `program` through the accessibility bus: a line for each
    // object of its windows (those named `window` alone when one is named),
    // "<depth> <role> | <name> | <description> | <states> | <attributes>".
    QString screenReaderView(const QString &program, const QString &window = {}) const;

    QString xdo(const QStringList &arguments) const { return run(QStringLiteral("xdotool"), arguments).trimmed(); }
    // The visible windows of process `pid`.
    QStringList windowsOf(qint64 pid) const;
    // The first visible window of process `pid` whose title starts with `title`; empty when none
    // is shown.
    QString window(qint64 pid, const QString &title) const;
    // The same once one shows; empty when none does within the time.
    QString waitForWindow(qint64 pid, const QString &title) const;
    // Opens a menu of process `pid` with `open` and picks the entry `downs` steps down with the
    // keyboard. A click that finds its target not yet ready (an icon just docked) may be lost:
    // `open` is done again until the menu shows.
    void pickFromMenu(qint64 pid, int downs, const std::function<void()> &open) const;
    QRect geometry(const QString &window) const;
    // A click of `button` at a point of the window.
    void click(const QString &window, QPoint point, int button = 1) const;
    // Gives the window the keyboard, unless `window` is empty (an open menu has it), and types
    // the keys (xdotool key names).
    void keys(const QString &window, const QStringList &keys) const;
    // The screen position of the program's tray icon, docked in the host; null when none is.
    QPoint trayIconPosition() const;
    // A picture of the screen, or of `crop` of it, once it is drawn: more than a few colours.
    bool photograph(const QString &file, const QRect &crop = {}) const;

private:
    QString m_display;
    QProcess *m_trayHost = nullptr;
    QProcess *m_recorder = nullptr;
    QString m_recorded;
    QTemporaryDir m_dunst; // the daemon's settings and the menu's choice
};

} // namespace orvane::test
