#include "calendar_process.h"
#include "x_display.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
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

// The real calendar on a private X display, ended by SIGTERM while a dialog is open. The
// calendar is saved on the way out: an option changed while it runs (the size word) shows it.
class OrvaneDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_display.IsUp()) << "Xvfb (package xvfb)";
        writeFile(m_sandbox.calendarPath(), CalendarWithTwoDays(2));
    }
    void Start(const QProcessEnvironment &extra = {})
    {
        m_sandbox.startOnDisplay(m_process, m_display.Name(), extra);
        m_window = m_display.WaitForWindow(m_process.processId(), u"Календарь"_s);
        ASSERT_FALSE(m_window.isEmpty()) << m_process.readAllStandardError().constData();
        const QRect frame = m_display.Geometry(m_window);
        m_size = frame.size();
        // Square day cells; seven rows of them and 152 pixels of frame make the height.
        m_cell = (m_size.height() - 152) / 7;
    }
    // The cell of a May day: May is the first month shown, its first day a Friday.
    QPoint MayDay(int day) const
    {
        const int k = day - 1 + 4;
        return {41 + 20 + (k / 7) * m_cell + m_cell / 2, 60 + (k % 7) * m_cell + m_cell / 2};
    }
    QString WaitFor(const QString &title) { return m_display.WaitForWindow(m_process.processId(), title); }
    void EndsSavedOnTerm()
    {
        QByteArray hive = readFile(m_sandbox.hivePath());
        hive.replace("\"OptionsFlag\"=\"13335\"", "\"OptionsFlag\"=\"13333\"");
        writeFile(m_sandbox.hivePath(), hive);
        EXPECT_EQ(terminate(m_process), 0) << m_process.readAllStandardError().constData();
        EXPECT_EQ(readFile(m_sandbox.calendarPath()), CalendarWithTwoDays(0));
    }

    XDisplay m_display;
    CalendarSandbox m_sandbox;
    QProcess m_process;
    QString m_window;
    QSize m_size;
    int m_cell = 0;
};

TEST_F(OrvaneDialogsTest, SettingsOpenFromARightClickBesideTheDays)
{
    Start();
    m_display.Click(m_window, QPoint(100, 50), 3);
    ASSERT_FALSE(WaitFor(u"Настройки"_s).isEmpty());
    EndsSavedOnTerm();
}

TEST_F(OrvaneDialogsTest, AboutBoxFromTheQuestionMarkMenu)
{
    Start();
    m_display.Click(m_window, QPoint(m_size.width() - 88, 17));
    m_display.Keys({}, {u"Down"_s, u"Down"_s, u"Return"_s});
    ASSERT_FALSE(WaitFor(u"О программе"_s).isEmpty());
    EndsSavedOnTerm();
}

TEST_F(OrvaneDialogsTest, DayEditorOpenedFromTheGoToDayDialogAboveIt)
{
    Start();
    m_display.Click(m_window, QPoint(50, 18));
    m_display.Keys({}, {u"Down"_s, u"Return"_s});
    const QString goToDay = WaitFor(u"Просмотреть день"_s);
    ASSERT_FALSE(goToDay.isEmpty());
    m_display.Keys(goToDay, {u"Return"_s});
    ASSERT_FALSE(WaitFor(u"День 10, Май"_s).isEmpty());
    EndsSavedOnTerm();
}

TEST_F(OrvaneDialogsTest, DayEditorFromAClickAndItsUncommittedEditIsDropped)
{
    Start();
    m_display.Click(m_window, MayDay(7));
    const QString editor = WaitFor(u"День 07, Май"_s);
    ASSERT_FALSE(editor.isEmpty());
    // "Событие" adds an event to the working copy and opens its name for editing; it is not
    // committed, so the saved calendar does not have it.
    m_display.Keys(editor, {u"Tab"_s, u"Tab"_s, u"space"_s});
    EndsSavedOnTerm();
}

TEST_F(OrvaneDialogsTest, MergeDialogFromADropOntoADayWithEvents)
{
    Start();
    const QPoint from = MayDay(12);
    const QPoint to = MayDay(14);
    m_display.Xdo({u"mousemove"_s, u"--window"_s, m_window, QString::number(from.x()),
                   QString::number(from.y()), u"sleep"_s, u"0.2"_s, u"mousedown"_s, u"1"_s,
                   u"sleep"_s, u"0.2"_s, u"mousemove"_s, u"--window"_s, m_window,
                   QString::number(from.x() + 4), QString::number(from.y() + 4), u"sleep"_s,
                   u"0.2"_s, u"mousemove"_s, u"--window"_s, m_window, QString::number(to.x()),
                   QString::number(to.y()), u"sleep"_s, u"0.2"_s, u"mouseup"_s, u"1"_s});
    ASSERT_FALSE(WaitFor(u"Объединение"_s).isEmpty());
    EndsSavedOnTerm();
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
    Start(extra);
    m_display.Click(m_window, QPoint(m_size.width() - 88, 17));
    m_display.Keys({}, {u"Down"_s, u"Return"_s});
    ASSERT_TRUE(waitForFile(opened));
    const QString page = QStringLiteral(ORVANE_BINARY_DIR "/orvane-help.html");
    EXPECT_EQ(readFile(opened).trimmed(), QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()).toEncoded());
    EXPECT_TRUE(QString::fromUtf8(readFile(page)).contains(u"Руководство пользователя"_s));
    EndsSavedOnTerm();
}

} // namespace
