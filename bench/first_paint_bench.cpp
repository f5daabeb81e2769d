// Time from process start to the first completed paint of the calendar's main window (over an
// empty and over a full calendar: 366 days x 40 events, all to be notified) and of the
// upcoming-events monitor over the full calendar (also with the 31 days before today missed),
// against a bare Qt dialog's start measured in the same run. The full calendar comes twice: its texts repeated (which the loader shares) and
// each distinct, as in a real calendar. The benchmark starts this program again as a child ("--child calendar",
// "--child monitor" or "--child bare"). The calendar children run the program's own start-up
// (RunApplication, with "/monitoring" for the monitor); each child prints the steady-clock time
// at which its first window has finished its first paint and its resident memory then (VmRSS and
// its peak VmHWM, in kB), and ends. The Qt platform comes from the environment (offscreen, or
// xcb under Xvfb).
#include "app/application.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "full_calendar.h"

#include "median_reporter.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

qint64 SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in kB; 0 where there is none.
long long ResidentKilobytes(const QByteArray &status, const QByteArray &key)
{
    for (const QByteArray &line : status.split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Prints the time once the first window's first paint has been handled, then ends the program
// as a user would (the calendar children save their calendar on the way out).
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                const qint64 painted = SteadyNanoseconds();
                QFile file(QStringLiteral("/proc/self/status"));
                const QByteArray status = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                std::printf("%lld %lld %lld\n", static_cast<long long>(painted),
                            ResidentKilobytes(status, "VmRSS:"), ResidentKilobytes(status, "VmHWM:"));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

// Set by a child before its application object exists, which then watches all its windows.
bool g_watchFirstPaint = false;

void WatchFirstPaint()
{
    if (g_watchFirstPaint)
        qApp->installEventFilter(new FirstPaintProbe(qApp));
}
Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)

int RunBareDialog(int argc, char **argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Календарь"), &dialog));
    dialog.show();
    return application.exec();
}

// The program itself, started as its user starts it, with "/monitoring" for the monitor.
int RunProgram(char *self, bool monitoring)
{
    char monitoringSwitch[] = "/monitoring";
    char *argv[] = {self, monitoringSwitch, nullptr};
    return orvane::RunApplication(monitoring ? 2 : 1, argv);
}

// A full calendar (every slot of a leap year with 40 flagged events), in `folder`; its size.
qint64 WriteFullCalendar(const QString &folder, Texts texts)
{
    using namespace orvane;
    CRegistryStore registry;
    COptionFlags options(registry);
    CDataFile document(options);
    FillFullCalendar(document.m_user, 2024, false, texts);
    QDir().mkpath(folder);
    document.Write(folder + QStringLiteral("/orvane.orvd"), COptionFlags::kDefaultOptions);
    return QFileInfo(folder + QStringLiteral("/orvane.orvd")).size();
}

constexpr unsigned long kSettleMilliseconds = 100;

// One child's start: seconds to its first paint, resident memory then and at its peak, in kB.
struct ChildReport {
    bool ok = false;
    double seconds = 0;
    double rss = 0;
    double peak = 0;
};

ChildReport StartChild(const char *mode, const QString &dataDir)
{
    // The child before has just ended (a calendar child saving its calendar on the way out), and
    // the display server and the kernel are still clearing up after it: each start waits for
    // that to settle, so that no start pays for the one before it.
    QThread::msleep(kSettleMilliseconds);
    QProcess child;
    if (!dataDir.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORVANE_DATA_DIR"), dataDir);
        child.setProcessEnvironment(env);
    }
    const qint64 start = SteadyNanoseconds();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), QString::fromLatin1(mode)});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return {};
    const QList<QByteArray> report = child.readAllStandardOutput().simplified().split(' ');
    return {true, static_cast<double>(report.value(0).toLongLong() - start) / 1e9, report.value(1).toDouble(),
            report.value(2).toDouble()};
}

