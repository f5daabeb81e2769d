#include "exchange/exchange_reader.h"
#include "exchange/import_file.h"
#include "store/windows1251.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

std::vector<CImportedEvent> Read(const QByteArray &document, ExchangeReadFailure expected = ExchangeReadFailure::None)
{
    CImportList list;
    const ExchangeReadResult result = ReadExchangeDocument(document, list);
    EXPECT_EQ(result.failure, expected) << result.detail.toStdString();
    return {list.begin(), list.end()};
}

QStringList Names(const std::vector<CImportedEvent> &records)
{
    QStringList names;
    for (const CEventRecord &record : records)
        names << record.Name;
    return names;
}

TEST(ExchangeReader, FindsEventsAtAnyDepthBelowTheRootWhateverTheRoot)
{
    EXPECT_EQ(Names(Read("<Calendar><Event name=\"a\"/><group><Event name=\"b\"><Event name=\"c\"/></Event></group>"
                         "<event name=\"lower\"/><EVENT name=\"upper\"/><x:Event xmlns:x=\"urn:x\" name=\"prefixed\"/>"
                         "<Event name=\"d\"/></Calendar>")),
              (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    EXPECT_TRUE(Read("<Orvane version=\"1, 9, 2, 0\"/>").empty());
    EXPECT_TRUE(Read("<Event name=\"root\" month=\"1\" day=\"1\"/>").empty()) << "the root itself is not collected";
}

TEST(ExchangeReader, NumbersAreReadLikeAtolAndMissingAttributesAreEmpty)
{
    const std::vector<CImportedEvent> records = Read(
        "<Orvane><Event month=\"03\" day=\" 7x\"/><Event month=\"+12\" day=\"-5\"/>"
        "<Event month=\"\" day=\"x1\"/><Event month=\"99999999999\" day=\"&#9;4\"/><Event/></Orvane>");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].Month, 3);
    EXPECT_EQ(records[0].Day, 7);
    EXPECT_EQ(records[1].Month, 12);
    EXPECT_EQ(records[1].Day, -5);
    EXPECT_EQ(records[2].Month, 0);
    EXPECT_EQ(records[2].Day, 0);
    EXPECT_EQ(records[3].Month, 2147483647) << "saturates";
    EXPECT_EQ(records[3].Day, 4);
    EXPECT_TRUE(records[4].Name.isEmpty());
    EXPECT_TRUE(records[4].Notes.isEmpty());
    EXPECT_TRUE(records[4].CategoryName.isEmpty());
    EXPECT_EQ(records[4].Month, 0);
    EXPECT_EQ(records[4].Selected, 0);
}

TEST(ExchangeReader, DecodesReferencesAndTheDeclaredEncoding)
{
    const QByteArray document = "<?xml version=\"1.0\" encoding=\"windows-1251\"?><Orvane><Event name=\""
                                + EncodeCp1251(u"Жора"_s)
                                + " &amp;&#38;&amp;#38; &lt;&#x416;&gt;\" information=\"a\nb\" category=\"&quot;q&apos;\"/></Orvane>";
    const std::vector<CImportedEvent> records = Read(document);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Name, u"Жора &&&#38; <Ж>"_s);
    EXPECT_EQ(records[0].Notes, u"a b"_s) << "a raw line break in a value reads as a blank";
    EXPECT_EQ(records[0].CategoryName, u"\"q'"_s);
    // Without a declaration the bytes are UTF-8.
    EXPECT_EQ(Read(u"<r><Event name=\"Жора\"/></r>"_s.toUtf8())[0].Name, u"Жора"_s);
}

TEST(ExchangeReader, ClipboardTextIsCharactersWhateverItsDeclarationSays)
{
    CImportList list;
    const QString text = u"<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<Orvane>\r\n<Event name=\"Ёлка\"/>\r\n</Orvane>\r\n"_s;
    ASSERT_TRUE(ReadExchangeText(text, list).ok());
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.begin()->Name, u"Ёлка"_s);
}

TEST(ExchangeReader, MalformedInputIsRefusedAndKeepsWhatWasReadBefore)
{
    CImportList list;
    ASSERT_TRUE(ReadExchangeDocument("<a><Event name=\"kept\"/></a>", list).ok());
    for (const QByteArray &bad : {QByteArray(), QByteArray("   "), QByteArray("plain text"),
                                 QByteArray("<a><Event name=\"x\"/>"), QByteArray("<a/><b/>"),
                                 QByteArray("<a b=\"&nbsp;\"/>"), QByteArray("<a><Event name=\"x\" name=\"y\"/></a>"),
                                 QByteArray("<a>\x01</a>"), QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><a n=\"\xff\"/>")}) {
        const ExchangeReadResult result = ReadExchangeDocument(bad, list);
        EXPECT_EQ(result.failure, ExchangeReadFailure::NotWellFormed) << bad.constData();
        EXPECT_FALSE(result.detail.isEmpty());
    }
    EXPECT_EQ(ReadExchangeText(u"Купить хлеба"_s, list).failure, ExchangeReadFailure::NotWellFormed);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.begin()->Name, u"kept"_s);
}

TEST(ExchangeReader, FilesAndDevices)
{
    QTemporaryDir dir;
    CImportList list;
    ImportRead read;
    EXPECT_EQ(ReadImportFile(QString(), list, read).failure, ExchangeReadFailure::CannotOpen);
    EXPECT_EQ(ReadImportFile(dir.filePath(u"missing.xml"_s), list, read).failure, ExchangeReadFailure::CannotOpen);
    EXPECT_EQ(ReadImportFile(dir.path(), list, read).failure, ExchangeReadFailure::CannotOpen) << "a folder";

    // Larger than one read of the device.
    QByteArray big = "<Orvane>";
    for (int i = 0; i < 3000; ++i)
        big += "<Event name=\"" + QByteArray::number(i) + "\" information=\"" + QByteArray(40, 'n') + "\"/>";
    big += "</Orvane>";
    QBuffer buffer(&big);
    buffer.open(QIODevice::ReadOnly);
    ASSERT_TRUE(ReadImportDevice(buffer, list, read).ok());
    EXPECT_EQ(list.GetCount(), 3000);
}

} // namespace
} // namespace orvane
