#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace orvane::test {

// Runs the built executables in a private sandbox (in memory where /dev/shm allows): their own
// data folder, registry hive, runtime folder and no session bus (a desktop gives its own through
// setEnvironment), on the offscreen platform, with today 10 May 2026 and the Russian texts.
class CalendarSandbox {
public:
    CalendarSandbox();

    QString path() const { return m_dir.path(); }
    QString dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
    QString calendarPath() const { return dataDir() + QStringLiteral("/orvane.orvd"); }
    QString hivePath() const { return m_dir.path() + QStringLiteral("/config/orvane/registry.reg"); }
    QString lockPath() const { return m_dir.path() + QStringLiteral("/runtime/orvane.lock"); }

    // Starts build/orvane with the given arguments and automatic message answer.
    void start(QProcess &process, const QStringList &arguments = {}, const QString &answer = QStringLiteral("ok")) const;
    // Starts `program` (which goes on to build/orvane) in the same environment.
    void startThrough(QProcess &process, const QString &program, const QStringList &arguments,
                      const QString &answer = QStringLiteral("ok")) const;
    // Runs build/orvanectl to its end with `input` on its standard input; its exit status, -1
    // when it did not end normally.
    int runCtl(const QStringList &arguments, QByteArray *out = nullptr, QByteArray *err = nullptr,
               const QByteArray &input = {}) const;
    // Writes the hive with the given "OptionsFlag".
    void setOptions(quint32 options) const;

    static QString executable(const QString &name);

    // Variables set for the executables on top of the sandbox's own (DISPLAY, a bus, a locale).
    void setEnvironment(const QProcessEnvironment &extra) { m_extra = extra; }

private:
    QProcessEnvironment environment(const QString &answer) const;

    QTemporaryDir m_dir;
    QProcessEnvironment m_extra;
};

// The locale of a desktop session in `lang`, with ORVANE_LANG `forced` (empty: not set).
QProcessEnvironment sessionLocale(const QString &lang, const QString &forced);
// Polls `condition` until it holds; false after `timeoutMs`.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 30000);
// Waits until the file exists and has content.
bool waitForFile(const QString &path, int timeoutMs = 30000);
// The files process `pid` has open, as /proc names them (an unnamed file being written reads
// "<folder>/#<inode> (deleted)").
QStringList openFiles(qint64 pid);
// True once process `pid` has its SIGTERM handler: from then on SIGTERM means "save and end".
bool catchesTerm(qint64 pid);
// strace's arguments that run build/orvane, holding it `ms` milliseconds at the entry of each
// `call`, with those touching `path` alone when one is given; its log goes to `log`.
QStringList straceDelaying(const QString &call, int ms, const QString &path = {}, const QString &log = QStringLiteral("/dev/null"));
// The calendar process itself: `process` or, when that is strace, its child once it runs the calendar.
qint64 calendarPid(const QProcess &process, bool traced);
// Sends SIGTERM and waits for the end; returns the exit code, or -1 when it did not end normally.
int terminate(QProcess &process);

} // namespace orvane::test
