#include "calendar_process.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

using namespace orvane::test;

namespace {

QStringList BrokenCopies(const CalendarSandbox &sandbox)
{
    return QDir(sandbox.dataDir()).entryList({QStringLiteral("orvane.orvd.broken-*")}, QDir::Files | QDir::Hidden);
}

} // namespace

TEST(OrvaneStartup, CreatesTheCalendarRefusesASecondInstanceAndSavesOnTerm)
{
    CalendarSandbox sandbox;
    QProcess first;
    sandbox.start(first);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath())) << first.readAllStandardError().constData();
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar());
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"OptionsFlag\"=\"13335\""));

    QProcess second;
    sandbox.start(second);
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 10);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError()).contains(QStringLiteral("единственном экземпляре")));

    // Switch the size option off while it runs: the save on the way out writes size word 0.
    QByteArray hive = readFile(sandbox.hivePath());
    hive.replace("\"OptionsFlag\"=\"13335\"", "\"OptionsFlag\"=\"13333\"");
    writeFile(sandbox.hivePath(), hive);
    EXPECT_EQ(terminate(first), 0);
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar(0));

    QProcess third;
    sandbox.start(third);
    QThread::msleep(300);
    EXPECT_EQ(third.state(), QProcess::Running) << "the lock of an ended instance is free again";
    EXPECT_EQ(terminate(third), 0);
}

TEST(OrvaneStartup, CorruptedCalendarAndAnswerNoLeavesTheFileAlone)
{
    CalendarSandbox sandbox;
    const QByteArray broken = DefaultCalendar().left(700);
    writeFile(sandbox.calendarPath(), broken);
    QProcess process;
    sandbox.start(process, {}, QStringLiteral("no"));
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 14);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("календарь испорчен")));
    EXPECT_EQ(readFile(sandbox.calendarPath()), broken);
    EXPECT_TRUE(BrokenCopies(sandbox).isEmpty());
}

TEST(OrvaneStartup, CorruptedCalendarAndAnswerYesKeepsTheBrokenFile)
{
    CalendarSandbox sandbox;
    const QByteArray broken("ORVANE? this is not a calendar at all");
    writeFile(sandbox.calendarPath(), broken);
    QProcess process;
    sandbox.start(process, {}, QStringLiteral("yes"));
    QThread::msleep(200);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath()));
    for (int i = 0; i < 100 && readFile(sandbox.calendarPath()) == broken; ++i)
        QThread::msleep(50);
    EXPECT_EQ(terminate(process), 0);
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar());
    const QStringList copies = BrokenCopies(sandbox);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readFile(sandbox.dataDir() + u'/' + copies.first()), broken);
}

TEST(OrvaneStartup, MonitoringWithoutTrayIconEndsAfterSaving)
{
    CalendarSandbox sandbox;
    QProcess process;
    sandbox.start(process, {QStringLiteral("/monitoring")});
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar());
}

TEST(OrvaneStartup, ACalendarThatCannotBeOpenedIsNamedAndLeftAlone)
{
    CalendarSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(sandbox.calendarPath()));
    QProcess process;
    sandbox.start(process, {}, QStringLiteral("yes"));
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 16);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).trimmed(),
              QStringLiteral("Невозможно открыть календарь.\n%1\n\nНа месте файла находится папка.")
                  .arg(sandbox.calendarPath()));
    EXPECT_TRUE(QFileInfo(sandbox.calendarPath()).isDir());
    EXPECT_TRUE(BrokenCopies(sandbox).isEmpty());
}
