#include "calendar_process.h"

#include "test_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace orvane::test {

CalendarSandbox::CalendarSandbox() : CalendarSandbox(QDir::tempPath()) {}

CalendarSandbox::CalendarSandbox(const QString &parent) : m_dir(parent + QStringLiteral("/orvane-e2e-XXXXXX"))
{
    QDir().mkpath(dataDir());
    QDir().mkpath(m_dir.path() + QStringLiteral("/config"));
    QDir().mkpath(m_dir.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(m_dir.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString CalendarSandbox::executable(const QString &name)
{
    return QStringLiteral(ORVANE_BINARY_DIR "/") + name;
}

QProcessEnvironment CalendarSandbox::environment(const QString &answer) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORVANE_DATA_DIR"), dataDir());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.path() + QStringLiteral("/xdgdata"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path() + QStringLiteral("/runtime"));
    // Never the session bus of the machine running the tests: a bus nobody listens on.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + m_dir.path() + QStringLiteral("/no-bus"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("ORVANE_AUTO_ANSWER"), answer);
    env.insert(QStringLiteral("ORVANE_TODAY"), QStringLiteral("2026-05-10"));
    // The tests look for the Russian texts whatever the machine's locale; `m_extra` may differ.
    env.insert(QStringLiteral("ORVANE_LANG"), QStringLiteral("ru"));
    env.insert(m_extra);
    return env;
}

void CalendarSandbox::start(QProcess &process, const QStringList &arguments, const QString &answer) const
{
    process.setProcessEnvironment(environment(answer));
    process.start(executable(QStringLiteral("orvane")), arguments);
    process.waitForStarted();
}

void CalendarSandbox::startThrough(QProcess &process, const QString &program, const QStringList &arguments) const
{
    process.setProcessEnvironment(environment(QStringLiteral("ok")));
    process.start(program, arguments);
    process.waitForStarted();
}

int CalendarSandbox::runCtl(const QStringList &arguments, QByteArray *out, QByteArray *err, const QByteArray &input) const
{
    QProcess process;
    process.setProcessEnvironment(environment(QStringLiteral("ok")));
    process.start(executable(QStringLiteral("orvanectl")), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void CalendarSandbox::setOptions(quint32 options) const
{
    writeFile(hivePath(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                          "\"OptionsFlag\"=\"" + QByteArray::number(options) + "\"\n");
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}

bool waitForFile(const QString &path, int timeoutMs)
{
    return waitUntil([&] { return QFileInfo(path).size() > 0; }, timeoutMs);
}

QStringList openFiles(qint64 pid)
{
    QStringList files;
    for (int fd = 0; fd < 1024; ++fd) {
        char target[4096];
        const QByteArray link = "/proc/" + QByteArray::number(pid) + "/fd/" + QByteArray::number(fd);
        const ssize_t size = ::readlink(link.constData(), target, sizeof target);
        if (size > 0)
            files << QFile::decodeName(QByteArray(target, size));
    }
    return files;
}

int terminate(QProcess &process)
{
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace orvane::test
