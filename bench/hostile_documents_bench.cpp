// How long the exchange reader takes to refuse each hostile document: a document type with an
// entity bomb, one with an external entity on a local port, a 100 MiB file, an endless stream
// and clipboard text over the 16 MiB cap. The documents are those of the test
// tests/exchange/hostile_documents_test.cpp, which bounds what the refusals read and keep.
#include "exchange/import_file.h"

#include "hostile_documents.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvane;

namespace {

template <typename Read>
void Refuse(benchmark::State &state, ExchangeReadFailure expected, Read read)
{
    for (auto _ : state)
        if (read() != expected)
            state.SkipWithError("not refused as expected");
}

void BM_EntityBomb(benchmark::State &state)
{
    const QByteArray document = test::EntityBomb();
    Refuse(state, ExchangeReadFailure::HasDoctype, [&] {
        CImportList list;
        return ReadExchangeDocument(document, list).failure;
    });
}

void BM_ExternalEntity(benchmark::State &state)
{
    const QByteArray document = test::ExternalEntity("http://127.0.0.1:9/x.dtd");
    Refuse(state, ExchangeReadFailure::HasDoctype, [&] {
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
    Refuse(state, ExchangeReadFailure::TooLarge, [&] {
        CImportList list;
        ImportRead read;
        return ReadImportFile(path, list, read).failure;
    });
}

void BM_EndlessStream(benchmark::State &state)
{
    Refuse(state, ExchangeReadFailure::TooLarge, [] {
        test::EndlessDocument stream;
        CImportList list;
        ImportRead read;
        return ReadImportDevice(stream, list, read).failure;
    });
}

void BM_ClipboardTextOverTheCap(benchmark::State &state)
{
    const QString text(kMaxExchangeDocumentBytes + 1, u' ');
    Refuse(state, ExchangeReadFailure::TooLarge, [&] {
        CImportList list;
        return ReadExchangeText(text, list).failure;
    });
}

} // namespace

BENCHMARK(BM_EntityBomb)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExternalEntity)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_HugeFile)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_EndlessStream)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ClipboardTextOverTheCap)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
