#include "desktop_session.h"

#include "calendar_process.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane::test {

DesktopSession::DesktopSession(int parts)
{
    QStringList tools{u"Xvfb"_s, u"dbus-daemon"_s, u"openbox"_s, u"xprop"_s, u"xdotool"_s, u"xwininfo"_s, u"import"_s};
    if (parts & Notifications)
        tools << u"dunst"_s << u"dbus-monitor"_s;
    if (parts & TrayHost)
        tools << u"trayer"_s;
    if (parts & ScreenReader)
        tools << u"/usr/libexec/at-spi-bus-launcher"_s << u"/usr/libexec/at-spi2-registryd"_s;
    if (!haveTools(tools))
        return;
    // The server picks a free display itself and writes its number on standard output. Without
    // -noreset it would start over whenever its last program ends, refusing the next one a moment.
    m_display = u':' + readLine(*spawn(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                                                   u"-nolisten"_s, u"tcp"_s, u"-noreset"_s}));
    if (!startSessionBus() || m_display.size() < 2) {
        m_failure = u"Xvfb or dbus-daemon did not start"_s;
        return;
    }
    m_toolEnvironment = environment();
    // A window manager, as every desktop has: it maps, iconifies and restores the windows. It has
    // taken over once it names itself on the root window.
    spawn(u"openbox"_s, {u"--sm-disable"_s});
    if (!waitUntil([this] { return run(u"xprop"_s, {u"-root"_s, u"_NET_SUPPORTING_WM_CHECK"_s}).contains(u"window id"_s); })) {
        m_failure = u"the window manager did not come up"_s;
        return;
    }
    // Programs join the accessibility bus only when it runs as they start: asking for its
    // address starts it.
    if ((parts & ScreenReader)
        && !waitUntil([this] {
               return busCall({u"--dest=org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.a11y.Bus.GetAddress"_s}).contains(u"unix:"_s);
           })) {
        m_failure = u"the accessibility bus did not come up"_s;
        return;
    }
    if (parts & Notifications) {
        m_recorder = spawn(u"dbus-monitor"_s, {u"--address"_s, m_bus,
                                               u"interface='org.freedesktop.Notifications',member='Notify'"_s});
        // Its menu of a notification's actions answers with the entry that holds the choice.
        writeFile(m_dunst.filePath(u"choose"_s), "#!/bin/sh\ngrep -F -- \"$(cat '" + m_dunst.filePath(u"choice"_s).toUtf8() + "')\"\n");
        QFile::setPermissions(m_dunst.filePath(u"choose"_s), QFile::ReadOwner | QFile::ExeOwner);
        writeFile(m_dunst.filePath(u"dunstrc"_s), "[global]\ndmenu = " + m_dunst.filePath(u"choose"_s).toUtf8() + "\n");
        spawn(u"dunst"_s, {u"-config"_s, m_dunst.filePath(u"dunstrc"_s)});
        // The daemon owns its name once it answers: ask until it does.
        if (!waitUntil([this] {
                return busCall({u"--dest=org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s,
                                u"org.freedesktop.Notifications.GetServerInformation"_s})
                    .contains(u"string"_s);
            }))
            m_failure = u"the notification daemon did not come up"_s;
    }
}

QProcessEnvironment DesktopSession::environment() const
{
    QProcessEnvironment env;
    env.insert(u"DISPLAY"_s, m_display);
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_bus);
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    return env;
}

QString DesktopSession::screenReaderView(const QString &program, const QString &window) const
{
    QStringList arguments{QStringLiteral(ORVANE_SOURCE_DIR "/tests/e2e/screen_reader.py"), program};
    if (!window.isEmpty())
        arguments << window;
    return run(u"/usr/bin/python3"_s, arguments);
}

void DesktopSession::startTrayHost()
{
    m_trayHost = spawn(u"trayer"_s, {u"--edge"_s, u"top"_s, u"--align"_s, u"right"_s, u"--widthtype"_s,
                                     u"request"_s, u"--height"_s, u"24"_s, u"--SetDockType"_s, u"false"_s});
}

void DesktopSession::stopTrayHost()
{
    if (!m_trayHost)
        return;
    m_trayHost->kill();
    m_trayHost->waitForFinished(10000);
    m_trayHost = nullptr;
}

QString DesktopSession::recordedNotifications()
{
    m_recorder->waitForReadyRead(100);
    m_recorded += QString::fromUtf8(m_recorder->readAllStandardOutput());
    return m_recorded;
}

