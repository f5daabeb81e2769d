// The main window's drawing: all twelve months at once, and one step of the cursor from one day
// to the next (old cell, new cell, status line, pop-up). Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include "app/app_context.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "ui/main/main_dlg.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace orvane {
namespace {

// A window over a calendar with a few events in every month, in a private data and config home.
class Fixture {
public:
    explicit Fixture(int scale, bool large)
    {
        qputenv("ORVANE_DATA_DIR", m_home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
        m_document.m_nScale = static_cast<quint16>(scale);
        m_document.m_bLarge = large;
        for (int month = 1; month <= 12; ++month) {
            for (int day : {3, 11, 19, 27}) {
                CEventRecord event;
                event.Name = QStringLiteral("Событие %1.%2").arg(day).arg(month);
                event.Month = month;
                event.Day = day;
                m_document.m_user.GetDayEvents(month, day).AddTail(event);
            }
        }
        m_window = std::make_unique<CMainDlg>(m_context, true);
        m_window->show();
        QCoreApplication::processEvents();
    }

    CMainDlg &Window() { return *m_window; }

    void MoveTo(QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(m_window->mapToGlobal(at)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &event);
    }

private:
    QTemporaryDir m_home;
    CRegistryStore m_registry;
    COptionFlags m_flags{m_registry};
    CDataFile m_document{m_flags};
    AppContext m_context{m_document, m_registry, m_flags, false};
    std::unique_ptr<CMainDlg> m_window;
};

void BM_DrawMonths12(benchmark::State &state)
{
    Fixture fixture(12, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture.Window().DrawMonths());
}
BENCHMARK(BM_DrawMonths12)->Unit(benchmark::kMillisecond);

// One cursor step between two neighbouring days that hold events, with the repaint it causes.
void BM_HoverStep(benchmark::State &state)
{
    Fixture fixture(2, false);
    CMainDlg &window = fixture.Window();
    const QPoint cells[] = {window.DayRect(window.MonthTable().FirstMonth(), 11).center(),
                            window.DayRect(window.MonthTable().FirstMonth(), 19).center()};
    int i = 0;
    for (auto _ : state) {
        fixture.MoveTo(cells[i++ % 2]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_HoverStep)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvane

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
