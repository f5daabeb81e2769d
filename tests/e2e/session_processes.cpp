#include "session_processes.h"

#include "calendar_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace orvane::test {

SessionProcesses::~SessionProcesses()
{
    endAll();
}

void SessionProcesses::endAll()
{
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(10000)) {
            (*it)->kill();
            (*it)->waitForFinished(10000);
        }
    }
    m_processes.clear();
}

bool SessionProcesses::haveTools(const QStringList &tools)
{
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            m_failure = tool + u" is not installed (scripts/deps installs it)"_s;
            return false;
        }
    }
    return true;
}

QProcessEnvironment SessionProcesses::systemEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(m_toolEnvironment);
    return env;
}

QProcess *SessionProcesses::spawn(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(systemEnvironment());
    process->start(program, arguments);
    process->waitForStarted();
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

bool SessionProcesses::startSessionBus()
{
    m_bus = readLine(*spawn(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s}));
    m_toolEnvironment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_bus);
    return !m_bus.isEmpty();
}

QString SessionProcesses::busCall(const QStringList &arguments) const
{
    return run(u"dbus-send"_s, QStringList{u"--bus="_s + m_bus, u"--print-reply"_s} + arguments);
}

bool SessionProcesses::photographWith(const QStringList &capture, const QString &file) const
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    return waitUntil([&] {
        QFile::remove(file);
        run(capture.first(), capture.mid(1) << file);
        return run(u"identify"_s, {u"-format"_s, u"%k"_s, file}).toInt() > 16;
    });
}

QString SessionProcesses::readLine(QProcess &process)
{
    QDeadlineTimer deadline(30000);
    while (!process.canReadLine() && !deadline.hasExpired() && process.state() == QProcess::Running)
        process.waitForReadyRead(100);
    return QString::fromUtf8(process.readLine()).trimmed();
}

QString SessionProcesses::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(systemEnvironment());
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace orvane::test
