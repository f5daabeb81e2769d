// Export and import of two full calendars (366 days x 40 events, 40-character names, 255-character
// notes; the texts repeated in turn, or every one distinct) in the file form, each against
// libxml2 alone serialising or parsing the same document in the same run, and the same calendars
// as iCalendar against the XML exchange path. Prints the medians and ratios of each calendar.
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
#include <string>

using namespace orvane;

namespace {

struct Fixture {
    CUser user;
    QByteArray document;
    QByteArray icalendar;
    xmlDocPtr tree = nullptr;

    explicit Fixture(Texts texts)
    {
        FillFullCalendar(user, 2024, true, texts); // a leap year: all 366 slots
        document = CExchangeDocument::Build(user)->FileForm();
        icalendar = BuildICalendar(user).text;
        tree = xmlReadMemory(document.constData(), static_cast<int>(document.size()), nullptr, nullptr, XML_PARSE_NONET);
    }
    ~Fixture() { xmlFreeDoc(tree); }
};

// The calendar of repeated texts (0) or that of distinct ones (1).
Fixture &TheFixture(int64_t distinct)
{
    static Fixture repeated(Texts::Repeated);
    static Fixture distinctTexts(Texts::Distinct);
    return distinct ? distinctTexts : repeated;
}

// The calendar a benchmark's argument names.
Fixture &TheFixture(const benchmark::State &state)
{
    return TheFixture(state.range(0));
}

void BM_Export(benchmark::State &state)
{
    const CUser &user = TheFixture(state).user;
    for (auto _ : state) {
        const std::optional<CExchangeDocument> document = CExchangeDocument::Build(user);
        benchmark::DoNotOptimize(document->FileForm().size());
    }
}

void BM_LibxmlSerialise(benchmark::State &state)
{
    xmlDocPtr tree = TheFixture(state).tree;
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
    const QByteArray &document = TheFixture(state).document;
    for (auto _ : state) {
        CImportList list;
        if (!ReadExchangeDocument(document, list).ok())
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(list.GetCount());
    }
}

void BM_LibxmlParse(benchmark::State &state)
{
    const QByteArray &document = TheFixture(state).document;
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
    ReadExchangeDocument(TheFixture(state).document, list);
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
    const CUser &user = TheFixture(state).user;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildICalendar(user).text.size());
}

void BM_ICalendarImport(benchmark::State &state)
{
    const QByteArray &text = TheFixture(state).icalendar;
    for (auto _ : state) {
        CImportList list;
        std::vector<MergeNote> skipped;
        if (!ReadICalendar(text, list, skipped).ok())
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(list.GetCount());
    }
}

void BothCalendars(benchmark::internal::Benchmark *bench)
{
    bench->ArgName("distinct")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_ICalendarExport)->Apply(BothCalendars)->Repetitions(5);
BENCHMARK(BM_ICalendarImport)->Apply(BothCalendars)->Repetitions(5);
BENCHMARK(BM_Export)->Apply(BothCalendars)->Repetitions(15);
BENCHMARK(BM_LibxmlSerialise)->Apply(BothCalendars)->Repetitions(15);
BENCHMARK(BM_Import)->Apply(BothCalendars)->Repetitions(15);
BENCHMARK(BM_LibxmlParse)->Apply(BothCalendars)->Repetitions(15);
BENCHMARK(BM_Merge)->Apply(BothCalendars)->Repetitions(15);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const int64_t distinct : {0, 1}) {
        const std::string arg = "/distinct:" + std::to_string(distinct);
        std::printf("%s texts: exchange document %lld bytes, %d events; iCalendar %lld bytes\n",
                    distinct ? "distinct" : "repeated", static_cast<long long>(TheFixture(distinct).document.size()),
                    static_cast<int>(TheFixture(distinct).document.count("<Event ")),
                    static_cast<long long>(TheFixture(distinct).icalendar.size()));
        reporter.PrintRatio("Export", "BM_Export" + arg, "libxml2 serialise", "BM_LibxmlSerialise" + arg);
        reporter.PrintRatio("Import", "BM_Import" + arg, "libxml2 parse", "BM_LibxmlParse" + arg);
        reporter.PrintRatio("iCal export", "BM_ICalendarExport" + arg, "XML export", "BM_Export" + arg);
        reporter.PrintRatio("iCal import", "BM_ICalendarImport" + arg, "XML import", "BM_Import" + arg);
    }
    return 0;
}
