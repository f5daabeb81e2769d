// The calendar on a private X desktop with a real notification daemon and tray host: each dialog
// reached as a user reaches it, the monitor and its notification, the tray icon, the picture of
// the window, and the calendar saved (or the failure told) whenever it is ended.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "desktop_session.h"
#include "test_env.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>

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
        // A desktop whose opener notes what it is asked to open.
        for (const QString &name : {u"xdg-open"_s, u"browser"_s}) {
            writeFile(bin.filePath(name), "#!/bin/sh\necho \"$@\" >> '" + bin.filePath(u"opened"_s).toUtf8() + "'\n");
            QFile::setPermissions(bin.filePath(name), QFile::ReadOwner | QFile::ExeOwner);
        }
        env = desktop.environment();
        env.insert(u"PATH"_s, bin.path() + u":/usr/bin:/bin"_s);
        env.insert(u"BROWSER"_s, bin.filePath(u"browser"_s));
        sandbox.setEnvironment(env);
    }
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning)
            terminate(process);
    }

    // Starts the calendar on a calendar of two May days, 10 and 11 (the monitor's first one
    // with `arguments` /monitoring); the window that comes first.
    QString Start(quint32 options, const QStringList &arguments = {})
    {
        EXPECT_TRUE(TestCalendar({{5, 10, u"Иван Петрович"_s}, {5, 11, u"Мария"_s}}).write(sandbox.calendarPath()));
        sandbox.setOptions(options);
        sandbox.start(process, arguments);
        window = desktop.waitForWindow(process.processId(), arguments.isEmpty() ? kCalendar : kMonitor);
        EXPECT_FALSE(window.isEmpty()) << process.readAllStandardError().constData();
        frame = desktop.geometry(window);
        return window;
    }
    // The cell of a May day: May is the first month shown, its first day a Friday; square
    // cells, seven rows of them and 152 pixels of frame make the height.
    QPoint MayDay(int day) const
    {
        const int cell = (frame.height() - 152) / 7, k = day - 1 + 4;
        return {41 + 20 + (k / 7) * cell + cell / 2, 60 + (k % 7) * cell + cell / 2};
    }
    QString WaitFor(const QString &title) const { return desktop.waitForWindow(process.processId(), title); }
    bool Shown(const QString &title) const { return !desktop.window(process.processId(), title).isEmpty(); }
    void TrayMenu(int downs) const
    {
        desktop.pickFromMenu(process.processId(), downs, [&] {
            const QPoint icon = desktop.trayIconPosition();
            desktop.xdo({u"mousemove"_s, QString::number(icon.x()), QString::number(icon.y()), u"click"_s, u"3"_s});
        });
    }
    bool WaitTrayIcon(bool docked) const
    {
        return waitUntil([&] { return desktop.trayIconPosition().isNull() != docked; });
    }
    // Ends after saving, the file read-only: `byItself` (a window's close), or by SIGTERM, the
    // size option switched off meanwhile (the saved size word shows the save was made then).
    void EndsSaved(bool byItself = false)
    {
        if (byItself) {
            ASSERT_TRUE(process.waitForFinished(30000));
            EXPECT_EQ(process.exitCode(), 0);
        } else {
            sandbox.setOptions(13333);
            EXPECT_EQ(terminate(process), 0) << process.readAllStandardError().constData();
            EXPECT_EQ(readFile(sandbox.calendarPath()).mid(21, 2), QByteArray(2, '\0'));
        }
        EXPECT_FALSE(QFile::permissions(sandbox.calendarPath()) & QFile::WriteOwner);
    }

    DesktopSession desktop{DesktopSession::Notifications | DesktopSession::TrayHost | DesktopSession::ScreenReader};
    QProcessEnvironment env;
    QTemporaryDir bin;
    CalendarSandbox sandbox;
    QProcess process;
    QString window;
    QRect frame;
};

} // namespace

