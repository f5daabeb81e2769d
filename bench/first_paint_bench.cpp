// Time from process start to the first completed paint of the calendar's main window, against a
// bare Qt dialog's start measured in the same run. The benchmark starts this program again as a
// child ("--child calendar" or "--child bare"), which prints the steady-clock time at which its
// first paint has finished and ends. The Qt platform comes from the environment (offscreen, or
// xcb under Xvfb).
#include "app/app_context.h"
#include "app/calendar_loader.h"
#include "app/main_window_factory.h"
#include "app/platform_checks.h"
#include "app/translations.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "median_reporter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
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

int RunCalendar(QApplication &application)
{
    using namespace orvane;
    InstallRussianTranslations(application);
    const PlatformCheck platform = CheckPlatform();
    CRegistryStore registry;
    COptionFlags options(registry);
    CDataFile document(options);
    LoadOrCreateCalendar(document);
    AppContext context{document, registry, options, platform.bPalette256};
    const std::unique_ptr<QDialog> window = CreateMainWindow(context, true);
    FirstPaintProbe probe(window.get());
    window->show();
    return application.exec();
}

void RunChild(benchmark::State &state, const char *mode)
{
    const QString self = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        QProcess child;
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

} // namespace

BENCHMARK(BM_FirstPaintBareDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstPaintCalendar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        QApplication application(argc, argv);
        return qstrcmp(argv[2], "bare") == 0 ? RunBareDialog(application) : RunCalendar(application);
    }
    // The children keep their calendar, options and lock in a sandbox of their own.
    QTemporaryDir sandbox;
    qputenv("ORVANE_DATA_DIR", QFile::encodeName(sandbox.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/config")));
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("platform: %s\n", qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                      ? qgetenv("QT_QPA_PLATFORM").constData() : "default");
    reporter.PrintRatio("First paint", "BM_FirstPaintCalendar", "bare dialog", "BM_FirstPaintBareDialog");
    return 0;
}
