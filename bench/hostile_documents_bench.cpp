// How long the exchange reader takes to refuse each hostile document: a document type with an
// entity bomb, one with an external entity on a local port, a 100 MiB file, an endless stream
// and clipboard text over the 16 MiB cap. The documents are those of the test
// tests/exchange/hostile_documents_test.cpp, which bounds what the refusals read and keep.
// Then how long the iCalendar and vCard readers take to read a document of 2 to 16 MiB that is
// almost all one line: the time must grow with the length, not with its square.
#include "exchange/ical_reader.h"
#include "exchange/import_file.h"
#include "exchange/vcard_reader.h"

#include "hostile_documents.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvane;

namespace {

template <typename Read>
void Expect(benchmark::State &state, ExchangeReadFailure expected, Read read)
{
    for (auto _ : state)
        if (read() != expected)
            state.SkipWithError("not read as expected");
}

void BM_EntityBomb(benchmark::State &state)
{
    const QByteArray document = test::EntityBomb();
    Expect(state, ExchangeReadFailure::HasDoctype, [&] {
        CImportList list;
        return ReadExchangeDocument(document, list).failure;
    });
}

void BM_ExternalEntity(benchmark::State &state)
{
    const QByteArray document = test::ExternalEntity("http://127.0.0.1:9/x.dtd");
    Expect(state, ExchangeReadFailure::HasDoctype, [&] {
        CImportList list;
        return ReadExchangeDocument(document, list).failure;
    });
}

void BM_HugeFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.xml"));
    if (!test::WriteHugeFile(path, 100LL * 1024 * 1024))
        state.SkipWithError("cannot write the file");
    Expect(state, ExchangeReadFailure::TooLarge, [&] {
        CImportList list;
        ImportRead read;
        return ReadImportFile(path, list, read).failure;
    });
}

void BM_EndlessStream(benchmark::State &state)
{
    Expect(state, ExchangeReadFailure::TooLarge, [] {
        test::EndlessDocument stream;
        CImportList list;
        ImportRead read;
        return ReadImportDevice(stream, list, read).failure;
    });
}

void BM_ClipboardTextOverTheCap(benchmark::State &state)
{
    const QString text(kMaxExchangeDocumentBytes + 1, u' ');
    Expect(state, ExchangeReadFailure::TooLarge, [&] {
        CImportList list;
        return ReadExchangeText(text, list).failure;
    });
}

// A document of `mebibytes` MiB: `head`, then the letter A up to the size, then `tail`.
QByteArray OneLongLine(const QByteArray &head, int64_t mebibytes, const QByteArray &tail)
{
    return head + QByteArray((mebibytes << 20) - head.size() - tail.size(), 'A') + tail;
}

// An attachment in one unfolded line.
void BM_ICalendarLongLine(benchmark::State &state)
{
    const QByteArray document = OneLongLine("BEGIN:VCALENDAR\r\nATTACH;ENCODING=BASE64;VALUE=BINARY:", state.range(0),
                                            "\r\nEND:VCALENDAR\r\n");
    Expect(state, ExchangeReadFailure::None, [&] {
        CImportList list;
        std::vector<MergeNote> skipped;
        return ReadICalendar(document, list, skipped).failure;
    });
}

// A quoted-printable name of many parameters (a quarter of the size), its value continued over
// as many lines (three eighths), then a line of the rest.
void BM_VCardLongLine(benchmark::State &state)
{
    const int64_t parameters = state.range(0) << 17;
    const QByteArray head = "BEGIN:VCARD\r\nFN" + QByteArray(";X").repeated(parameters) + ";QUOTED-PRINTABLE:"
                            + QByteArray("=\r\n").repeated(parameters);
    const QByteArray document = OneLongLine(head, state.range(0), "\r\nBDAY:--0101\r\nEND:VCARD\r\n");
    Expect(state, ExchangeReadFailure::None, [&] {
        CImportList list;
        std::vector<MergeNote> skipped;
        return ReadVCards(document, QStringLiteral("B"), list, skipped).failure;
    });
}

} // namespace

BENCHMARK(BM_EntityBomb)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExternalEntity)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_HugeFile)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_EndlessStream)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ClipboardTextOverTheCap)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ICalendarLongLine)->RangeMultiplier(2)->Range(2, 16)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_VCardLongLine)->RangeMultiplier(2)->Range(2, 16)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
