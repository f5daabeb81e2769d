// Load and Save of a full calendar (366 days x 40 events, 40-character names, 255-character
// notes), each against a plain read or write of the same bytes. Prints the medians and ratios.
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "full_calendar.h"
#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orvane;

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString config = dir.path() + QStringLiteral("/config");
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile document{options};
    QString path = dir.path() + QStringLiteral("/orvane.orvd");
    QString plainPath = dir.path() + QStringLiteral("/plain.bin");
    QByteArray bytes;
    ReadContext context{Clock::Today(), 7};

    Fixture()
    {
        FillFullCalendar(document.m_user, context.today.year());
        bytes = document.Serialize(COptionFlags::kDefaultOptions);
        document.Write(path, COptionFlags::kDefaultOptions);
    }
};

Fixture &TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_Load(benchmark::State &state)
{
    Fixture &f = TheFixture();
    for (auto _ : state) {
        CDataFile document(f.options);
        if (!document.Read(f.path, f.context).ok())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.m_user.Slot(0).GetCount());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_PlainRead(benchmark::State &state)
{
    Fixture &f = TheFixture();
    for (auto _ : state) {
        QFile file(f.path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_Save(benchmark::State &state)
{
    Fixture &f = TheFixture();
    for (auto _ : state) {
        if (!f.document.Write(f.path, COptionFlags::kDefaultOptions).ok)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_PlainWrite(benchmark::State &state)
{
    Fixture &f = TheFixture();
    for (auto _ : state) {
        QFile file(f.plainPath);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(f.bytes);
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

} // namespace

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("calendar file: %lld bytes\n", static_cast<long long>(TheFixture().bytes.size()));
    reporter.PrintRatio("Load", "BM_Load", "plain read", "BM_PlainRead");
    reporter.PrintRatio("Save", "BM_Save", "plain write", "BM_PlainWrite");
    return 0;
}
