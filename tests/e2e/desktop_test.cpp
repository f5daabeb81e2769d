// The calendar on a real X desktop: the monitor, its notification through a real notification
// daemon, and the tray icon docked in a real notification-area host.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "desktop_session.h"
#include "test_env.h"

#include <QFile>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

const QString kMonitor = u"Монитор"_s;
const QString kCalendar = u"Календарь"_s;
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
        ASSERT_TRUE(TestCalendar({{5, 10, u"Иван Петрович"_s}, {5, 11, u"Мария"_s}}).write(sandbox.calendarPath()));
    }
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning)
            terminate(process);
    }

    // Starts the calendar for the monitor, as at log-on; the monitor's window.
    QString StartMonitoring(quint32 options)
    {
        // Writable, as a calendar is only while it is being saved: a save leaves it read-only.
        QFile::setPermissions(sandbox.calendarPath(), QFile::ReadOwner | QFile::WriteOwner);
        sandbox.setOptions(options);
        sandbox.start(process, {u"/monitoring"_s});
        const QString monitor = desktop.waitForWindow(process.processId(), kMonitor);
        EXPECT_FALSE(monitor.isEmpty()) << process.readAllStandardError().constData();
        return monitor;
    }
    QString Calendar() const { return desktop.waitForWindow(process.processId(), kCalendar); }
    bool Shown(const QString &title) const { return !desktop.window(process.processId(), title).isEmpty(); }
    // Right-clicks the tray icon and picks the menu entry `downs` steps down with the keyboard. An
    // icon just docked in a new host may miss the first click: it is clicked again until the
    // menu shows.
    void TrayMenu(int downs) const
    {
        const qsizetype before = desktop.windowsOf(process.processId()).size();
        bool shown = false;
        for (int attempt = 0; attempt < 5 && !shown; ++attempt) {
            const QPoint icon = desktop.trayIconPosition();
            desktop.xdo({u"mousemove"_s, QString::number(icon.x()), QString::number(icon.y()), u"click"_s, u"3"_s});
            shown = waitUntil([&] { return desktop.windowsOf(process.processId()).size() > before; }, 5000);
        }
        ASSERT_TRUE(shown);
        desktop.keys({}, QStringList(downs, u"Down"_s) << u"Return"_s);
    }
    bool WaitTrayIcon(bool docked) const
    {
        return waitUntil([&] { return desktop.trayIconPosition().isNull() != docked; });
    }
    bool Saved() const { return !(QFile::permissions(sandbox.calendarPath()) & QFile::WriteOwner); }
    void EndsSaved(int exitCode)
    {
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), exitCode);
        EXPECT_TRUE(Saved());
    }

    DesktopSession desktop{DesktopSession::Notifications | DesktopSession::TrayHost};
    CalendarSandbox sandbox;
    QProcess process;
};

} // namespace

TEST_F(DesktopTest, TheMonitorNotifiesItsOpenButtonBringsTheCalendarItsCloseButtonEnds)
{
    const QString monitor = StartMonitoring(13335);
    ASSERT_FALSE(monitor.isEmpty());
    ASSERT_TRUE(waitUntil([&] { return desktop.recordedNotifications().contains(u"Мария"_s); }))
        << desktop.recordedNotifications().toStdString();
    const QString call = desktop.recordedNotifications();
    EXPECT_TRUE(call.contains(u"string \"Монитор\""_s));
    EXPECT_TRUE(call.contains(u"Сегодня: 10, Май (Воскресенье).\n  Иван Петрович\nЗавтра: 11, Май (Понедельник).\n  Мария"_s))
        << call.toStdString();
    EXPECT_EQ(call.count(u"member=Notify"_s), 1);
    EXPECT_FALSE(Shown(kCalendar));
    desktop.click(monitor, kOpenButton);
    ASSERT_FALSE(Calendar().isEmpty());
    EXPECT_TRUE(waitUntil([&] { return !Shown(kMonitor); }));
    EXPECT_EQ(terminate(process), 0);
    EXPECT_TRUE(Saved());

    // Closed without the tray option, the monitor ends the program after saving and keeps its
    // position (option 0x0001): the default, 5 pixels from the top right.
    desktop.click(StartMonitoring(13335), kCloseButton);
    EndsSaved(0);
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"PositionX\"=\"1008\""));
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"PositionY\"=\"5\""));
}

TEST_F(DesktopTest, BehindTheTrayIconTheWindowHidesShowsSurvivesAHostRestartAndCloses)
{
    desktop.startTrayHost();
    desktop.keys(StartMonitoring(13335 | 0x40), {u"Escape"_s});
    ASSERT_TRUE(WaitTrayIcon(true)) << "cancelled with the tray option: the calendar runs behind its icon";
    EXPECT_EQ(process.state(), QProcess::Running);

    ASSERT_NO_FATAL_FAILURE(TrayMenu(1)); // "Показать"
    const QString calendar = Calendar();
    ASSERT_FALSE(calendar.isEmpty());
    desktop.keys(calendar, {u"Escape"_s});
    ASSERT_TRUE(waitUntil([&] { return !Shown(kCalendar); })) << "Esc hides it while the icon can bring it back";
    EXPECT_EQ(process.state(), QProcess::Running) << "hidden, not ended";

    desktop.stopTrayHost();
    ASSERT_TRUE(WaitTrayIcon(false));
    desktop.startTrayHost();
    EXPECT_TRUE(WaitTrayIcon(true)) << "the icon is back in the new host";

    ASSERT_NO_FATAL_FAILURE(TrayMenu(2)); // "Закрыть"
    EndsSaved(0);

    // Hidden behind the icon, the calendar still ends in order on SIGTERM.
    desktop.keys(StartMonitoring(13335 | 0x40), {u"Escape"_s});
    ASSERT_TRUE(WaitTrayIcon(true));
    EXPECT_EQ(terminate(process), 0);
    EXPECT_TRUE(Saved());
}

// The disk fills while the calendar runs; ended from outside, its save fails with nobody to
// click a message: it says why on standard error and in a notification, and ends with 17.
TEST_F(DesktopTest, AFailedSaveAtTheEndIsToldAndEndsWithItsOwnStatus)
{
    const QByteArray folder = QFile::encodeName(sandbox.dataDir());
    if (::geteuid() != 0 || ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "a small file system of its own needs root to mount";
    const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
    ASSERT_TRUE(TestCalendar({{5, 11, u"Мария"_s}}).write(sandbox.calendarPath()));
    const QByteArray before = readFile(sandbox.calendarPath());
    sandbox.start(process);
    ASSERT_TRUE(waitUntil([&] { return catchesTerm(process.processId()); }));
    QFile filler(sandbox.dataDir() + u"/filler"_s);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) {
    }
    EXPECT_EQ(terminate(process), 17);
    const QString reason = u"Невозможно сохранить календарь\n%1\n\nНет места на диске"_s.arg(sandbox.calendarPath());
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).trimmed(), reason);
    EXPECT_TRUE(waitUntil([&] { return desktop.recordedNotifications().contains(u"Нет места на диске"_s); }));
    EXPECT_EQ(readFile(sandbox.calendarPath()), before);
}
