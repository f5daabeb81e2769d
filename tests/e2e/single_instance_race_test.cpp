// Twenty starts of the calendar at the same moment: exactly one runs, the others end with 10.
#include "calendar_process.h"
#include "test_env.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SingleInstanceRace, OfTwentySimultaneousStartsExactlyOneRunsAlsoWhenTheLastOneWasKilled)
{
    CalendarSandbox sandbox;
    for (bool killedBefore : {false, true}) {
        SCOPED_TRACE(killedBefore ? "a killed instance's lock" : "no lock");
        if (killedBefore) {
            QProcess killed;
            sandbox.start(killed);
            ASSERT_TRUE(waitUntil([&] { return readFile(sandbox.lockPath()).startsWith(QByteArray::number(killed.processId())); }));
            killed.kill();
            ASSERT_TRUE(killed.waitForFinished());
            QFile::remove(sandbox.dataDir() + u"/gate"_s);
        }
        Starts processes;
        ASSERT_NO_FATAL_FAILURE(StartAtOnce(sandbox, processes));
        ExpectExactlyOneRuns(processes);
    }
}