// Each iteration of a calendar case starts a bare dialog just before it, and the counter
// "x_bare" is the mean of the paired ratios: the machine's drift during a run (another process,
// a display server warming up) then weighs on both sides of each ratio alike.
void RunChild(benchmark::State &state, const char *mode, const QString &dataDir = {},
              const std::function<void()> &beforeEach = {})
{
    const bool paired = qstrcmp(mode, "bare") != 0;
    double rss = 0;
    double peak = 0;
    double ratios = 0;
    for (auto _ : state) {
        const ChildReport bare = paired ? StartChild("bare", {}) : ChildReport{true, 1, 0, 0};
        if (beforeEach)
            beforeEach();
        const ChildReport report = StartChild(mode, dataDir);
        if (!bare.ok || !report.ok) {
            state.SkipWithError("the child did not paint");
            return;
        }
        state.SetIterationTime(report.seconds);
        rss += report.rss;
        peak += report.peak;
        ratios += report.seconds / bare.seconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["RSS_MB"] = rss / 1024 / iterations;
    state.counters["HWM_MB"] = peak / 1024 / iterations;
    if (paired)
        state.counters["x_bare"] = ratios / iterations;
}

QString FullCalendarFolder(const char *texts)
{
    return qEnvironmentVariable("ORVANE_DATA_DIR") + QStringLiteral("-full-") + QLatin1String(texts);
}

void BM_FirstPaintCalendar(benchmark::State &state) { RunChild(state, "calendar"); }
void BM_FirstPaintCalendarFull(benchmark::State &state, const char *texts)
{
    RunChild(state, "calendar", FullCalendarFolder(texts));
}
void BM_FirstPaintBareDialog(benchmark::State &state) { RunChild(state, "bare"); }
void BM_FirstPaintMonitorFullCalendar(benchmark::State &state, const char *texts)
{
    RunChild(state, "monitor", FullCalendarFolder(texts));
}

// The monitor's start finds the last announcement 40 days old, so that it lists the 31 days
// before today as missed; the start announces, so the old day is written back before each.
void BM_FirstPaintMonitorMissedDays(benchmark::State &state, const char *texts)
{
    RunChild(state, "monitor", FullCalendarFolder(texts), [] {
        orvane::CRegistryStore registry;
        const QDate announced = QDate::currentDate().addDays(-40);
        registry.WriteInt(QStringLiteral("Orvane"), QStringLiteral("AnnouncedThrough"),
                          announced.year() * 10000 + announced.month() * 100 + announced.day());
    });
}

constexpr std::pair<const char *, Texts> kFullCalendars[] = {{"repeated", Texts::Repeated}, {"distinct", Texts::Distinct}};

template <class... Args>
void Register(const std::string &name, void (*function)(benchmark::State &, Args...), Args... args)
{
    benchmark::RegisterBenchmark(name.c_str(), function, args...)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        g_watchFirstPaint = true;
        if (qstrcmp(argv[2], "bare") == 0)
            return RunBareDialog(argc, argv);
        return RunProgram(argv[0], qstrcmp(argv[2], "monitor") == 0);
    }
    // The children keep their calendar, options and lock in a sandbox of their own; the desktop
    // notification the monitor sends finds no bus there and is dropped at once.
    QTemporaryDir sandbox;
    qputenv("ORVANE_DATA_DIR", QFile::encodeName(sandbox.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sandbox.path()));
    qputenv("DBUS_SESSION_BUS_ADDRESS", QFile::encodeName(u"unix:path="_qs + sandbox.path() + u"/no-bus"_qs));
    QCoreApplication application(argc, argv);
    Register("BM_FirstPaintBareDialog", BM_FirstPaintBareDialog);
    Register("BM_FirstPaintCalendar", BM_FirstPaintCalendar);
    std::vector<std::string> calendarCases{"BM_FirstPaintCalendar"};
    qint64 fileSize = 0;
    for (const auto &[texts, kind] : kFullCalendars) {
        fileSize = WriteFullCalendar(FullCalendarFolder(texts), kind);
        Register(std::string("BM_FirstPaintCalendarFull/") + texts, BM_FirstPaintCalendarFull, texts);
        Register(std::string("BM_FirstPaintMonitorFullCalendar/") + texts, BM_FirstPaintMonitorFullCalendar, texts);
        Register(std::string("BM_FirstPaintMonitorMissedDays/") + texts, BM_FirstPaintMonitorMissedDays, texts);
        calendarCases.insert(calendarCases.end(), {std::string("BM_FirstPaintCalendarFull/") + texts,
                                                   std::string("BM_FirstPaintMonitorFullCalendar/") + texts,
                                                   std::string("BM_FirstPaintMonitorMissedDays/") + texts});
    }
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("platform: %s\n", qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                      ? qgetenv("QT_QPA_PLATFORM").constData() : "default");
    std::printf("full calendar file: %.1f MB\n", static_cast<double>(fileSize) / 1024 / 1024);
    for (const std::string &name : calendarCases)
        reporter.PrintRatio(name.substr(3).c_str(), name, "bare dialog", "BM_FirstPaintBareDialog");
    for (const std::string &name : calendarCases)
        reporter.PrintCounter("x_bare", name, "paired with a bare dialog started just before");
    for (const std::string &name : calendarCases)
        reporter.PrintCounterRatio("RSS_MB", name, "BM_FirstPaintBareDialog");
    return 0;
}
