#include "calendar_process.h"

#include "test_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace orvane::test {

namespace {

// /dev/shm when it is a tmpfs: a full calendar saved again and again stays in memory.
QString MemoryFolder()
{
    struct statfs fs {};
    if (::statfs("/dev/shm", &fs) == 0 && fs.f_type == TMPFS_MAGIC && QFileInfo(u"/dev/shm"_s).isWritable())
        return u"/dev/shm"_s;
    return QDir::tempPath();
}

} // namespace

CalendarSandbox::CalendarSandbox() : m_dir(MemoryFolder() + u"/orvane-e2e-XXXXXX"_s)
{
    for (const QString &folder : {dataDir(), path() + u"/config"_s, path() + u"/runtime"_s})
        QDir().mkpath(folder);
    QFile::setPermissions(path() + u"/runtime"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString CalendarSandbox::executable(const QString &name)
{
    return QStringLiteral(ORVANE_BINARY_DIR "/") + name;
}

QProcessEnvironment CalendarSandbox::environment(const QString &answer) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    const std::pair<QString, QString> variables[] = {
        {u"QT_QPA_PLATFORM"_s, u"offscreen"_s},
        {u"ORVANE_DATA_DIR"_s, dataDir()},
        {u"XDG_CONFIG_HOME"_s, path() + u"/config"_s},
        {u"XDG_DATA_HOME"_s, path() + u"/xdgdata"_s},
        {u"XDG_RUNTIME_DIR"_s, path() + u"/runtime"_s},
        // Never the session bus of the machine running the tests: a bus nobody listens on.
        {u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path="_s + path() + u"/no-bus"_s},
        {u"ORVANE_AUTO_ANSWER"_s, answer},
        {u"ORVANE_TODAY"_s, u"2026-05-10"_s},
        // The tests look for the Russian texts whatever the machine's locale; `m_extra` may differ.
        {u"ORVANE_LANG"_s, u"ru"_s},
    };
    for (const auto &[name, value] : variables)
        env.insert(name, value);
    env.insert(m_extra);
    return env;
}

void CalendarSandbox::start(QProcess &process, const QStringList &arguments, const QString &answer) const
{
    startThrough(process, executable(u"orvane"_s), arguments, answer);
}

void CalendarSandbox::startThrough(QProcess &process, const QString &program, const QStringList &arguments,
                                   const QString &answer) const
{
    process.setProcessEnvironment(environment(answer));
    process.start(program, arguments);
    process.waitForStarted();
}

int CalendarSandbox::runCtl(const QStringList &arguments, QByteArray *out, QByteArray *err, const QByteArray &input) const
{
    QProcess process;
    startThrough(process, executable(u"orvanectl"_s), arguments);
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

QProcessEnvironment sessionLocale(const QString &lang, const QString &forced)
{
    QProcessEnvironment env;
    for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANGUAGE"_s})
        env.insert(name, QString());
    env.insert(u"LANG"_s, lang);
    env.insert(u"ORVANE_LANG"_s, forced);
    return env;
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    for (QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired(); QThread::msleep(20)) {
        if (condition())
            return true;
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

bool catchesTerm(qint64 pid)
{
    const QByteArray status = readFile(u"/proc/%1/status"_s.arg(pid));
    const qsizetype at = status.indexOf("SigCgt:");
    return at >= 0 && (status.mid(at + 7, status.indexOf('\n', at) - at - 7).trimmed().toULongLong(nullptr, 16)
                       >> (SIGTERM - 1)) & 1;
}

QStringList straceDelaying(const QString &call, int ms, const QString &path, const QString &log)
{
    QStringList arguments{u"-f"_s, u"-qq"_s, u"-o"_s, log, u"-e"_s, u"trace="_s + call, u"-e"_s,
                          u"inject=%1:delay_enter=%2"_s.arg(call).arg(ms * 1000)};
    if (!path.isEmpty())
        arguments << u"-P"_s << path;
    return arguments << u"--"_s << CalendarSandbox::executable(u"orvane"_s);
}

qint64 calendarPid(const QProcess &process, bool traced)
{
    if (!traced)
        return process.processId();
    const qint64 child =
        readFile(u"/proc/%1/task/%1/children"_s.arg(process.processId())).trimmed().split(' ').value(0).toLongLong();
    const bool calendar = QFileInfo(u"/proc/%1/exe"_s.arg(child)).symLinkTarget()
        == QFileInfo(CalendarSandbox::executable(u"orvane"_s)).canonicalFilePath();
    return calendar ? child : 0;
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
