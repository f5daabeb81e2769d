// Time from process start to the first completed paint of the calendar's main window, and of the
// upcoming-events monitor over a full calendar (366 days x 40 events, all to be notified),
// against a bare Qt dialog's start measured in the same run. The benchmark starts this program
// again as a child ("--child calendar", "--child monitor" or "--child bare"), which prints the
// steady-clock time at which its first paint has finished and ends. The Qt platform comes from the environment (offscreen, or
// xcb under Xvfb).
#include "app/app_context.h"
#include "app/calendar_loader.h"
#include "app/main_window_factory.h"
#include "app/platform_checks.h"
#include "app/translations.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "ui/reminders/monitor_dialog.h"

#include "median_reporter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

qint64 SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Prints the time once the first paint of the watched window has been handled, then quits.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", static_cast<long long>(SteadyNanoseconds()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int RunBareDialog(QApplication &application)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Календарь"), &dialog));
    FirstPaintProbe probe(&dialog);
    dialog.show();
    return application.exec();
}

// The program's objects as start-up makes them, the calendar loaded.
struct Calendar {
    explicit Calendar(QApplication &application)
    {
        orvane::InstallRussianTranslations(application);
        orvane::LoadOrCreateCalendar(document);
    }
    orvane::PlatformCheck platform = orvane::CheckPlatform();
    orvane::CRegistryStore registry;
    orvane::COptionFlags options{registry};
    orvane::CDataFile document{options};
    orvane::AppContext context{document, registry, options, platform.bPalette256};
};

int RunCalendar(QApplication &application)
{
    Calendar calendar(application);
    const std::unique_ptr<QDialog> window = orvane::CreateMainWindow(calendar.context, true);
    FirstPaintProbe probe(window.get());
    window->show();
    return application.exec();
}

int RunMonitor(QApplication &application)
{
    Calendar calendar(application);
    orvane::CMonitorDialog monitor(calendar.context);
    FirstPaintProbe probe(&monitor);
    monitor.show();
    return application.exec();
}

// A calendar whose every slot holds 40 flagged events, in `folder`.
void WriteFullCalendar(const QString &folder)
{
    using namespace orvane;
    CRegistryStore registry;
    COptionFlags options(registry);
    CDataFile document(options);
    const QDate first(2024, 1, 1); // a leap year: 366 dates
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const QDate date = first.addDays(slot);
        for (int i = 0; i < CEventList::kMaxEvents; ++i) {
            CEventRecord event;
            event.Name = QStringLiteral("Событие номер %1 дня %2").arg(i).arg(slot);
            event.Month = date.month();
            event.Day = date.day();
            document.m_user.Slot(slot).AddTail(event);
        }
    }
    document.Write(folder + QStringLiteral("/orvane.orvd"), COptionFlags::kDefaultOptions);
}

void RunChild(benchmark::State &state, const char *mode, const QString &dataDir = {})
{
    const QString self = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        QProcess child;
        if (!dataDir.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("ORVANE_DATA_DIR"), dataDir);
            child.setProcessEnvironment(env);
        }
        const qint64 start = SteadyNanoseconds();
        child.start(self, {QStringLiteral("--child"), QString::fromLatin1(mode)});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            state.SkipWithError("the child did not paint");
            return;
        }
        const qint64 painted = child.readAllStandardOutput().trimmed().toLongLong();
        state.SetIterationTime(static_cast<double>(painted - start) / 1e9);
    }
}

void BM_FirstPaintCalendar(benchmark::State &state) { RunChild(state, "calendar"); }
void BM_FirstPaintBareDialog(benchmark::State &state) { RunChild(state, "bare"); }
void BM_FirstPaintMonitorFullCalendar(benchmark::State &state)
{
    RunChild(state, "monitor", qEnvironmentVariable("ORVANE_DATA_DIR") + QStringLiteral("-full"));
}

} // namespace

BENCHMARK(BM_FirstPaintBareDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstPaintCalendar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstPaintMonitorFullCalendar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        QApplication application(argc, argv);
        if (qstrcmp(argv[2], "monitor") == 0)
            return RunMonitor(application);
        return qstrcmp(argv[2], "bare") == 0 ? RunBareDialog(application) : RunCalendar(application);
    }
    // The children keep their calendar, options and lock in a sandbox of their own.
    QTemporaryDir sandbox;
    qputenv("ORVANE_DATA_DIR", QFile::encodeName(sandbox.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/config")));
    QCoreApplication application(argc, argv);
    QDir().mkpath(sandbox.path() + QStringLiteral("/data-full"));
    WriteFullCalendar(sandbox.path() + QStringLiteral("/data-full"));
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("platform: %s\n", qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                      ? qgetenv("QT_QPA_PLATFORM").constData() : "default");
    reporter.PrintRatio("First paint", "BM_FirstPaintCalendar", "bare dialog", "BM_FirstPaintBareDialog");
    reporter.PrintRatio("Monitor", "BM_FirstPaintMonitorFullCalendar", "bare dialog", "BM_FirstPaintBareDialog");
    return 0;
}
