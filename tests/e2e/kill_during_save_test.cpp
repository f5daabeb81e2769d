// The calendar process killed with SIGKILL at random moments of its save: the file is always the
// old or the new one, whole, and the next start removes the temporary file a killed save left.
#include "calendar_process.h"
#include "store/save_leftovers.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <time.h>
#include <unistd.h>
#include <utility>

using namespace orvane::test;

namespace {

constexpr int kTrials = 200;
const QByteArray kSizeKept = "13335";    // the size option on: the file holds size word 2
const QByteArray kSizeDropped = "13333"; // off: size word 0

// /dev/shm when it is a tmpfs: 200 saves of 4.6 MB stay in memory.
QString MemoryFolder()
{
    struct statfs fs {};
    if (::statfs("/dev/shm", &fs) == 0 && fs.f_type == TMPFS_MAGIC && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        return QStringLiteral("/dev/shm");
    return QDir::tempPath();
}

void SetOptions(const CalendarSandbox &sandbox, const QByteArray &flags)
{
    writeFile(sandbox.hivePath(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                                  "\"OptionsFlag\"=\"" + flags + "\"\n");
}

QByteArray ProcFile(qint64 pid, const char *name)
{
    return readFile(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1StringView(name)));
}

// True once the process has its SIGTERM handler: from then on SIGTERM means "save and end".
bool CatchesTerm(qint64 pid)
{
    const QByteArray status = ProcFile(pid, "status");
    const qsizetype at = status.indexOf("SigCgt:");
    if (at < 0)
        return false;
    const quint64 mask = status.mid(at + 7, status.indexOf('\n', at) - at - 7).trimmed().toULongLong(nullptr, 16);
    return (mask >> (SIGTERM - 1)) & 1;
}

// Nanoseconds the process's main thread has run.
qint64 RunTime(qint64 pid)
{
    return ProcFile(pid, "schedstat").split(' ').value(0).toLongLong();
}

// Waits until the process sits idle in its event loop: it ran less than 0.2 ms in 10 ms.
void WaitUntilIdle(qint64 pid)
{
    QDeadlineTimer deadline(10000);
    qint64 before = RunTime(pid);
    while (!deadline.hasExpired()) {
        QThread::msleep(10);
        const qint64 now = RunTime(pid);
        if (now - before < 200000)
            return;
        before = now;
    }
}

// Whether the process has a file open in `folder` other than `calendar`: its new calendar.
bool WritesIn(qint64 pid, const QString &folder, const QString &calendar)
{
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    const QByteArray loaded = QFile::encodeName(calendar);
    for (int fd = 0; fd < 256; ++fd) {
        char target[4096];
        const QByteArray fdPath = "/proc/" + QByteArray::number(pid) + "/fd/" + QByteArray::number(fd);
        const ssize_t size = ::readlink(fdPath.constData(), target, sizeof target);
        const QByteArray link(target, size > 0 ? size : 0);
        if (link.startsWith(prefix) && link != loaded)
            return true;
    }
    return false;
}

bool Removable(const QString &leftover)
{
    return orvane::IsSaveLeftoverSuffix(QStringView(leftover).mid(QStringLiteral("orvane.orvd.").size()));
}

void SleepNs(qint64 ns)
{
    const timespec span{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    ::nanosleep(&span, nullptr);
}

class KillDuringSaveTest : public ::testing::Test {
protected:
    // Starts the calendar and waits until it takes SIGTERM as the order to save and end.
    void StartReady(QProcess &process)
    {
        sandbox.start(process);
        QDeadlineTimer deadline(15000);
        while (!CatchesTerm(process.processId()) && !deadline.hasExpired() && process.state() == QProcess::Running)
            QThread::usleep(500);
        ASSERT_TRUE(CatchesTerm(process.processId())) << process.readAllStandardError().constData();
        WaitUntilIdle(process.processId());
    }

    // The times of one orderly end, from SIGTERM: the last poll that saw the new file open, and the end.
    struct Timing {
        qint64 writeTo = -1, end = 0;
    };

    Timing SaveOnce(const QByteArray &flags)
    {
        SetOptions(sandbox, flags);
        QProcess process;
        StartReady(process);
        const qint64 pid = process.processId();
        Timing timing;
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        while (!process.waitForFinished(0)) {
            if (WritesIn(pid, sandbox.dataDir(), sandbox.calendarPath()))
                timing.writeTo = clock.nsecsElapsed();
        }
        timing.end = clock.nsecsElapsed();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        return timing;
    }

    QStringList Leftovers() const
    {
        QStringList names = QDir(sandbox.dataDir()).entryList(QDir::Files | QDir::Hidden);
        names.removeOne(QStringLiteral("orvane.orvd"));
        return names;
    }

    // The leftovers a start must remove; one with letters of a single case may be a user's copy.
    QStringList RemovableLeftovers() const
    {
        QStringList names = Leftovers();
        names.removeIf([](const QString &name) { return !Removable(name); });
        return names;
    }

    CalendarSandbox sandbox{MemoryFolder()};
};

} // namespace

TEST_F(KillDuringSaveTest, TheCalendarIsAlwaysTheOldOrTheNewOneWhole)
{
    writeFile(sandbox.calendarPath(), FullCalendar());
    // The two versions the trials switch between, as the program itself writes them, and when
    // a save writes: half of the kills fall anywhere up to the end, half near the moment the new
    // file takes the old one's place. That moment lies between the latest kill that left the old
    // file and the earliest that found the new one; until both are known, the polls of the two
    // orderly ends give the window, and a build too slow for the polls to see the file open
    // starts from the end.
    const Timing first = SaveOnce(kSizeDropped);
    const QByteArray dropped = readFile(sandbox.calendarPath());
    const Timing second = SaveOnce(kSizeKept);
    const QByteArray kept = readFile(sandbox.calendarPath());
    ASSERT_GT(kept.size(), 4'000'000);
    ASSERT_NE(kept, dropped);
    const qint64 end = std::max(first.end, second.end);
    const bool seen = first.writeTo >= 0 || second.writeTo >= 0;
    const qint64 polledTo = seen ? std::max(first.writeTo, second.writeTo) : end;
    qint64 latestOld = -1, earliestNew = -1;
    const auto targetWindow = [&]() -> std::pair<qint64, qint64> {
        const qint64 from = latestOld < 0 || earliestNew < 0 ? polledTo : std::min(latestOld, earliestNew);
        const qint64 to = latestOld < 0 || earliestNew < 0 ? polledTo : std::max(latestOld, earliestNew);
        return {std::max<qint64>(0, from - 4'000'000), to + 1'000'000};
    };

    struct Tally {
        int ended = 0, killedOld = 0, killedNew = 0, killedWriting = 0, leftovers = 0;
    } tally;
    QStringList leftBefore; // what the trial before left
    QElapsedTimer total;
    total.start();
    for (int trial = 0; trial < kTrials; ++trial) {
        const bool wasKept = readFile(sandbox.calendarPath()) == kept;
        const QByteArray &before = wasKept ? kept : dropped;
        const QByteArray &after = wasKept ? dropped : kept;
        SetOptions(sandbox, wasKept ? kSizeDropped : kSizeKept);

        QProcess process;
        ASSERT_NO_FATAL_FAILURE(StartReady(process));
        const qint64 pid = process.processId();
        QRandomGenerator &random = *QRandomGenerator::global();
        const auto [from, to] = targetWindow();
        const qint64 delay = trial % 2 == 0 ? random.bounded(end) : from + random.bounded(to - from);
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        SleepNs(delay);
        const bool writing = WritesIn(pid, sandbox.dataDir(), sandbox.calendarPath());
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        ASSERT_TRUE(process.waitForFinished(15000));

        const QByteArray now = readFile(sandbox.calendarPath());
        ASSERT_TRUE(now == before || now == after)
            << "trial " << trial << ": " << now.size() << " bytes, neither the old nor the new calendar";
        if (now == before)
            latestOld = std::max(latestOld, delay);
        else if (earliestNew < 0 || delay < earliestNew)
            earliestNew = delay;
        if (process.exitStatus() == QProcess::NormalExit) {
            ASSERT_EQ(process.exitCode(), 0) << "trial " << trial;
            ASSERT_EQ(now, after) << "trial " << trial;
            ++tally.ended;
        } else {
            ++(now == before ? tally.killedOld : tally.killedNew);
            tally.killedWriting += writing;
        }
        const QStringList left = Leftovers();
        const bool reachedTheSave = writing || now == after;
        for (const QString &name : left) {
            tally.leftovers += !leftBefore.contains(name);
            ASSERT_TRUE(QRegularExpression(QStringLiteral("^orvane\\.orvd\\.[A-Za-z]{6}$")).match(name).hasMatch())
                << qPrintable(name);
            ASSERT_FALSE(reachedTheSave && leftBefore.contains(name) && Removable(name))
                << "trial " << trial << ": a start that went on to save kept " << qPrintable(name);
        }
        leftBefore = left;
    }
    const qint64 elapsedMs = total.elapsed();

    SaveOnce(kSizeKept);
    EXPECT_EQ(readFile(sandbox.calendarPath()), kept);
    EXPECT_EQ(RemovableLeftovers(), QStringList()) << "the next start removes what a killed save left";

    const auto [from, to] = targetWindow();
    std::printf("%d trials in %lld ms (SIGTERM to end %.1f ms, aimed at %.1f..%.1f ms): %d ended, killed %d "
                "with the old file, %d with the new, %d of them while writing; %d leftovers\n",
                kTrials, static_cast<long long>(elapsedMs), static_cast<double>(end) / 1e6,
                static_cast<double>(from) / 1e6, static_cast<double>(to) / 1e6, tally.ended,
                tally.killedOld, tally.killedNew, tally.killedWriting, tally.leftovers);
    EXPECT_GT(tally.killedWriting, 0) << "some kills must land inside the save";
    EXPECT_GT(tally.killedOld, 0);
    EXPECT_GT(tally.killedNew + tally.ended, 0);
}

TEST_F(KillDuringSaveTest, TheNextStartRemovesWhatAKilledSaveLeftBehind)
{
    writeFile(sandbox.calendarPath(), DefaultCalendar());
    const QString hiveFolder = QFileInfo(sandbox.hivePath()).absolutePath();
    writeFile(sandbox.calendarPath() + QStringLiteral(".QbXzTe"), FullCalendar().left(100000));
    writeFile(sandbox.calendarPath() + QStringLiteral(".backup"), "a user's own copy");
    writeFile(hiveFolder + QStringLiteral("/registry.reg.PlmQaz"), "Windows Registry");
    SaveOnce(kSizeKept);
    EXPECT_EQ(Leftovers(), QStringList{QStringLiteral("orvane.orvd.backup")});
    EXPECT_EQ(QDir(hiveFolder).entryList(QDir::Files), QStringList{QStringLiteral("registry.reg")});
}
