// The calendar on a real X desktop: the monitor, its notification through a real notification
// daemon, and the tray icon docked in a real notification-area host.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "desktop_session.h"
#include "test_env.h"

#include <QFile>
#include <QPoint>
#include <QThread>

#include <gtest/gtest.h>

using namespace orvane::test;

namespace {

const QString kMonitor = QStringLiteral("Монитор");
const QString kCalendar = QStringLiteral("Календарь");
// Centres of the monitor's toolbar buttons, from the window's top-left corner.
const QPoint kOpenButton(19, 14);
const QPoint kCloseButton(44, 14);

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!desktop.failure().isEmpty())
            GTEST_SKIP() << desktop.failure().toStdString();
        sandbox.setEnvironment(desktop.environment());
        ASSERT_TRUE(writeCalendar(sandbox.calendarPath(), {{5, 10, QStringLiteral("Иван Петрович")},
                                                           {5, 11, QStringLiteral("Мария")}}));
        // Writable, as a calendar is only while it is being saved: a save leaves it read-only.
        QFile::setPermissions(sandbox.calendarPath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning)
            terminate(process);
    }

    void SetOptions(quint32 options) const
    {
        writeFile(sandbox.hivePath(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                                      "\"OptionsFlag\"=\"" + QByteArray::number(options) + "\"\n");
    }
    bool Visible(const QString &name) const { return !desktop.visibleWindows(name).isEmpty(); }
    bool WaitVisible(const QString &name, bool visible = true) const
    {
        return waitUntil([&] { return Visible(name) == visible; });
    }
    void ClickIn(const QString &window, QPoint at, int button = 1) const
    {
        const QString id = desktop.visibleWindows(window).value(0);
        desktop.run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                                                QString::number(at.x()), QString::number(at.y()),
                                                QStringLiteral("click"), QString::number(button)});
    }
    void Keys(const QString &window, const QStringList &keys) const
    {
        const QString id = desktop.visibleWindows(window).value(0);
        desktop.run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        desktop.run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                                           QStringLiteral("100")} + keys);
    }
    // Right-clicks the tray icon and picks the menu entry `downs` steps down with the keyboard.
    void TrayMenu(int downs) const
    {
        const QPoint icon = desktop.trayIconPosition();
        desktop.run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(icon.x()),
                                                QString::number(icon.y()), QStringLiteral("click"), QStringLiteral("3")});
        QThread::msleep(400);
        QStringList keys(downs, QStringLiteral("Down"));
        desktop.run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                                           QStringLiteral("100")} + keys + QStringList{QStringLiteral("Return")});
    }
    bool Saved() const { return !(QFile::permissions(sandbox.calendarPath()) & QFile::WriteOwner); }
    bool WaitTrayIcon(bool docked, int timeoutMs = 10000) const
    {
        return waitUntil([&] { return desktop.trayIconPosition().isNull() != docked; }, timeoutMs);
    }
    void Look(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("ORVANE_LOOK_DIR");
        if (!folder.isEmpty())
            desktop.run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                   folder + u'/' + name + QStringLiteral(".png")});
    }

    DesktopSession desktop;
    CalendarSandbox sandbox;
    QProcess process;
};

} // namespace

TEST_F(DesktopTest, TheMonitorNotifiesAndItsOpenButtonBringsTheCalendar)
{
    SetOptions(13335);
    sandbox.start(process, {QStringLiteral("/monitoring")});
    ASSERT_TRUE(WaitVisible(kMonitor)) << process.readAllStandardError().constData();
    EXPECT_FALSE(Visible(kCalendar));
    ASSERT_TRUE(waitUntil([&] { return desktop.recordedNotifications().contains(u"Мария"); }))
        << desktop.recordedNotifications().toStdString();
    const QString call = desktop.recordedNotifications();
    EXPECT_TRUE(call.contains(QStringLiteral("string \"Монитор\"")));
    EXPECT_TRUE(call.contains(QStringLiteral("Сегодня: 10, Май (Воскресенье).\n  Иван Петрович\nЗавтра: 11, Май (Понедельник).\n  Мария")))
        << call.toStdString();
    EXPECT_EQ(call.count(QStringLiteral("member=Notify")), 1);
    QThread::msleep(300);
    Look(QStringLiteral("monitor_desktop"));

    ClickIn(kMonitor, kOpenButton);
    ASSERT_TRUE(WaitVisible(kCalendar));
    EXPECT_FALSE(Visible(kMonitor));
    EXPECT_EQ(terminate(process), 0);
    EXPECT_TRUE(Saved());
}

TEST_F(DesktopTest, ClosingTheMonitorWithoutTheTrayOptionEndsAfterSaving)
{
    SetOptions(13335);
    sandbox.start(process, {QStringLiteral("/monitoring")});
    ASSERT_TRUE(WaitVisible(kMonitor)) << process.readAllStandardError().constData();
    ClickIn(kMonitor, kCloseButton);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(Saved());
    // The position is kept on close (option 0x0001): the default, 5 pixels from the top right.
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"PositionX\"=\"1008\""));
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"PositionY\"=\"5\""));
}

TEST_F(DesktopTest, BehindTheTrayIconTheWindowHidesShowsSurvivesAHostRestartAndCloses)
{
    SetOptions(13335 | 0x40);
    desktop.startTrayHost();
    sandbox.start(process, {QStringLiteral("/monitoring")});
    ASSERT_TRUE(WaitVisible(kMonitor)) << process.readAllStandardError().constData();
    Keys(kMonitor, {QStringLiteral("Escape")});
    ASSERT_TRUE(WaitTrayIcon(true)) << "cancelled with the tray option: the calendar runs behind its icon";
    QThread::msleep(500);
    EXPECT_FALSE(Visible(kCalendar));
    EXPECT_EQ(process.state(), QProcess::Running);

    TrayMenu(1); // "Показать"
    ASSERT_TRUE(WaitVisible(kCalendar));
    Look(QStringLiteral("tray_shown"));
    Keys(kCalendar, {QStringLiteral("Escape")});
    ASSERT_TRUE(WaitVisible(kCalendar, false)) << "Esc hides the window while the icon can bring it back";
    QThread::msleep(300);
    EXPECT_EQ(process.state(), QProcess::Running) << "hidden, not ended";

    desktop.stopTrayHost();
    ASSERT_TRUE(WaitTrayIcon(false));
    desktop.startTrayHost();
    EXPECT_TRUE(WaitTrayIcon(true, 3000)) << "the icon is back in the new host within 3 s";

    TrayMenu(2); // "Закрыть"
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(Saved());

    // Hidden behind the icon, the calendar still ends in order on SIGTERM.
    QFile::setPermissions(sandbox.calendarPath(), QFile::ReadOwner | QFile::WriteOwner);
    sandbox.start(process, {QStringLiteral("/monitoring")});
    ASSERT_TRUE(WaitVisible(kMonitor));
    Keys(kMonitor, {QStringLiteral("Escape")});
    ASSERT_TRUE(WaitTrayIcon(true));
    EXPECT_EQ(terminate(process), 0);
    EXPECT_TRUE(Saved());
}
