// The real calendar on a private X desktop: each dialog reached as a user reaches it, the picture
// of the window, and the calendar saved when it is ended while a dialog is open.
#include "calendar_process.h"
#include "desktop_session.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace orvane::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// 12 and 14 May of the sandbox's year 2026 (a common year) hold one event each.
QByteArray CalendarWithTwoDays(quint16 sizeWord)
{
    ByteBuilder b;
    b.header(sizeWord).defaultUserFields().emptySlots(131);
    b.i32(1).event(5, "first", "", 12).i32(0).i32(1).event(5, "second", "", 14);
    return b.emptySlots(366 - 134);
}

class OrvaneDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!desktop.failure().isEmpty())
            GTEST_SKIP() << desktop.failure().toStdString();
        writeFile(sandbox.calendarPath(), CalendarWithTwoDays(2));
    }
    void Start(QProcessEnvironment extra = {})
    {
        extra.insert(desktop.environment());
        sandbox.setEnvironment(extra);
        sandbox.start(process);
        window = desktop.waitForWindow(process.processId(), u"Календарь"_s);
        ASSERT_FALSE(window.isEmpty()) << process.readAllStandardError().constData();
        frame = desktop.geometry(window);
        // Square day cells; seven rows of them and 152 pixels of frame make the height.
        cell = (frame.height() - 152) / 7;
    }
    // The cell of a May day: May is the first month shown, its first day a Friday.
    QPoint MayDay(int day) const
    {
        const int k = day - 1 + 4;
        return {41 + 20 + (k / 7) * cell + cell / 2, 60 + (k % 7) * cell + cell / 2};
    }
    // Clicks a button of the window that opens a menu, and picks its entry `downs` steps down.
    void Menu(QPoint button, int downs)
    {
        const qsizetype before = desktop.windowsOf(process.processId()).size();
        desktop.click(window, button);
        ASSERT_TRUE(desktop.waitForMoreWindows(process.processId(), before));
        desktop.keys({}, QStringList(downs, u"Down"_s) << u"Return"_s);
    }
    QString WaitFor(const QString &title) const { return desktop.waitForWindow(process.processId(), title); }
    // An option changed while it runs shows the save on the way out: the size word.
    void EndsSavedOnTerm()
    {
        sandbox.setOptions(13333);
        EXPECT_EQ(terminate(process), 0) << process.readAllStandardError().constData();
        EXPECT_EQ(readFile(sandbox.calendarPath()), CalendarWithTwoDays(0));
    }

    DesktopSession desktop;
    CalendarSandbox sandbox;
    QProcess process;
    QString window;
    QRect frame;
    int cell = 0;
};

} // namespace

TEST_F(OrvaneDialogsTest, EachDialogOpensAsAUserOpensItAndTheCalendarIsSavedWhenEndedAboveIt)
{
    const struct {
        const char *title;
        std::function<void()> open;
    } dialogs[] = {
        {"Настройки", [&] { desktop.click(window, QPoint(100, 50), 3); }},
        {"О программе", [&] { Menu(QPoint(frame.width() - 88, 17), 2); }},
        {"День 10, Май",
         [&] {
             Menu(QPoint(50, 18), 1);
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
             const QPoint from = MayDay(12), to = MayDay(14);
             desktop.xdo({u"mousemove"_s, u"--window"_s, window, QString::number(from.x()), QString::number(from.y()),
                          u"mousedown"_s, u"1"_s, u"mousemove"_s, u"--window"_s, window, QString::number(from.x() + 4),
                          QString::number(from.y() + 4), u"mousemove"_s, u"--window"_s, window,
                          QString::number(to.x()), QString::number(to.y()), u"mouseup"_s, u"1"_s});
         }},
    };
    for (const auto &dialog : dialogs) {
        SCOPED_TRACE(dialog.title);
        writeFile(sandbox.calendarPath(), CalendarWithTwoDays(2));
        sandbox.setOptions(13335);
        ASSERT_NO_FATAL_FAILURE(Start());
        dialog.open();
        ASSERT_FALSE(WaitFor(QString::fromUtf8(dialog.title)).isEmpty());
        EndsSavedOnTerm();
    }
}

TEST_F(OrvaneDialogsTest, HelpContentsOpenTheUserGuidePage)
{
    // A desktop whose opener notes what it is asked to open.
    QTemporaryDir bin;
    const QString opened = bin.filePath(u"opened"_s);
    for (const QString &name : {u"xdg-open"_s, u"browser"_s}) {
        writeFile(bin.filePath(name), "#!/bin/sh\necho \"$@\" >> '" + opened.toUtf8() + "'\n");
        QFile::setPermissions(bin.filePath(name), QFile::ReadOwner | QFile::ExeOwner);
    }
    QProcessEnvironment extra;
    extra.insert(u"PATH"_s, bin.path() + u":/usr/bin:/bin"_s);
    extra.insert(u"BROWSER"_s, bin.filePath(u"browser"_s));
    ASSERT_NO_FATAL_FAILURE(Start(extra));
    Menu(QPoint(frame.width() - 88, 17), 1);
    ASSERT_TRUE(waitForFile(opened));
    const QString page = QStringLiteral(ORVANE_BINARY_DIR "/orvane-help.html");
    EXPECT_EQ(readFile(opened).trimmed(), QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()).toEncoded());
    EXPECT_TRUE(QString::fromUtf8(readFile(page)).contains(u"Руководство пользователя"_s));
    EndsSavedOnTerm();
}

// The picture of the window that the software-centre description shows: build/screenshots/.
TEST_F(OrvaneDialogsTest, TheCalendarWindowIsPhotographedWholeAndDrawn)
{
    QProcessEnvironment today;
    today.insert(u"ORVANE_TODAY"_s, u"2026-05-20"_s);
    ASSERT_NO_FATAL_FAILURE(Start(today));
    ASSERT_GT(frame.width(), 200);
    ASSERT_GT(frame.height(), 150);
    const QString shot = QStringLiteral(ORVANE_BINARY_DIR "/screenshots/orvane-main-window.png");
    EXPECT_TRUE(desktop.photograph(shot, frame)) << "a blank or half-painted window has a handful of colours";
    EXPECT_EQ(desktop.run(u"identify"_s, {u"-format"_s, u"%wx%h"_s, shot}),
              u"%1x%2"_s.arg(frame.width()).arg(frame.height()));
    EndsSavedOnTerm();
}
