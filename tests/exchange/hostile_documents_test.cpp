// Hostile documents are refused with what they cost bounded: the bytes read stop at the cap,
// nothing is fetched, memory hardly grows and nothing is kept. A reader that hangs is caught by
// the test's timeout; bench/hostile_documents_bench.cpp times the refusals.
#include "exchange/capped_read.h"
#include "exchange/import_file.h"

#include "hostile_documents.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// Any document type declaration is refused before its entities are expanded or fetched.
TEST(HostileDocuments, DocumentTypesAreRefusedUnexpandedAndNothingIsRead)
{
    // A loopback listener on a free port, named by the documents as the place to fetch from.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&address), size) + ::listen(listener, 8), 0);
    ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &size);
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(ntohs(address.sin_port)) + "/x.dtd";
    const std::pair<QByteArray, ExchangeReadFailure> rows[] = {
        {test::EntityBomb(), ExchangeReadFailure::HasDoctype},
        {test::ExternalEntity(url), ExchangeReadFailure::HasDoctype},
        {"<!DOCTYPE Orvane SYSTEM \"" + url + "\"><Orvane><Event name=\"a\"/></Orvane>", ExchangeReadFailure::HasDoctype},
        {"<!DOCTYPE Orvane><Orvane><Event name=\"plain\"/></Orvane>", ExchangeReadFailure::HasDoctype},
        // XInclude is not processed: the include is an element like any other.
        {"<Orvane xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"" + url
             + "\"/><xi:include href=\"file:///etc/passwd\" parse=\"text\"/></Orvane>", ExchangeReadFailure::None},
    };
    for (const auto &[document, failure] : rows) {
        SCOPED_TRACE(document.left(70).constData());
        CImportList list;
        EXPECT_EQ(ReadExchangeDocument(document, list).failure, failure);
        EXPECT_EQ(ReadExchangeText(QString::fromUtf8(document), list).failure, failure);
        EXPECT_TRUE(list.IsEmpty());
    }
    // The reader is done when it returns: a connection it made would be waiting by now.
    pollfd waiting{listener, POLLIN, 0};
    EXPECT_EQ(::poll(&waiting, 1, 0), 0) << "a document reached the network";
    ::close(listener);
}

// A file over the cap is refused with not a byte read; an endless stream is read no further
// than the cap, and clipboard text over it is refused.
TEST(HostileDocuments, TooLargeInputIsRefusedReadNoFurtherThanTheCap)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"huge.xml"_s);
    ASSERT_TRUE(test::WriteHugeFile(path, 100LL * 1024 * 1024));
    QByteArray bytes;
    EXPECT_EQ(ReadFileCapped(path, bytes).failure, ExchangeReadFailure::TooLarge);
    EXPECT_TRUE(bytes.isEmpty());

    // The peak resident memory of this process so far, in KiB.
    const auto peakKib = [] {
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long peakBefore = peakKib();
    test::EndlessDocument stream;
    CImportList list;
    ImportRead read;
    EXPECT_EQ(ReadImportDevice(stream, list, read).failure, ExchangeReadFailure::TooLarge);
    EXPECT_LE(stream.served, kMaxExchangeDocumentBytes + 64 * 1024) << "one read past the cap at most";
    // One buffer of the cap's size, never a second copy beside it.
    EXPECT_LT(peakKib() - peakBefore, 3 * kMaxExchangeDocumentBytes / 2 / 1024) << "KiB more at the peak";
    EXPECT_EQ(ReadExchangeText(QString(kMaxExchangeDocumentBytes + 1, u' '), list).failure, ExchangeReadFailure::TooLarge);
    EXPECT_TRUE(list.IsEmpty());
}

} // namespace
} // namespace orvane
