// The picture of the calendar window that its software-centre description shows: taken from the
// real window on a private X display, cropped to the window, into build/screenshots/.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "x_display.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

using namespace orvane::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// ImageMagick's tools, run to their end; their standard output.
QString Magick(const QString &program, const QStringList &arguments, const QString &display)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, display);
    tool.setProcessEnvironment(env);
    tool.start(program, arguments);
    tool.waitForFinished(30000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

TEST(ScreenshotTest, TheCalendarWindowIsPhotographedWholeAndDrawn)
{
    XDisplay display;
    ASSERT_TRUE(display.IsUp()) << "Xvfb (package xvfb)";
    CalendarSandbox sandbox;
    ASSERT_TRUE(writeCalendar(sandbox.calendarPath(), {{5, 9, u"День Победы"_s}, {5, 24, u"Мария"_s},
                                                       {6, 12, u"Иван Петрович"_s}}));
    QProcess process;
    sandbox.startOnDisplay(process, display.Name(), [] {
        QProcessEnvironment env;
        env.insert(u"ORVANE_TODAY"_s, u"2026-05-20"_s);
        return env;
    }());
    const QString window = display.WaitForWindow(process.processId(), u"Календарь"_s);
    ASSERT_FALSE(window.isEmpty()) << process.readAllStandardError().constData();
    QThread::msleep(1000); // the first paint after mapping

    const QRect frame = display.Geometry(window);
    ASSERT_GT(frame.width(), 200);
    ASSERT_GT(frame.height(), 150);
    const QString shot = QStringLiteral(ORVANE_BINARY_DIR "/screenshots/orvane-main-window.png");
    QDir().mkpath(QStringLiteral(ORVANE_BINARY_DIR "/screenshots"));
    QFile::remove(shot);
    const QString crop = u"%1x%2+%3+%4"_s.arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y());
    Magick(u"import"_s, {u"-window"_s, u"root"_s, u"-crop"_s, crop, u"+repage"_s, shot}, display.Name());
    EXPECT_EQ(terminate(process), 0);

    // The whole window, and drawn: a blank or half-painted window has a handful of colours.
    const QStringList facts = Magick(u"identify"_s, {u"-format"_s, u"%w %h %k"_s, shot}, display.Name()).split(u' ');
    ASSERT_EQ(facts.size(), 3) << shot.toStdString();
    EXPECT_EQ(facts[0].toInt(), frame.width());
    EXPECT_EQ(facts[1].toInt(), frame.height());
    EXPECT_GT(facts[2].toInt(), 16) << "colours in " << shot.toStdString();
}

} // namespace
