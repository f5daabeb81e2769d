// The client's own work in an incremental sync with one change on each side, beside the
// calendar's size: the collection is in memory, so that only what this program does is timed.
#include "store/clock.h"
#include "store/user.h"
#include "sync/sync_engine.h"
#include "sync/sync_state.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "full_calendar.h"
#include "median_reporter.h"
#include "memory_collection.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace orvane;
using namespace orvane::sync;

namespace {

constexpr int kFull = 366 * CEventList::kMaxEvents;

// As the program runs it: the calendar copied for the sync's thread, the sync, the result taken
// back after the calendar is found unchanged, the state (kept in memory) saved.
void BM_IncrementalSyncClient(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString statePath = dir.path() + QStringLiteral("/orvane.sync");
    CUser user = FirstEventsOfFullCalendar(static_cast<int>(state.range(0)));
    test::CMemoryCollection collection;
    CSyncState kept;
    kept.calendar.url = QStringLiteral("memory");
    if (!Synchronize(user, kept, collection, nullptr, false).ok() || !kept.Save(statePath).ok) {
        state.SkipWithError("the first sync failed");
        return;
    }
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        const DavResource &theirs = collection.resources.first();
        QByteArray body = theirs.body;
        body.replace("SUMMARY:", "SUMMARY:" + QByteArray::number(round));
        collection.Store(theirs.href, body);
        user.Slot(5).begin()->Name = QStringLiteral("здесь %1").arg(round);
        state.ResumeTiming();
        const CUser before = user;
        CUser synced = before;
        CSyncState next = kept;
        const SyncOutcome outcome = Synchronize(synced, next, collection, nullptr, false);
        if (!outcome.ok() || outcome.downloaded != 1 || outcome.uploaded != 1 || !(user == before)
            || !next.Save(statePath).ok) {
            state.SkipWithError("the sync did not carry one change each way and save its state");
            break;
        }
        user = std::move(synced);
        kept = std::move(next);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Clock::SetSource([] { return QDate(2024, 6, 1); }); // the calendar's leap year: every date has its slot
    for (const int events : {500, kFull})
        benchmark::RegisterBenchmark("BM_IncrementalSyncClient", BM_IncrementalSyncClient)->Arg(events)
            ->Iterations(20)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatio("Incremental", "BM_IncrementalSyncClient/" + std::to_string(kFull), "500 events'",
                        "BM_IncrementalSyncClient/500");
    return 0;
}