TEST_F(DesktopTest, EachDialogOpensAsAUserOpensItAndTheCalendarIsSavedWhenEndedAboveIt)
{
    const auto menu = [&](QPoint button, int downs) {
        desktop.pickFromMenu(process.processId(), downs, [&] { desktop.click(window, button); });
    };
    const struct {
        const char *title;
        std::function<void()> open;
    } dialogs[] = {
        {"Настройки", [&] { desktop.click(window, QPoint(100, 50), 3); }},
        {"О программе", [&] { menu(QPoint(frame.width() - 88, 17), 2); }},
        {"День 10, Май",
         [&] {
             menu(QPoint(50, 18), 1);
             desktop.keys(WaitFor(u"Просмотреть день"_s), {u"Return"_s});
         }},
        // "Событие" adds an event to the working copy and opens its name for editing; it is not
        // committed, so the saved calendar does not have it.
        {"День 07, Май",
         [&] {
             desktop.click(window, MayDay(7));
             desktop.keys(WaitFor(u"День 07, Май"_s), {u"Tab"_s, u"Tab"_s, u"space"_s});
         }},
        {"Объединение",
         [&] {
             const QPoint from = MayDay(10), to = MayDay(11);
             desktop.xdo({u"mousemove"_s, u"--window"_s, window, QString::number(from.x()), QString::number(from.y()),
                          u"mousedown"_s, u"1"_s, u"mousemove"_s, u"--window"_s, window, QString::number(from.x() + 4),
                          QString::number(from.y() + 4), u"mousemove"_s, u"--window"_s, window,
                          QString::number(to.x()), QString::number(to.y()), u"mouseup"_s, u"1"_s});
         }},
    };
    for (const auto &dialog : dialogs) {
        SCOPED_TRACE(dialog.title);
        ASSERT_FALSE(Start(13335).isEmpty());
        dialog.open();
        ASSERT_FALSE(WaitFor(QString::fromUtf8(dialog.title)).isEmpty());
        EndsSaved();
    }

    // The picture the software-centre description shows, whole and drawn.
    ASSERT_FALSE(Start(13335).isEmpty());
    const QString shot = QStringLiteral(ORVANE_BINARY_DIR "/screenshots/orvane-main-window.png");
    EXPECT_TRUE(desktop.photograph(shot, frame)) << "a blank or half-painted window has a handful of colours";
    EXPECT_EQ(desktop.run(u"identify"_s, {u"-format"_s, u"%wx%h"_s, shot}), u"%1x%2"_s.arg(frame.width()).arg(frame.height()));

    // "?", "Содержание": the user guide, through the desktop's opener.
    menu(QPoint(frame.width() - 88, 17), 1);
    ASSERT_TRUE(waitForFile(bin.filePath(u"opened"_s)));
    const QString page = QStringLiteral(ORVANE_BINARY_DIR "/orvane-help.html");
    EXPECT_EQ(readFile(bin.filePath(u"opened"_s)).trimmed(), QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()).toEncoded());
    EXPECT_TRUE(QString::fromUtf8(readFile(page)).contains(u"Руководство пользователя"_s));
    EndsSaved();
}

