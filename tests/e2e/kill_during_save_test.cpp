// The calendar killed with SIGKILL inside each step of its save, held there by strace, and at
// random moments of it: the file is always the old or the new one, whole, and the next start
// removes what a killed save left.
#include "calendar_process.h"
#include "store/save_leftovers.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <time.h>

using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kSizeKept = 13335;    // the size option on: the file holds size word 2
constexpr quint32 kSizeDropped = 13333; // off: size word 0

// Whether the process has a file open in `folder` other than `calendar`: its new calendar.
bool WritesIn(qint64 pid, const QString &folder, const QString &calendar)
{
    const QStringList files = openFiles(pid);
    return std::any_of(files.begin(), files.end(),
                       [&](const QString &file) { return file.startsWith(folder + u'/') && file != calendar; });
}

class KillDuringSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(sandbox.calendarPath(), FullCalendar());
        // The two versions the trials switch between, as the program itself writes them.
        EndInOrder(kSizeDropped);
        dropped = readFile(sandbox.calendarPath());
        saveTime = EndInOrder(kSizeKept);
        kept = readFile(sandbox.calendarPath());
        ASSERT_GT(kept.size(), 4'000'000);
        ASSERT_NE(kept, dropped);
    }

    // Starts the calendar (under `strace` when given) so that its save writes the other version,
    // and sends SIGTERM once it takes that as the order to save and end; the calendar's pid.
    qint64 StartAndTerminate(QProcess &process, const QStringList &strace = {})
    {
        before = readFile(sandbox.calendarPath()) == kept ? &kept : &dropped;
        after = before == &kept ? &dropped : &kept;
        sandbox.setOptions(before == &kept ? kSizeDropped : kSizeKept);
        if (strace.isEmpty())
            sandbox.start(process);
        else
            sandbox.startThrough(process, u"strace"_s, strace);
        qint64 pid = 0;
        EXPECT_TRUE(waitUntil([&] { return (pid = calendarPid(process, !strace.isEmpty())) > 0 && catchesTerm(pid); }))
            << process.readAllStandardError().constData();
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        return pid;
    }

    // An orderly end that saves with `options`; the nanoseconds from SIGTERM to the end.
    qint64 EndInOrder(quint32 options)
    {
        sandbox.setOptions(options);
        QProcess process;
        sandbox.start(process);
        waitUntil([&] { return catchesTerm(process.processId()); });
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(terminate(process), 0);
        return clock.nsecsElapsed();
    }

    // Files beside the calendar that a start must remove.
    QStringList Leftovers() const
    {
        QStringList names = QDir(sandbox.dataDir()).entryList(QDir::Files | QDir::Hidden);
        names.removeIf([](const QString &name) {
            return !orvane::IsSaveLeftoverSuffix(QStringView(name).mid(u"orvane.orvd."_s.size()));
        });
        return names;
    }

    CalendarSandbox sandbox;
    QByteArray dropped, kept;
    const QByteArray *before = nullptr, *after = nullptr;
    qint64 saveTime = 0;
};

} // namespace

TEST_F(KillDuringSaveTest, KilledInEachStepOfTheSaveTheCalendarIsTheOldOrTheNewOneWhole)
{
    if (QStandardPaths::findExecutable(u"strace"_s).isEmpty())
        GTEST_SKIP() << "strace is not installed (scripts/deps installs it)";
    // strace holds the save at the entry of a system call for half a second, long enough to
    // see the step and kill it there. Whatever the step, the calendar stays read-only.
    struct Step {
        const char *call, *what;
        bool newFile, leftover;
        std::function<bool(qint64 pid)> reached;
    } steps[] = {
        {"fdatasync", "the new file written, not yet named", false, false,
         [&](qint64 pid) { return WritesIn(pid, sandbox.dataDir(), sandbox.calendarPath()); }},
        {"rename", "the new file named beside the old one", false, true,
         [&](qint64) { return !Leftovers().isEmpty(); }},
        {"unlink", "the new file in place, the program on its way out", true, false,
         [&](qint64) { return readFile(sandbox.calendarPath()) == *after; }},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        QProcess process;
        const qint64 pid = StartAndTerminate(process, straceDelaying(QString::fromLatin1(step.call), 500));
        ASSERT_TRUE(waitUntil([&] { return step.reached(pid) || process.state() == QProcess::NotRunning; }, 60000));
        ASSERT_EQ(process.state(), QProcess::Running) << "ended before the step was seen";
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(readFile(sandbox.calendarPath()), step.newFile ? *after : *before);
        EXPECT_FALSE(QFile::permissions(sandbox.calendarPath()) & QFile::WriteOwner);
        EXPECT_EQ(Leftovers().isEmpty(), !step.leftover) << Leftovers().join(u' ').toStdString();
    }

    // The next start removes what a save left, and nothing else beside the calendar.
    const QString hiveFolder = QFileInfo(sandbox.hivePath()).absolutePath();
    writeFile(sandbox.calendarPath() + u".backup"_s, "a user's own copy");
    writeFile(hiveFolder + u"/registry.reg.PlmQaz"_s, "Windows Registry");
    EndInOrder(kSizeKept);
    EXPECT_EQ(readFile(sandbox.calendarPath()), kept);
    EXPECT_EQ(Leftovers(), QStringList());
    EXPECT_TRUE(QFile::exists(sandbox.calendarPath() + u".backup"_s));
    EXPECT_EQ(QDir(hiveFolder).entryList(QDir::Files), QStringList{u"registry.reg"_s});
}

TEST_F(KillDuringSaveTest, KilledAtRandomMomentsTheCalendarIsTheOldOrTheNewOneWhole)
{
    for (int trial = 0; trial < 30; ++trial) {
        QProcess process;
        const qint64 pid = StartAndTerminate(process);
        const qint64 delay = QRandomGenerator::global()->bounded(saveTime);
        const timespec span{static_cast<time_t>(delay / 1000000000), static_cast<long>(delay % 1000000000)};
        ::nanosleep(&span, nullptr);
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QByteArray now = readFile(sandbox.calendarPath());
        ASSERT_TRUE(now == *before || now == *after) << "trial " << trial << ": " << now.size() << " bytes";
        EXPECT_FALSE(QFile::permissions(sandbox.calendarPath()) & QFile::WriteOwner) << "trial " << trial;
        if (process.exitStatus() == QProcess::NormalExit) {
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_EQ(now, *after) << "ended in order before the kill";
        }
    }
}
