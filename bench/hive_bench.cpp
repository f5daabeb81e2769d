// Reading the registry hive at 2,500, 5,000 and 10,000 keys and at 1 MiB: a parse with one
// lookup, and the option reads of a start (the notice span, the weekday column, the calendar's
// position, the tray icon, the day numbers' base), each of which reads the file anew.
#include "settings/hive_file.h"
#include "settings/hive_registry_backend.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/atomic_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

namespace {

// The keys of others, each with a value, all of one length; the program's own key comes last.
constexpr char kEntry[] = "[HKEY_CURRENT_USER\\SOFTWARE\\Other\\Key000000]\n\"Value\"=\"1\"\n\n";
constexpr int kEntrySize = sizeof kEntry - 1;
constexpr int kMebibyteOfKeys = (1 << 20) / kEntrySize + 1;

QByteArray Hive(int keys)
{
    QByteArray text = "Windows Registry Editor Version 5.00\n\n";
    text.reserve(text.size() + qsizetype(keys) * kEntrySize + 100);
    for (int i = 0; i < keys; ++i)
        text += "[HKEY_CURRENT_USER\\SOFTWARE\\Other\\Key" + QByteArray::number(i).rightJustified(6, '0')
                + "]\n\"Value\"=\"1\"\n\n";
    return text + "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n\"OptionsFlag\"=\"13335\"\n\"PositionX\"=\"10\"\n"
                  "\"PositionY\"=\"20\"\n";
}

void Label(benchmark::State &state, const QByteArray &hive)
{
    state.SetLabel(std::to_string(hive.size() / 1024) + " KiB");
}

void BM_ParseAndFind(benchmark::State &state)
{
    const QByteArray text = Hive(static_cast<int>(state.range(0)));
    const QString key = u"HKEY_CURRENT_USER\\SOFTWARE\\Orvane"_s;
    for (auto _ : state) {
        const HiveFile hive = HiveFile::Parse(text);
        if (!hive.Find(key, u"OptionsFlag"_s))
            state.SkipWithError("value not found");
    }
    Label(state, text);
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_StartReads(benchmark::State &state)
{
    const QByteArray text = Hive(static_cast<int>(state.range(0)));
    if (!WriteFileAtomically(HiveRegistryBackend::HivePath(), text).ok)
        state.SkipWithError("cannot write the hive");
    CRegistryStore registry;
    COptionFlags options(registry);
    for (auto _ : state) {
        qint32 x = 0;
        qint32 y = 0;
        int days = options.GetMonitorDays();
        quint32 bits = options.GetOptions() & OptionBit::WeekdayNames;
        bits |= options.GetOptions() & OptionBit::SaveCalendarPosition;
        registry.ReadInt(u"Orvane"_s, u"PositionX"_s, x);
        registry.ReadInt(u"Orvane"_s, u"PositionY"_s, y);
        bits |= options.GetOptions() & OptionBit::TrayIcon;
        bits |= options.GetOptions() & OptionBit::HexDays;
        if (days != 7 || bits == 0 || x != 10 || y != 20)
            state.SkipWithError("options not read");
    }
    Label(state, text);
}

void Sizes(benchmark::internal::Benchmark *bench)
{
    bench->Arg(2500)->Arg(5000)->Arg(10000)->Arg(kMebibyteOfKeys);
    bench->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_ParseAndFind)->Apply(Sizes);
BENCHMARK(BM_StartReads)->Apply(Sizes);

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
