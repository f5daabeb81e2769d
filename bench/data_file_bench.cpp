// Load and Save of a full calendar (366 days x 40 events, 40-character names, 255-character
// notes), its texts repeated or each distinct, against a plain read or write of the same bytes.
// Prints the medians and ratios.
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
#include <string>
#include <utility>

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

    explicit Fixture(Texts texts)
    {
        FillFullCalendar(document.m_user, context.today.year(), false, texts);
        bytes = document.Serialize(COptionFlags::kDefaultOptions);
        document.Write(path, COptionFlags::kDefaultOptions);
    }
};

Fixture &TheFixture(Texts texts)
{
    static Fixture repeated(Texts::Repeated);
    static Fixture distinct(Texts::Distinct);
    return texts == Texts::Repeated ? repeated : distinct;
}

void BM_Load(benchmark::State &state, Texts texts)
{
    Fixture &f = TheFixture(texts);
    for (auto _ : state) {
        CDataFile document(f.options);
        if (!document.Read(f.path, f.context).ok())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.m_user.Slot(0).GetCount());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_PlainRead(benchmark::State &state, Texts texts)
{
    Fixture &f = TheFixture(texts);
    for (auto _ : state) {
        QFile file(f.path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_Save(benchmark::State &state, Texts texts)
{
    Fixture &f = TheFixture(texts);
    for (auto _ : state) {
        if (!f.document.Write(f.path, COptionFlags::kDefaultOptions).ok)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_PlainWrite(benchmark::State &state, Texts texts)
{
    Fixture &f = TheFixture(texts);
    for (auto _ : state) {
        QFile file(f.plainPath);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(f.bytes);
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication application(argc, argv);
    using Case = void (*)(benchmark::State &, Texts);
    const std::pair<const char *, Case> cases[] = {
        {"BM_Load", BM_Load}, {"BM_PlainRead", BM_PlainRead}, {"BM_Save", BM_Save}, {"BM_PlainWrite", BM_PlainWrite}};
    for (const auto &[suffix, texts] : {std::pair{"/repeated", Texts::Repeated}, std::pair{"/distinct", Texts::Distinct}})
        for (const auto &[name, function] : cases)
            benchmark::RegisterBenchmark((std::string(name) + suffix).c_str(), function, texts)
                ->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("calendar file: %lld bytes\n", static_cast<long long>(TheFixture(Texts::Repeated).bytes.size()));
    for (const std::string texts : {"/repeated", "/distinct"}) {
        reporter.PrintRatio(("Load" + texts).c_str(), "BM_Load" + texts, "plain read", "BM_PlainRead" + texts);
        reporter.PrintRatio(("Save" + texts).c_str(), "BM_Save" + texts, "plain write", "BM_PlainWrite" + texts);
    }
    return 0;
}
