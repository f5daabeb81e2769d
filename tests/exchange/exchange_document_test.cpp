#include "exchange/exchange_document.h"
#include "exchange/exchange_reader.h"
#include "store/clock.h"
#include "store/user.h"
#include "store/windows1251.h"

#include "event_maker.h"
#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

class ExchangeDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetSource([] { return QDate(2026, 5, 10); }); }
    void TearDown() override { Clock::SetSource({}); }

    CEventRecord &Add(int month, int day, const QString &name, const QString &notes = {},
                      int category = 0, bool selected = true)
    {
        CEventRecord event = test::MakeEvent(month, day, name, notes, category);
        event.Selected = selected ? 1 : 0;
        return *user.GetDayEvents(month, day).AddTail(event);
    }
    CExchangeDocument Build() const
    {
        std::optional<CExchangeDocument> document = CExchangeDocument::Build(user);
        EXPECT_TRUE(document.has_value());
        return std::move(*document);
    }

    CUser user;
};

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

TEST_F(ExchangeDocumentTest, OneEventInBothForms)
{
    Add(3, 8, u"Маша"_s);
    const CExchangeDocument document = Build();
    const QByteArray event = "<Event name=\"" + EncodeCp1251(u"Маша"_s) + "\" information=\"\" category=\""
                             + EncodeCp1251(u"День рождения"_s) + "\" month=\"3\" day=\"8\"/>";
    EXPECT_EQ(document.FileForm(), kDeclaration + "<Orvane version=\"1, 9, 2, 0\">" + event + "</Orvane>\n");
    EXPECT_EQ(document.ClipboardForm(),
              "<Orvane version=\"1, 9, 2, 0\">\r\n" + event + "\r\n</Orvane>\r\n");
}

TEST_F(ExchangeDocumentTest, NothingSelectedGivesAnEmptyRoot)
{
    Add(1, 1, u"a"_s, {}, 0, false);
    const CExchangeDocument document = Build();
    EXPECT_EQ(document.FileForm(), kDeclaration + "<Orvane version=\"1, 9, 2, 0\"/>\n");
    EXPECT_EQ(document.ClipboardForm(), "<Orvane version=\"1, 9, 2, 0\"/>\r\n");
}

TEST_F(ExchangeDocumentTest, SeveralEventsInDayOrderWithEscapesAndCategoryNames)
{
    user.InsertCategory(1, u"Работа"_s);
    Add(12, 31, u"last"_s);
    Add(1, 1, u"first"_s, u"x"_s, 7); // a number past the list: the first name
    Add(1, 1, u"skipped"_s, {}, 0, false);
    Add(1, 1, u"second"_s, u"a & b < c > d \"e\" 'f'"_s, 1);
    Add(2, 29, u"leap"_s, {}, 2);

    const QByteArray file = Build().FileForm();
    const qsizetype first = file.indexOf("name=\"first\" information=\"x\" category=\"" + EncodeCp1251(u"День рождения"_s) + "\" month=\"1\" day=\"1\"/>");
    const qsizetype second = file.indexOf("<Event name=\"second\" information=\"a &amp; b &lt; c &gt; d &quot;e&quot; 'f'\" category=\""
                                          + EncodeCp1251(u"Работа"_s) + "\" month=\"1\" day=\"1\"/>");
    const qsizetype leap = file.indexOf("name=\"leap\" information=\"\" category=\"" + EncodeCp1251(u"Остальное"_s) + "\" month=\"2\" day=\"29\"/>");
    const qsizetype last = file.indexOf("name=\"last\"");
    EXPECT_GE(first, 0);
    EXPECT_LT(first, second);
    EXPECT_LT(second, leap);
    EXPECT_LT(leap, last);
    EXPECT_FALSE(file.contains("skipped"));
    EXPECT_EQ(file.count("<Event "), 4);

    // The clipboard form: every tag on its own line, the escaped ">" of a value untouched.
    const QList<QByteArray> lines = Build().ClipboardForm().split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[6].isEmpty());
    for (qsizetype i = 0; i < 6; ++i)
        EXPECT_TRUE(lines[i].endsWith(">\r")) << lines[i].constData();
}

// Exports and reads back through both forms.
std::vector<CImportedEvent> RoundTrip(const CExchangeDocument &document, bool clipboard)
{
    CImportList list;
    const ExchangeReadResult result = clipboard
                                          ? ReadExchangeText(DecodeCp1251(document.ClipboardForm()), list)
                                          : ReadExchangeDocument(document.FileForm(), list);
    EXPECT_TRUE(result.ok()) << result.detail.toStdString();
    return {list.begin(), list.end()};
}

TEST_F(ExchangeDocumentTest, TextsComeBackUnchangedThroughBothForms)
{
    const QString name = u"Ёжик & <Пётр> \"@\" >"_s;
    const QString notes = u"строка 1\nстрока 2\tтаб\r\nконец @ & < > \" '  "_s;
    Add(5, 10, name, notes, 1);
    Add(5, 10, u"Смайлик 😀"_s, u"bell\x07 here"_s); // outside the code page; a control character
    for (const bool clipboard : {false, true}) {
        const std::vector<CImportedEvent> read = RoundTrip(Build(), clipboard);
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(read[0].Name, name);
        EXPECT_EQ(read[0].Notes, notes);
        EXPECT_EQ(read[0].CategoryName, u"Остальное"_s);
        EXPECT_EQ(read[0].Month, 5);
        EXPECT_EQ(read[0].Day, 10);
        // Written as a character reference, read back as the character itself.
        EXPECT_EQ(read[1].Name, u"Смайлик 😀"_s);
        // XML cannot carry the bell character: the export writes "?" so the document stays readable.
        EXPECT_EQ(read[1].Notes, u"bell? here"_s);
    }
    EXPECT_TRUE(Build().FileForm().contains("&#128512;"));
}

TEST_F(ExchangeDocumentTest, LargeDocumentsConvertAcrossTheConvertersChunks)
{
    // Mixed one-, two- and three-byte characters and references, so that the converters' chunk
    // ends fall inside characters somewhere.
    QStringList names;
    for (int i = 0; i < 3000; ++i) {
        names << u"€%1Жж😀№%2"_s.arg(i).arg(QString(i % 7, u'ё'));
        Add(1 + i % 12, 1 + i % 28, names.back(), QString(i % 50, u'Ъ'));
    }
    const std::vector<CImportedEvent> read = RoundTrip(Build(), false);
    ASSERT_EQ(read.size(), 3000u);
    QStringList readNames;
    for (const CEventRecord &record : read)
        readNames << record.Name;
    readNames.sort();
    names.sort();
    EXPECT_EQ(readNames, names);
}

} // namespace
} // namespace orvane
