#include "desktop_session.h"

#include <QDeadlineTimer>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace orvane::test {

namespace {

QString ReadLine(QProcess &process, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine() && !deadline.hasExpired())
        process.waitForReadyRead(100);
    return QString::fromUtf8(process.readLine()).trimmed();
}

} // namespace

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

DesktopSession::DesktopSession()
{
    for (const char *tool : {"Xvfb", "dbus-daemon", "dbus-monitor", "dunst", "trayer", "xdotool", "xwininfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            m_failure = QStringLiteral("%1 is not installed (scripts/deps installs it)").arg(QString::fromLatin1(tool));
            return;
        }
    }
    QProcess *server = spawn(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                      QStringLiteral("-screen"), QStringLiteral("0"),
                                                      QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                                      QStringLiteral("tcp")});
    const QString number = ReadLine(*server, 15000);
    if (number.isEmpty()) {
        m_failure = QStringLiteral("Xvfb did not start");
        return;
    }
    m_display = u':' + number;
    QProcess *bus = spawn(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                          QStringLiteral("--print-address=1")});
    m_bus = ReadLine(*bus, 15000);
    if (m_bus.isEmpty()) {
        m_failure = QStringLiteral("dbus-daemon did not start");
        return;
    }
    m_recorder = spawn(QStringLiteral("dbus-monitor"),
                       {QStringLiteral("--address"), m_bus,
                        QStringLiteral("interface='org.freedesktop.Notifications',member='Notify'")});
    spawn(QStringLiteral("dunst"), {});
    // The daemon owns its name once it answers: ask until it does.
    const bool daemonUp = waitUntil([this] {
        return run(QStringLiteral("dbus-send"), {QStringLiteral("--bus=") + m_bus, QStringLiteral("--print-reply"),
                                                 QStringLiteral("--dest=org.freedesktop.Notifications"),
                                                 QStringLiteral("/org/freedesktop/Notifications"),
                                                 QStringLiteral("org.freedesktop.Notifications.GetServerInformation")})
            .contains(u"string");
    });
    if (!daemonUp)
        m_failure = QStringLiteral("the notification daemon did not come up");
}

DesktopSession::~DesktopSession()
{
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000)) {
            (*it)->kill();
            (*it)->waitForFinished(3000);
        }
    }
}

QProcessEnvironment DesktopSession::environment() const
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

QProcess *DesktopSession::spawn(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    process->setProcessEnvironment(env);
    process->start(program, arguments);
    process->waitForStarted();
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

void DesktopSession::startTrayHost()
{
    m_trayHost = spawn(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top"),
                                                  QStringLiteral("--align"), QStringLiteral("right"),
                                                  QStringLiteral("--widthtype"), QStringLiteral("request"),
                                                  QStringLiteral("--height"), QStringLiteral("24"),
                                                  QStringLiteral("--SetDockType"), QStringLiteral("false")});
}

void DesktopSession::stopTrayHost()
{
    if (!m_trayHost)
        return;
    m_trayHost->kill();
    m_trayHost->waitForFinished(3000);
    m_trayHost = nullptr;
}

QString DesktopSession::recordedNotifications()
{
    m_recorder->waitForReadyRead(100);
    m_recorded += QString::fromUtf8(m_recorder->readAllStandardOutput());
    return m_recorded;
}

QString DesktopSession::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList DesktopSession::visibleWindows(const QString &name) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--name"), u'^' + name + u'$'})
        .split(u'\n', Qt::SkipEmptyParts);
}

QPoint DesktopSession::trayIconPosition() const
{
    // The host's panel holds the docked icons: a small window of the program's class lying
    // within it (an icon whose host has gone is left on the root window, elsewhere).
    const QString tree = run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    static const QRegularExpression window(
        QStringLiteral(R"re(\("(\w+)" "(\w+)"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))re"));
    QRect panel;
    QList<QRect> icons;
    for (const QString &line : tree.split(u'\n')) {
        const QRegularExpressionMatch m = window.match(line);
        if (!m.hasMatch())
            continue;
        const QRect rect(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
        if (m.captured(1) == u"panel" && m.captured(2) == u"trayer")
            panel = rect;
        else if (m.captured(1) == u"orvane" && rect.width() <= 48)
            icons.append(rect);
    }
    for (const QRect &icon : icons) {
        if (panel.contains(icon.center()))
            return icon.center();
    }
    return {};
}

} // namespace orvane::test
