#include "calendar_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>

namespace orvane::test {

CalendarSandbox::CalendarSandbox()
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
    env.insert(QStringLiteral("ORVANE_AUTO_ANSWER"), answer);
    env.insert(QStringLiteral("ORVANE_TODAY"), QStringLiteral("2026-05-10"));
    env.insert(m_extra);
    return env;
}

void CalendarSandbox::start(QProcess &process, const QStringList &arguments, const QString &answer) const
{
    process.setProcessEnvironment(environment(answer));
    process.start(executable(QStringLiteral("orvane")), arguments);
    process.waitForStarted();
}

void CalendarSandbox::startOnDisplay(QProcess &process, const QString &display,
                                     const QProcessEnvironment &extra) const
{
    QProcessEnvironment env = environment(QStringLiteral("ok"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(extra);
    process.setProcessEnvironment(env);
    process.start(executable(QStringLiteral("orvane")));
    process.waitForStarted();
}

int CalendarSandbox::runCtl(const QStringList &arguments, QByteArray *out, QByteArray *err) const
{
    return runCtl(arguments, QByteArray(), out, err);
}

int CalendarSandbox::runCtl(const QStringList &arguments, const QByteArray &input, QByteArray *out,
                            QByteArray *err) const
{
    QProcess process;
    process.setProcessEnvironment(environment(QStringLiteral("ok")));
    process.start(executable(QStringLiteral("orvanectl")), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool waitForFile(const QString &path, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (QFileInfo(path).size() > 0)
            return true;
        QThread::msleep(20);
    }
    return false;
}

int terminate(QProcess &process)
{
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace orvane::test
