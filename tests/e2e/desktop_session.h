#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace orvane::test {

// A private desktop for the tests: an X server (Xvfb) of its own, a session bus of its own with
// a notification daemon (dunst) and a recorder of the notifications sent (dbus-monitor), and,
// on demand, a notification-area host (trayer). Everything ends with the object.
class DesktopSession {
public:
    DesktopSession();
    ~DesktopSession();

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
    // The ids of the visible windows whose name is exactly `name`.
    QStringList visibleWindows(const QString &name) const;
    // The screen position of the program's tray icon, docked in the host; null when none is.
    QPoint trayIconPosition() const;

private:
    QProcess *spawn(const QString &program, const QStringList &arguments);

    QString m_failure;
    QString m_display;
    QString m_bus;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess *m_trayHost = nullptr;
    QProcess *m_recorder = nullptr;
    QString m_recorded;
};

// Polls `condition` every 50 ms until it holds; false after `timeoutMs`.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 10000);

} // namespace orvane::test
