// Twenty starts of the calendar at the same moment: exactly one runs, the others end with 10.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "test_env.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kStarts = 20;
using Starts = std::array<QProcess, kStarts>;

// Starts every process held at a gate, then opens it: each shell waits on a FIFO that the test
// keeps open, and once all of them have it open, the test closes it and they go on together.
void StartAtOnce(const CalendarSandbox &sandbox, Starts &processes)
{
    const QString gate = sandbox.dataDir() + u"/gate"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(gate).constData(), 0600), 0);
    const int held = ::open(QFile::encodeName(gate).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    for (QProcess &process : processes)
        sandbox.startThrough(process, u"/bin/sh"_s,
                             {u"-c"_s, u"read _ < \"$0\"; exec \"$1\""_s, gate, CalendarSandbox::executable(u"orvane"_s)});
    EXPECT_TRUE(waitUntil([&] {
        return std::all_of(processes.begin(), processes.end(), [&](QProcess &p) { return openFiles(p.processId()).contains(gate); });
    }));
    ::close(held);
}

void ExpectExactlyOneRuns(Starts &processes)
{
    // Nineteen end, refused; were a second instance to run, this waits out its limit and fails.
    waitUntil([&] {
        return std::count_if(processes.begin(), processes.end(),
                             [](QProcess &p) { return p.state() == QProcess::NotRunning || p.waitForFinished(1); })
            >= kStarts - 1;
    }, 120000);
    QProcess *running = nullptr;
    for (QProcess &process : processes) {
        if (process.state() != QProcess::NotRunning) {
            EXPECT_EQ(running, nullptr) << "a second instance runs";
            running = &process;
            continue;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 10) << process.readAllStandardError().constData();
    }
    ASSERT_NE(running, nullptr) << "one instance runs";
    EXPECT_EQ(terminate(*running), 0);
}

} // namespace

TEST(SingleInstanceRace, OfTwentySimultaneousStartsExactlyOneRunsWhateverLockWasLeft)
{
    CalendarSandbox sandbox;
    enum Left { Nothing, KilledInstance, EmptyLock };
    for (const Left left : {Nothing, KilledInstance, EmptyLock}) {
        SCOPED_TRACE(left);
        if (left == KilledInstance) {
            QProcess killed;
            sandbox.start(killed);
            ASSERT_TRUE(waitUntil([&] { return readFile(sandbox.lockPath()).startsWith(QByteArray::number(killed.processId())); }));
            killed.kill();
            ASSERT_TRUE(killed.waitForFinished());
        } else if (left == EmptyLock) {
            // A start killed between creating the lock and writing itself in, an hour ago: an
            // import takes it over too.
            const auto leaveEmptyLock = [&] {
                writeFile(sandbox.lockPath(), {});
                QFile lock(sandbox.lockPath());
                return lock.open(QIODevice::ReadWrite)
                       && lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
            };
            ASSERT_TRUE(leaveEmptyLock());
            EXPECT_EQ(sandbox.runCtl({u"import"_s, u"-"_s}, nullptr, nullptr, "<Orvane/>"), 0);
            ASSERT_TRUE(leaveEmptyLock());
        }
        QFile::remove(sandbox.dataDir() + u"/gate"_s);
        Starts processes;
        ASSERT_NO_FATAL_FAILURE(StartAtOnce(sandbox, processes));
        ExpectExactlyOneRuns(processes);
    }
}

// An import that saves while a starting calendar has read the file but not yet taken the lock:
// the calendar reads the file again once it holds the lock, and so keeps the imported events.
TEST(SingleInstanceRace, AnImportBetweenTheCalendarsReadAndItsLockIsKept)
{
    if (QStandardPaths::findExecutable(u"strace"_s).isEmpty())
        GTEST_SKIP() << "strace is not installed (scripts/deps installs it)";
    CalendarSandbox sandbox;
    ASSERT_TRUE(TestCalendar({{5, 11, u"Иван"_s}}).write(sandbox.calendarPath()));
    // strace holds the calendar at the opening of the lock file for as long as the test likes.
    const QString log = sandbox.path() + u"/strace.log"_s;
    QProcess strace;
    sandbox.startThrough(strace, u"strace"_s, straceDelaying(u"openat"_s, 600000, sandbox.lockPath(), log));
    qint64 pid = 0;
    const auto tasks = [&pid] {
        return QDir(u"/proc/%1/task"_s.arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    };
    // Held at the lock, its read of the calendar done: the thread that read it has ended.
    ASSERT_TRUE(waitUntil([&] {
        return (pid = calendarPid(strace, true)) > 0 && readFile(log).contains("orvane.lock") && tasks() == 1;
    })) << readFile(log).constData();
    QByteArray out;
    ASSERT_EQ(sandbox.runCtl({u"import"_s, u"-"_s}, &out, nullptr,
                             "<Orvane><Event name=\"imported\" category=\"Остальное\" month=\"6\" day=\"1\"/></Orvane>"),
              0);
    strace.kill(); // the calendar goes on without it, to its lock
    ASSERT_TRUE(waitUntil([&] { return readFile(sandbox.lockPath()).startsWith(QByteArray::number(pid)); }));
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return !QFile::exists(sandbox.lockPath()); })) << "its lock goes last, after the save";
    const CUser user = TestCalendar::read(sandbox.calendarPath());
    EXPECT_EQ(namesOn(user, 6, 1), QStringList{u"imported"_s});
    EXPECT_EQ(namesOn(user, 5, 11), QStringList{u"Иван"_s});
}