bool DesktopSession::answerNotification(const QString &label) const
{
    writeFile(m_dunst.filePath(u"choice"_s), label.toUtf8());
    if (!waitUntil([this] { return run(u"dunstctl"_s, {u"count"_s, u"displayed"_s}).trimmed().toInt() > 0; }))
        return false;
    run(u"dunstctl"_s, {u"action"_s, u"0"_s});
    return true;
}

QStringList DesktopSession::windowsOf(qint64 pid) const
{
    return xdo({u"search"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(pid)}).split(u'\n', Qt::SkipEmptyParts);
}

QString DesktopSession::window(qint64 pid, const QString &title) const
{
    for (const QString &window : windowsOf(pid)) {
        if (xdo({u"getwindowname"_s, window}).startsWith(title))
            return window;
    }
    return {};
}

QString DesktopSession::waitForWindow(qint64 pid, const QString &title) const
{
    QString found;
    waitUntil([&] { return !(found = window(pid, title)).isEmpty(); });
    return found;
}

void DesktopSession::pickFromMenu(qint64 pid, int downs, const std::function<void()> &open) const
{
    const qsizetype before = windowsOf(pid).size();
    bool shown = false;
    for (int attempt = 0; attempt < 5 && !shown; ++attempt) {
        open();
        shown = waitUntil([&] { return windowsOf(pid).size() > before; }, 5000);
    }
    EXPECT_TRUE(shown) << "no menu opened";
    keys({}, QStringList(downs, u"Down"_s) << u"Return"_s);
}

QRect DesktopSession::geometry(const QString &window) const
{
    QHash<QString, int> values; // X=, Y=, WIDTH=, HEIGHT=, a line each
    for (const QString &line : xdo({u"getwindowgeometry"_s, u"--shell"_s, window}).split(u'\n'))
        values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
    return {values[u"X"_s], values[u"Y"_s], values[u"WIDTH"_s], values[u"HEIGHT"_s]};
}

void DesktopSession::click(const QString &window, QPoint point, int button) const
{
    xdo({u"mousemove"_s, u"--window"_s, window, QString::number(point.x()), QString::number(point.y()),
         u"click"_s, QString::number(button)});
}

void DesktopSession::keys(const QString &window, const QStringList &keys) const
{
    QStringList arguments;
    if (!window.isEmpty())
        arguments << u"windowfocus"_s << u"--sync"_s << window;
    xdo(arguments << u"key"_s << keys);
}

QPoint DesktopSession::trayIconPosition() const
{
    // The host's panel holds the docked icons: a small mapped window of the program's class lying
    // within it (an icon whose host has gone is left on the root window, elsewhere).
    const QString tree = run(u"xwininfo"_s, {u"-root"_s, u"-tree"_s});
    const QStringList mapped = xdo({u"search"_s, u"--onlyvisible"_s, u"--classname"_s, u"^orvane$"_s}).split(u'\n');
    static const QRegularExpression window(
        QStringLiteral(R"re((0x[0-9a-f]+) .*\("(\w+)" "(\w+)"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))re"));
    QRect panel;
    QList<QRect> icons;
    for (const QString &line : tree.split(u'\n')) {
        const QRegularExpressionMatch m = window.match(line);
        if (!m.hasMatch())
            continue;
        const QRect rect(m.captured(6).toInt(), m.captured(7).toInt(), m.captured(4).toInt(), m.captured(5).toInt());
        if (m.captured(2) == u"panel"_s && m.captured(3) == u"trayer"_s)
            panel = rect;
        else if (m.captured(2) == u"orvane"_s && rect.width() <= 48
                 && mapped.contains(QString::number(m.captured(1).toLongLong(nullptr, 16))))
            icons.append(rect);
    }
    for (const QRect &icon : icons) {
        if (panel.contains(icon.center()))
            return icon.center();
    }
    return {};
}

bool DesktopSession::photograph(const QString &file, const QRect &crop) const
{
    QStringList capture{u"import"_s, u"-window"_s, u"root"_s};
    if (!crop.isNull())
        capture << u"-crop"_s << u"%1x%2+%3+%4"_s.arg(crop.width()).arg(crop.height()).arg(crop.x()).arg(crop.y())
                << u"+repage"_s;
    return photographWith(capture, file);
}

} // namespace orvane::test
