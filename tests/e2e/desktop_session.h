#pragma once

#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace orvane::test {

// A private desktop for the tests: an X server (Xvfb, 1280 x 1024) with a window manager (openbox)
// and a session bus of its own,
// with, on demand, a notification daemon (dunst) and a recorder of the notifications sent
// (dbus-monitor), and a notification-area host (trayer: the part asks that it be installed;
// startTrayHost() starts it). Everything ends with the object. The
// programs are driven with xdotool as a user drives them: pointer, buttons and keys.
class DesktopSession {
public:
    enum Part { Notifications = 1, TrayHost = 2 };
    explicit DesktopSession(int parts = 0);
    ~DesktopSession();
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    // Empty when the session is up; otherwise what is missing.
    QString failure() const { return m_failure; }
    // DISPLAY, DBUS_SESSION_BUS_ADDRESS and the xcb platform, for the programs under test.
    QProcessEnvironment environment() const;

    void startTrayHost();
    void stopTrayHost();
    // The notification calls recorded so far, as dbus-monitor prints them.
    QString recordedNotifications();

    // Runs a tool of the desktop (xdotool, xwininfo, import) to its end; its standard output.
    QString run(const QString &program, const QStringList &arguments) const;
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
    // This machine's environment with the desktop's own: for the desktop's tools.
    QProcessEnvironment systemEnvironment() const;
    QProcess *spawn(const QString &program, const QStringList &arguments);

    QString m_failure;
    QString m_display;
    QString m_bus;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess *m_trayHost = nullptr;
    QProcess *m_recorder = nullptr;
    QString m_recorded;
};

} // namespace orvane::test
