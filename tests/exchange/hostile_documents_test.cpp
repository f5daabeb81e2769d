// Documents built to hurt the reader: each is refused quickly, with bounded memory, and nothing
// outside the document is ever fetched.
#include "exchange/exchange_reader.h"
#include "exchange/import_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

constexpr qint64 kQuickMs = 100;
constexpr long kBoundedGrowthKb = 48 * 1024;

long PeakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A TCP port on the loopback that records whether anything connected to it.
class Listener {
public:
    Listener()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), size);
        ::listen(m_socket, 4);
        ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &size);
        m_port = ntohs(address.sin_port);
    }
    ~Listener() { ::close(m_socket); }
    QByteArray Url() const { return "http://127.0.0.1:" + QByteArray::number(m_port) + "/x.dtd"; }
    bool Contacted() const
    {
        pollfd fd{m_socket, POLLIN, 0};
        return ::poll(&fd, 1, 50) > 0;
    }

private:
    int m_socket = -1;
    int m_port = 0;
};

// Runs a read, which must end quickly and with bounded memory, and gives how it ended.
ExchangeReadFailure Measured(const std::function<ExchangeReadResult()> &read)
{
    const long before = PeakResidentKb();
    QElapsedTimer timer;
    timer.start();
    const ExchangeReadFailure failure = read().failure;
    EXPECT_LT(timer.elapsed(), kQuickMs);
    EXPECT_LT(PeakResidentKb() - before, kBoundedGrowthKb);
    return failure;
}

ExchangeReadFailure ReadQuickly(const QByteArray &document, CImportList &list)
{
    return Measured([&] { return ReadExchangeDocument(document, list); });
}

TEST(HostileDocuments, EntityExpansionIsNeverStarted)
{
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE Orvane [\n<!ENTITY l0 \"lollollollollollollollollollol\">\n";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \"" + QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    laughs += "]>\n<Orvane><Event name=\"&l9;\" information=\"&l9;\"/>&l9;</Orvane>\n";
    CImportList list;
    EXPECT_EQ(ReadQuickly(laughs, list), ExchangeReadFailure::HasDoctype);
    CImportList fromClipboard;
    EXPECT_EQ(Measured([&] { return ReadExchangeText(QString::fromUtf8(laughs), fromClipboard); }),
              ExchangeReadFailure::HasDoctype);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(fromClipboard.IsEmpty());
}

TEST(HostileDocuments, ExternalEntitiesAndIncludesAreNeverFetched)
{
    QTemporaryDir dir;
    const QString secretPath = dir.filePath(u"secret.txt"_s);
    QFile secret(secretPath);
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("SECRET");
    secret.close();
    const Listener listener;

    CImportList list;
    EXPECT_EQ(ReadQuickly("<!DOCTYPE Orvane SYSTEM \"" + listener.Url() + "\"><Orvane><Event name=\"a\"/></Orvane>", list),
              ExchangeReadFailure::HasDoctype);
    EXPECT_EQ(ReadQuickly("<!DOCTYPE Orvane [<!ENTITY s SYSTEM \"file://" + secretPath.toUtf8() + "\">"
                          "<!ENTITY w SYSTEM \"" + listener.Url() + "\">]><Orvane><Event name=\"&s;\"/>&w;</Orvane>", list),
                  ExchangeReadFailure::HasDoctype);
    EXPECT_EQ(ReadQuickly("<!DOCTYPE Orvane><Orvane><Event name=\"plain\"/></Orvane>", list),
              ExchangeReadFailure::HasDoctype) << "any document type is refused";
    // XInclude is not processed: the include is an element like any other.
    EXPECT_EQ(ReadQuickly("<Orvane xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"" + listener.Url()
                          + "\"/><xi:include href=\"file://" + secretPath.toUtf8() + "\" parse=\"text\"/></Orvane>", list),
              ExchangeReadFailure::None);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(listener.Contacted());
}

TEST(HostileDocuments, A100MegabyteFileIsRefusedUnread)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"huge.xml"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Orvane>");
    ASSERT_TRUE(file.resize(100LL * 1024 * 1024));
    file.close();

    CImportList list;
    ImportRead read;
    EXPECT_EQ(Measured([&] { return ReadImportFile(path, list, read); }), ExchangeReadFailure::TooLarge);
}

// An endless stream of events, as a pipe on standard input would bring it.
class EndlessDocument : public QIODevice {
public:
    EndlessDocument() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 served = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        static const QByteArray pattern = QByteArray("<Event name=\"x\"/>").repeated(256);
        const qint64 size = qMin<qint64>(maxSize, pattern.size());
        memcpy(data, pattern.constData(), static_cast<size_t>(size));
        served += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};

TEST(HostileDocuments, AnEndlessStreamIsCutOffAtTheLimit)
{
    EndlessDocument stream;
    CImportList list;
    ImportRead read;
    EXPECT_EQ(Measured([&] { return ReadImportDevice(stream, list, read); }), ExchangeReadFailure::TooLarge);
    EXPECT_LT(stream.served, 2 * kMaxExchangeDocumentBytes);

    CImportList fromText;
    EXPECT_EQ(ReadExchangeText(QString(kMaxExchangeDocumentBytes + 1, u' '), fromText).failure,
              ExchangeReadFailure::TooLarge);
}

} // namespace
} // namespace orvane