// What a screen reader reads of the window through the accessibility bus: the days as the cells
// of a table per month, named by their dates, told their events, the keyboard's day focused;
// and the option tree's rows with their states.
TEST_F(DesktopTest, AScreenReaderReadsTheDaysFollowsTheKeyboardAndReadsTheOptions)
{
    env.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_s, u"1"_s);
    sandbox.setEnvironment(env);
    ASSERT_FALSE(Start(13335).isEmpty());
    const auto view = [&] { return desktop.screenReaderView(u"orvane"_s); };
    // The line of the cell of a May day, with its states; empty when none.
    const auto cell = [&](const QString &name) {
        const QRegularExpression line(u"^\\d+ table cell \\| "_s + QRegularExpression::escape(name) + u" \\|.*$"_s,
                                      QRegularExpression::MultilineOption);
        return line.match(view()).captured();
    };
    EXPECT_TRUE(cell(u"понедельник, 11 мая 2026 г."_s).contains(u"| 1 событие: Мария |"_s)) << view().toStdString();
    // The first arrow selects today, the next moves on.
    desktop.keys(window, {u"Down"_s});
    EXPECT_TRUE(waitUntil([&] { return cell(u"воскресенье, 10 мая 2026 г., сегодня"_s).contains(u"focused"_s); }));
    desktop.keys(window, {u"Down"_s});
    EXPECT_TRUE(waitUntil([&] { return cell(u"понедельник, 11 мая 2026 г."_s).contains(u"focused"_s); }));

    // The option tree: its rows with their roles, states and levels, a row switched by keys.
    desktop.keys(window, {u"Menu"_s});
    const QString settings = WaitFor(u"Настройки"_s);
    ASSERT_FALSE(settings.isEmpty());
    const auto options = [&] { return desktop.screenReaderView(u"orvane"_s, u"Настройки"_s); };
    EXPECT_EQ(options().count(QRegularExpression(u"^\\d+ (check box|radio button|table cell) \\|"_s,
                                                 QRegularExpression::MultilineOption)), 15) << options().toStdString();
    EXPECT_TRUE(options().contains(u"\n4 radio button | 7 дней |  | checked,"_s));
    const QString sizeRow = u"\n3 check box | Сохранять размер календаря |  | "_s;
    EXPECT_TRUE(options().contains(sizeRow + u"checked,"_s));
    desktop.keys(settings, {u"Down"_s, u"space"_s});
    EXPECT_TRUE(waitUntil([&] { return options().contains(sizeRow + u"enabled,focusable,focused,"_s); })) << options().toStdString();
    desktop.keys(settings, {u"Escape"_s});
    EndsSaved();
}

TEST_F(DesktopTest, TheMonitorNotifiesItsOpenButtonBringsTheCalendarItsCloseButtonEnds)
{
    const QString monitor = Start(13335, {u"/monitoring"_s});
    ASSERT_TRUE(waitUntil([&] { return desktop.recordedNotifications().contains(u"Мария"_s); }));
    const QString call = desktop.recordedNotifications();
    EXPECT_TRUE(call.contains(u"string \"Монитор\""_s));
    EXPECT_TRUE(call.contains(u"Сегодня: 10, Май (Воскресенье).\n  Иван Петрович\nЗавтра: 11, Май (Понедельник).\n  Мария"_s))
        << call.toStdString();
    EXPECT_EQ(call.count(u"member=Notify"_s), 1);
    EXPECT_TRUE(call.contains(u"org.example.Orvane"_s) && !call.contains(u"Не напоминать"_s)) << "ended after it: no answers";
    EXPECT_EQ(sandbox.runCtl({u"notify"_s}), 1) << "the date is announced";
    EXPECT_FALSE(Shown(kCalendar));
    desktop.click(monitor, kOpenButton);
    ASSERT_FALSE(WaitFor(kCalendar).isEmpty());
    EXPECT_TRUE(waitUntil([&] { return !Shown(kMonitor); }));
    EndsSaved();

    // Closed without the tray option, the monitor ends the program after saving and keeps its
    // position (option 0x0001): the default, 5 pixels from the top right.
    desktop.click(Start(13335, {u"/monitoring"_s}), kCloseButton);
    EndsSaved(true);
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"PositionX\"=\"1008\""));
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"PositionY\"=\"5\""));

    // A year on, orvanectl notify comes first: the start shows its monitor but sends nothing more.
    QProcessEnvironment nextYear = desktop.environment();
    nextYear.insert(u"ORVANE_TODAY"_s, u"2027-05-10"_s);
    sandbox.setEnvironment(nextYear);
    const qsizetype sent = desktop.recordedNotifications().count(u"member=Notify"_s);
    EXPECT_EQ(sandbox.runCtl({u"notify"_s}), 0);
    EXPECT_EQ(sandbox.runCtl({u"notify"_s}), 1);
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"AnnouncedThrough\"=\"20270517\""));
    ASSERT_TRUE(waitUntil([&] { return desktop.recordedNotifications().contains(u"10, Май (Понедельник)"_s); }));
    sandbox.start(process, {u"/monitoring"_s});
    desktop.click(WaitFor(kMonitor), kCloseButton);
    EndsSaved(true);
    EXPECT_EQ(desktop.recordedNotifications().count(u"member=Notify"_s), sent + 1);
}

