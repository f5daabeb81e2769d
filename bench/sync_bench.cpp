// A sync with Radicale: the first sync of 500 events up to an empty calendar collection, the
// first sync of 500 events and of a full calendar (366 days x 40 events) down into an empty
// calendar, and an incremental sync with one change on each side, its cost beside the calendar's
// size. Wall time, and the HTTP requests made as a counter. Run the whole program: the first sync
// up leaves the collection the others use. Radicale's time for a PUT grows with the collection
// (about 20 a second into 500 events, 1 a second into 2,300 on this machine), so a full calendar
// up through it takes hours: its collection is filled with the same resources written straight
// into the server's folder, and a sync of the device that made them settles their entity tags.
#include "store/user.h"
#include "sync/dav_client.h"
#include "sync/dav_collection.h"
#include "sync/sync_run.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "dav_server.h"
#include "full_calendar.h"
#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>

using namespace orvane;
using namespace orvane::sync;
using orvane::test::CDavServer;
using namespace Qt::StringLiterals;

namespace {

constexpr int kFull = 366 * CEventList::kMaxEvents;

// A calendar file's folder and its user, synced as the program does: the state saved after each
// sync and kept in memory for the next.
struct Device {
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/orvane.orvd");
    CUser user;
    std::optional<CSyncState> kept;

    int Sync(const SyncSettings &settings, benchmark::State &state)
    {
        SyncRun run = RunSync(user, path, settings, CDavServer::kPassword, false, kept ? &*kept : nullptr);
        if (!run.outcome.ok() || !run.state.Save(CSyncState::PathFor(path)).ok)
            state.SkipWithError(run.outcome.error.toUtf8().constData());
        kept = std::move(run.state);
        return run.requests;
    }
};

CDavServer &Server()
{
    static CDavServer server;
    static const bool started = server.Start(CDavServer::Kind::Radicale);
    (void)started;
    return server;
}

SyncSettings NewCollection()
{
    static int count = 0;
    const QString path = Server().MakeCalendar(QStringLiteral("c%1").arg(++count));
    return {Server().Url().toString(), CDavServer::kUser, path, {}, false, {}, {}};
}

// A collection whose resources are written as files into the server's folder of it, nothing read.
class CFolderCollection : public CCollection {
public:
    CFolderCollection(const QString &folder, const CDavCollection &dav) : m_folder(folder), m_dav(dav) {}

    std::optional<CollectionChanges> ListChanges(const QByteArray &) override { return CollectionChanges{true, {}, {}, {}}; }
    std::optional<QList<DavResource>> Fetch(const QStringList &) override { return QList<DavResource>(); }
    WriteResult Put(const QString &href, const QByteArray &body, const QByteArray &) override
    {
        QFile file(m_folder + u'/' + QFileInfo(href).fileName());
        const bool written = file.open(QIODevice::WriteOnly) && file.write(body) == body.size();
        return {written ? WriteResult::Outcome::Done : WriteResult::Outcome::Failed, {}};
    }
    WriteResult Remove(const QString &, const QByteArray &) override { return {}; }
    QString HrefFor(const QString &uid) const override { return m_dav.HrefFor(uid); }
    QString Error() const override { return QStringLiteral("cannot write into the server's folder"); }

private:
    QString m_folder;
    const CDavCollection &m_dav;
};

// Per size: the collection a first sync up filled, and the device that did it.
struct Synced {
    SyncSettings settings;
    std::unique_ptr<Device> device;
};
std::map<int, Synced> g_synced;

void BM_FirstSyncUp(benchmark::State &state)
{
    const int events = static_cast<int>(state.range(0));
    const CUser filled = FirstEventsOfFullCalendar(events);
    int requests = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Synced synced{NewCollection(), std::make_unique<Device>()};
        synced.device->user = filled;
        state.ResumeTiming();
        requests = synced.device->Sync(synced.settings, state);
        g_synced[events] = std::move(synced);
    }
    state.counters["requests"] = requests;
}

void BM_FirstSyncDown(benchmark::State &state)
{
    const Synced &synced = g_synced[static_cast<int>(state.range(0))];
    int requests = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Device empty;
        state.ResumeTiming();
        requests = empty.Sync(synced.settings, state);
    }
    state.counters["requests"] = requests;
}

// One event renamed on another device and synced, one renamed here: the sync here.
void BM_IncrementalSync(benchmark::State &state)
{
    const Synced &synced = g_synced[static_cast<int>(state.range(0))];
    Device other;
    other.Sync(synced.settings, state);
    Device &here = *synced.device;
    int requests = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        other.user.Slot(10).begin()->Name = QStringLiteral("там %1").arg(round);
        other.Sync(synced.settings, state);
        here.user.Slot(5).begin()->Name = QStringLiteral("здесь %1").arg(round);
        state.ResumeTiming();
        requests = here.Sync(synced.settings, state);
    }
    state.counters["requests"] = requests;
}

// A new collection holding the `events` resources a first sync up of them leaves, and the device
// that holds them, its sync state settled.
bool Seed(int events)
{
    Synced synced{NewCollection(), std::make_unique<Device>()};
    synced.device->user = FirstEventsOfFullCalendar(events);
    CDavClient client(Server().Url(), CDavServer::kUser, CDavServer::kPassword);
    const CDavCollection dav(client, synced.settings.calendarHref, CollectionKind::Calendar);
    CFolderCollection folder(Server().Folder() + u"/collections/collection-root"_s + synced.settings.calendarHref, dav);
    CSyncState state;
    if (!Synchronize(synced.device->user, state, folder, nullptr, false).ok())
        return false;
    const QString statePath = CSyncState::PathFor(synced.device->path);
    state.calendar.url = CollectionUrl(synced.settings.server, synced.settings.calendarHref).toString();
    if (!state.Save(statePath).ok)
        return false;
    // The server reads the new files into its cache at the first listing, longer than a client
    // waits for an answer: it is asked again until it answers.
    SyncRun settle;
    for (int attempt = 0; attempt < 20; ++attempt) {
        settle = RunSync(synced.device->user, synced.device->path, synced.settings, CDavServer::kPassword, false);
        if (settle.outcome.ok())
            break;
    }
    if (!settle.outcome.ok() || !settle.state.Save(statePath).ok) {
        std::fprintf(stderr, "%s\n", qPrintable(settle.outcome.error));
        return false;
    }
    g_synced[events] = std::move(synced);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication application(argc, argv);
    if (!Server().Url().isValid())
        return 1;
    benchmark::RegisterBenchmark("BM_FirstSyncUp", BM_FirstSyncUp)->Arg(500)->Iterations(3)
        ->Unit(benchmark::kMillisecond)->UseRealTime();
    if (!Seed(kFull)) {
        std::fputs("the full collection could not be filled\n", stderr);
        return 1;
    }
    for (const int events : {500, kFull}) {
        const int rounds = events == kFull ? 1 : 3;
        benchmark::RegisterBenchmark("BM_FirstSyncDown", BM_FirstSyncDown)->Arg(events)->Iterations(rounds)
            ->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_IncrementalSync", BM_IncrementalSync)->Arg(events)->Iterations(10)
            ->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const std::string full = std::to_string(kFull);
    reporter.PrintRatio("Incremental", "BM_IncrementalSync/" + full, "500 events'", "BM_IncrementalSync/500");
    reporter.PrintCounterRatio("requests", "BM_IncrementalSync/" + full, "BM_IncrementalSync/500");
    return 0;
}
