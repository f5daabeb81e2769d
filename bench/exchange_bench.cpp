// Export and import of a full calendar (366 days x 40 events, 40-character names, 255-character
// notes) in the file form, each against libxml2 alone serialising or parsing the same document
// in the same run. Prints the medians and ratios.
#include "exchange/exchange_document.h"
#include "exchange/exchange_reader.h"
#include "exchange/ical_document.h"
#include "exchange/ical_reader.h"
#include "exchange/import_merge.h"
#include "store/clock.h"
#include "store/user.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include "full_calendar.h"
#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orvane;

namespace {

struct Fixture {
    CUser user;
    QByteArray document;
    xmlDocPtr tree = nullptr;

    Fixture()
    {
        FillFullCalendar(user, 2024, true); // a leap year: all 366 slots
        document = CExchangeDocument::Build(user)->FileForm();
        tree = xmlReadMemory(document.constData(), static_cast<int>(document.size()), nullptr, nullptr, XML_PARSE_NONET);
    }
};

Fixture &TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_Export(benchmark::State &state)
{
    const CUser &user = TheFixture().user;
    for (auto _ : state) {
        const std::optional<CExchangeDocument> document = CExchangeDocument::Build(user);
        benchmark::DoNotOptimize(document->FileForm().size());
    }
}

void BM_LibxmlSerialise(benchmark::State &state)
{
    xmlDocPtr tree = TheFixture().tree;
    for (auto _ : state) {
        xmlChar *text = nullptr;
        int size = 0;
        xmlDocDumpFormatMemoryEnc(tree, &text, &size, "windows-1251", 0);
        benchmark::DoNotOptimize(size);
        xmlFree(text);
    }
}

void BM_Import(benchmark::State &state)
{
    const QByteArray &document = TheFixture().document;
    for (auto _ : state) {
        CImportList list;
        if (!ReadExchangeDocument(document, list).ok())
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(list.GetCount());
    }
}

void BM_LibxmlParse(benchmark::State &state)
{
    const QByteArray &document = TheFixture().document;
    for (auto _ : state) {
        xmlDocPtr tree = xmlReadMemory(document.constData(), static_cast<int>(document.size()), nullptr, nullptr, XML_PARSE_NONET);
        benchmark::DoNotOptimize(tree);
        xmlFreeDoc(tree);
    }
}

// The merge of a whole calendar's worth of records into an empty calendar.
void BM_Merge(benchmark::State &state)
{
    CImportList list;
    ReadExchangeDocument(TheFixture().document, list);
    for (CEventRecord &record : list)
        record.Selected = 1;
    for (auto _ : state) {
        CUser user;
        benchmark::DoNotOptimize(MergeImportedEvents(user, list).added);
    }
}

// The same calendar as iCalendar, written and read back.
void BM_ICalendarExport(benchmark::State &state)
{
    CUser user = TheFixture().user;
    for (int index = 0; index < kDaySlots; ++index)
        for (CEventRecord &event : user.Slot(index))
            event.Selected = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildICalendar(user).text.size());
}

void BM_ICalendarImport(benchmark::State &state)
{
    CUser user = TheFixture().user;
    for (int index = 0; index < kDaySlots; ++index)
        for (CEventRecord &event : user.Slot(index))
            event.Selected = 1;
    const QByteArray text = BuildICalendar(user).text;
    for (auto _ : state) {
        CImportList list;
        std::vector<MergeNote> skipped;
        if (!ReadICalendar(text, list, skipped).ok())
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(list.GetCount());
    }
}

} // namespace

BENCHMARK(BM_ICalendarExport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ICalendarImport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_LibxmlSerialise)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_LibxmlParse)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_Merge)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("exchange document: %lld bytes, %d events\n", static_cast<long long>(TheFixture().document.size()),
                static_cast<int>(TheFixture().document.count("<Event ")));
    reporter.PrintRatio("Export", "BM_Export", "libxml2 serialise", "BM_LibxmlSerialise");
    reporter.PrintRatio("Import", "BM_Import", "libxml2 parse", "BM_LibxmlParse");
    xmlFreeDoc(TheFixture().tree);
    return 0;
}
