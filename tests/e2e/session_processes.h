#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace orvane::test {

// The programs a test session starts (servers, a session bus, daemons), ended with it, last
// started first; and the session's tools, run to their end. Both run in this machine's
// environment with the session's own on top.
class SessionProcesses {
public:
    SessionProcesses() = default;
    ~SessionProcesses();
    SessionProcesses(const SessionProcesses &) = delete;
    SessionProcesses &operator=(const SessionProcesses &) = delete;

    // Empty when the session is up; otherwise what is missing.
    QString failure() const { return m_failure; }
    // Runs a tool to its end; its standard output.
    QString run(const QString &program, const QStringList &arguments) const;
    // dbus-send to the session's bus, the reply printed.
    QString busCall(const QStringList &arguments) const;
    // A picture of the screen, taken by the tool `capture` (the file last), once it shows the
    // drawing (a window is mapped before it is painted): more than a few colours.
    bool photographWith(const QStringList &capture, const QString &file) const;

protected:
    // False, with the failure set, when one of `tools` is not installed.
    bool haveTools(const QStringList &tools);
    QProcess *spawn(const QString &program, const QStringList &arguments);
    // A session bus of its own; false when it did not start.
    bool startSessionBus();
    // Ends the programs started (the destructor does too): for sessions whose own members the
    // programs use to the end.
    void endAll();
    // A line the program writes on standard output, within 30 s.
    static QString readLine(QProcess &process);

    QString m_failure;
    QString m_bus;
    // The session's variables for its programs and tools.
    QProcessEnvironment m_toolEnvironment;

private:
    QProcessEnvironment systemEnvironment() const;

    std::vector<std::unique_ptr<QProcess>> m_processes;
};

} // namespace orvane::test
