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

// The peak resident memory of this process so far, in KiB.
long PeakKib()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A TCP listener on a free loopback port, which the documents name as the place to fetch from.
struct Listener {
    Listener()
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr *>(&address), size);
        ::listen(fd, 8);
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size);
        port = ntohs(address.sin_port);
    }
    ~Listener() { ::close(fd); }
    // The reader is done when it returns: a connection it made would be waiting by now.
    bool Connected() const
    {
        pollfd waiting{fd, POLLIN, 0};
        return ::poll(&waiting, 1, 0) > 0;
    }
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
};

// Any document type declaration is refused before its entities are expanded or fetched.
TEST(HostileDocuments, DocumentTypesAreRefusedUnexpandedAndNothingIsRead)
{
    const Listener listener;
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(listener.port) + "/x.dtd";
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
    EXPECT_FALSE(listener.Connected()) << "a document reached the network";
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

    const long peakBefore = PeakKib();
    test::EndlessDocument stream;
    CImportList list;
    ImportRead read;
    EXPECT_EQ(ReadImportDevice(stream, list, read).failure, ExchangeReadFailure::TooLarge);
    EXPECT_LE(stream.served, kMaxExchangeDocumentBytes + 64 * 1024) << "one read past the cap at most";
    // One buffer of the cap's size, never a second copy beside it.
    EXPECT_LT(PeakKib() - peakBefore, 3 * kMaxExchangeDocumentBytes / 2 / 1024) << "KiB more at the peak";
    EXPECT_EQ(ReadExchangeText(QString(kMaxExchangeDocumentBytes + 1, u' '), list).failure, ExchangeReadFailure::TooLarge);
    EXPECT_TRUE(list.IsEmpty());
}

} // namespace
} // namespace orvane
