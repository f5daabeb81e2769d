#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orvane::test {

// Runs the built executables in a private sandbox: their own data folder, registry hive and
// runtime folder, on the offscreen platform.
class CalendarSandbox {
public:
    CalendarSandbox();

    QString dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
    QString calendarPath() const { return dataDir() + QStringLiteral("/orvane.orvd"); }
    QString hivePath() const { return m_dir.path() + QStringLiteral("/config/orvane/registry.reg"); }

    // Starts build/orvane with the given arguments and automatic message answer.
    void start(QProcess &process, const QStringList &arguments = {}, const QString &answer = QStringLiteral("ok")) const;
    // Starts build/orvane on the X display `display` with extra environment `extra`.
    void startOnDisplay(QProcess &process, const QString &display,
                        const QProcessEnvironment &extra = {}) const;
    // Runs build/orvanectl to its end.
    int runCtl(const QStringList &arguments, QByteArray *out = nullptr, QByteArray *err = nullptr) const;
    // The same with `input` on its standard input.
    int runCtl(const QStringList &arguments, const QByteArray &input, QByteArray *out, QByteArray *err) const;

    static QString executable(const QString &name);

    // Variables set for the executables on top of the sandbox's own (DISPLAY, a bus, ...).
    void setEnvironment(const QProcessEnvironment &extra) { m_extra = extra; }

private:
    QProcessEnvironment environment(const QString &answer) const;

    QTemporaryDir m_dir;
    QProcessEnvironment m_extra;
};

// Waits until the file exists and has content; false after the timeout.
bool waitForFile(const QString &path, int timeoutMs = 15000);
// Sends SIGTERM and waits for the end; returns the exit code, or -1 when it did not end normally.
int terminate(QProcess &process);

} // namespace orvane::test
