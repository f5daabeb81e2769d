// Twenty starts of the calendar at the same moment: exactly one runs, the others end with 10.
#include "calendar_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane::test;

namespace {

constexpr int kStarts = 20;

// Starts every process of `processes` held at a gate, then opens the gate: each waits for the end
// of a FIFO that the test keeps open, and all of them go on to the calendar when it closes.
void StartAtOnce(const CalendarSandbox &sandbox, std::array<QProcess, kStarts> &processes, const QString &gate)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(gate).constData(), 0600), 0);
    const int held = ::open(QFile::encodeName(gate).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    for (QProcess &process : processes)
        sandbox.startThrough(process, QStringLiteral("/bin/sh"),
                             {QStringLiteral("-c"), QStringLiteral("cat \"$0\" >/dev/null && exec \"$1\""), gate,
                              CalendarSandbox::executable(QStringLiteral("orvane"))});
    QThread::msleep(300); // every one of them waits at the gate
    ::close(held);
}

void ExpectExactlyOneRuns(std::array<QProcess, kStarts> &processes)
{
    const auto ended = [&processes] {
        return std::count_if(processes.begin(), processes.end(), [](QProcess &process) {
            return process.state() == QProcess::NotRunning || process.waitForFinished(10);
        });
    };
    QDeadlineTimer deadline(60000);
    while (ended() < kStarts - 1 && !deadline.hasExpired()) {
    }
    QThread::msleep(500); // time enough for a second instance to show itself by running on
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

TEST(SingleInstanceRace, OfTwentySimultaneousStartsExactlyOneRuns)
{
    CalendarSandbox sandbox;
    std::array<QProcess, kStarts> processes;
    ASSERT_NO_FATAL_FAILURE(StartAtOnce(sandbox, processes, sandbox.dataDir() + QStringLiteral("/gate")));
    ExpectExactlyOneRuns(processes);
}

TEST(SingleInstanceRace, TheLockOfAKilledInstanceGoesToExactlyOneOfTwentyStarts)
{
    CalendarSandbox sandbox;
    QProcess killed;
    sandbox.start(killed);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath()));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished());

    std::array<QProcess, kStarts> processes;
    ASSERT_NO_FATAL_FAILURE(StartAtOnce(sandbox, processes, sandbox.dataDir() + QStringLiteral("/gate")));
    ExpectExactlyOneRuns(processes);
}