// The icon answers whatever the window's state, brings back shown a window that was minimised
// and restored by the window manager meanwhile, and survives a restart of its host; a second
// start brings the hidden calendar back, quietly; SIGTERM ends it hidden in order. The monitor
// cancelled with the tray option leaves the calendar running behind the icon.
TEST_F(DesktopTest, TheIconAnswersInEveryStateSurvivesItsHostAndASecondStartBringsTheCalendarBack)
{
    const QString calendar = Start(13335 | 0x40);
    desktop.keys(calendar, {u"Escape"_s}); // no host yet: minimised
    ASSERT_TRUE(waitUntil([&] { return !Shown(kCalendar); }));
    desktop.xdo({u"windowactivate"_s, calendar});
    ASSERT_TRUE(waitUntil([&] { return Shown(kCalendar); }));
    desktop.startTrayHost();
    ASSERT_TRUE(WaitTrayIcon(true));
    desktop.click(calendar, QPoint(frame.width() - 68, 17)); // "_"
    ASSERT_TRUE(waitUntil([&] { return !Shown(kCalendar); }));
    for (int shown = 0; shown < 2; ++shown) {
        ASSERT_NO_FATAL_FAILURE(TrayMenu(1)); // "Показать", hidden and then shown
        ASSERT_TRUE(waitUntil([&] { return Shown(kCalendar) && desktop.xdo({u"getactivewindow"_s}) == calendar; }))
            << "shown and active, not iconified";
    }

    desktop.keys(calendar, {u"Escape"_s});
    ASSERT_TRUE(waitUntil([&] { return !Shown(kCalendar); }));
    desktop.stopTrayHost();
    ASSERT_TRUE(WaitTrayIcon(false));
    desktop.startTrayHost();
    EXPECT_TRUE(WaitTrayIcon(true)) << "the icon is back in the new host";
    QProcess second;
    sandbox.start(second);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 10);
    EXPECT_EQ(second.readAllStandardError(), QByteArray()) << "no message: the calendar came instead";
    EXPECT_TRUE(waitUntil([&] { return Shown(kCalendar); }));
    desktop.keys(calendar, {u"Escape"_s});
    ASSERT_TRUE(waitUntil([&] { return !Shown(kCalendar); }));
    EndsSaved();

    // Its notification is answered: "Не напоминать" clears the listed events' flags at once.
    const QString monitor = Start(13335 | 0x40, {u"/monitoring"_s});
    ASSERT_TRUE(desktop.answerNotification(u"Не напоминать"_s));
    EXPECT_TRUE(waitUntil([&] {
        using orvane::CUser;
        const CUser saved = TestCalendar::read(sandbox.calendarPath());
        return !saved.Slot(CUser::SlotIndex(5, 10, 2026)).begin()->Monitoring
               && !saved.Slot(CUser::SlotIndex(5, 11, 2026)).begin()->Monitoring;
    }));
    desktop.keys(monitor, {u"Escape"_s});
    ASSERT_TRUE(WaitTrayIcon(true)) << "cancelled with the tray option: the calendar runs behind its icon";
    ASSERT_NO_FATAL_FAILURE(TrayMenu(2)); // "Закрыть"
    EndsSaved(true);
    // "Открыть календарь" answers as the monitor's own button.
    ASSERT_FALSE(Start(13335 | 0x40, {u"/monitoring"_s}).isEmpty());
    ASSERT_TRUE(desktop.answerNotification(u"Открыть календарь"_s));
    ASSERT_FALSE(WaitFor(kCalendar).isEmpty());
    EXPECT_TRUE(waitUntil([&] { return !Shown(kMonitor); }));
    EndsSaved();
}

// The disk fills while the calendar runs; ended from outside, its save fails with nobody to
// click a message: it says why on standard error and in a notification, and ends with 17.
TEST_F(DesktopTest, AFailedSaveAtTheEndIsToldAndEndsWithItsOwnStatus)
{
    const QByteArray folder = QFile::encodeName(sandbox.dataDir());
    if (::geteuid() != 0 || ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "a small file system of its own needs root to mount";
    const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
    ASSERT_FALSE(Start(13335).isEmpty());
    const QByteArray before = readFile(sandbox.calendarPath());
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
