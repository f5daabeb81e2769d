// The calendar killed with SIGKILL inside each step of its save, held there by strace: the file
// is always the old or the new one, whole and read-only, and the next start removes what a killed
// save left.
#include "calendar_process.h"
#include "store/save_leftovers.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace orvane::test;
using namespace Qt::StringLiterals;

TEST(KillDuringSave, KilledInEachStepOfItsSaveTheCalendarIsTheOldOrTheNewOneWholeAndReadOnly)
{
    if (QStandardPaths::findExecutable(u"strace"_s).isEmpty())
        GTEST_SKIP() << "strace is not installed (scripts/deps installs it)";
    CalendarSandbox sandbox;
    const QString calendar = sandbox.calendarPath();
    writeFile(calendar, FullCalendar());
    // Starts the calendar (through `strace` when given) with the size option off (13333: size
    // word 0) or on (13335: 2), and sends SIGTERM once it takes that as the order to save and
    // end; the calendar's pid.
    const auto startAndTerminate = [&](QProcess &process, const QStringList &strace, quint32 options) {
        sandbox.setOptions(options);
        sandbox.startThrough(process, strace.isEmpty() ? CalendarSandbox::executable(u"orvane"_s) : u"strace"_s, strace);
        qint64 pid = 0;
        EXPECT_TRUE(waitUntil([&] { return (pid = calendarPid(process, !strace.isEmpty())) > 0 && catchesTerm(pid); }));
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        return pid;
    };
    // The two versions the steps switch between, as the program itself writes them.
    QByteArray versions[2], after;
    for (int i : {0, 1}) {
        QProcess process;
        startAndTerminate(process, {}, i == 0 ? 13333 : 13335);
        ASSERT_TRUE(process.waitForFinished(60000));
        versions[i] = readFile(calendar);
    }
    ASSERT_NE(versions[0], versions[1]);
    const auto leftovers = [&] {
        QStringList names = QDir(sandbox.dataDir()).entryList(QDir::Files | QDir::Hidden);
        names.removeIf([](const QString &name) {
            return !orvane::IsSaveLeftoverSuffix(QStringView(name).mid(u"orvane.orvd."_s.size()));
        });
        return names;
    };

    // strace holds the save at the entry of a system call for two seconds, long enough to see
    // the step and kill it there on a busy machine.
    const struct {
        const char *call, *what;
        bool newFile, leftover;
        std::function<bool(qint64 pid)> reached;
    } steps[] = {
        {"fdatasync", "the new file written, not yet named", false, false,
         [&](qint64 pid) {
             const QStringList files = openFiles(pid);
             return std::any_of(files.begin(), files.end(), [&](const QString &file) {
                 return file.startsWith(sandbox.dataDir() + u'/') && file != calendar;
             });
         }},
        {"rename", "the new file named beside the old one", false, true, [&](qint64) { return !leftovers().isEmpty(); }},
        {"unlink", "the new file in place, the program on its way out", true, false,
         [&](qint64) { return readFile(calendar) == after; }},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        const QByteArray before = readFile(calendar);
        const bool keptBefore = before == versions[1];
        after = versions[keptBefore ? 0 : 1];
        QProcess process;
        const qint64 pid = startAndTerminate(process, straceDelaying(QString::fromLatin1(step.call), 2000),
                                             keptBefore ? 13333 : 13335);
        ASSERT_TRUE(waitUntil([&] { return step.reached(pid) || process.state() == QProcess::NotRunning; }, 240000));
        ASSERT_EQ(process.state(), QProcess::Running) << "ended before the step was seen";
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(readFile(calendar), step.newFile ? after : before);
        EXPECT_FALSE(QFile::permissions(calendar) & QFile::WriteOwner);
        EXPECT_EQ(leftovers().isEmpty(), !step.leftover) << leftovers().join(u' ').toStdString();
    }

    // The next start removes what a save left, and nothing else beside the calendar.
    const QString hiveFolder = QFileInfo(sandbox.hivePath()).absolutePath();
    writeFile(calendar + u".backup"_s, "a user's own copy");
    writeFile(hiveFolder + u"/registry.reg.PlmQaz"_s, "Windows Registry");
    QProcess process;
    startAndTerminate(process, {}, 13335);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(leftovers(), QStringList());
    EXPECT_TRUE(QFile::exists(calendar + u".backup"_s));
    EXPECT_EQ(QDir(hiveFolder).entryList(QDir::Files), QStringList{u"registry.reg"_s});
}
