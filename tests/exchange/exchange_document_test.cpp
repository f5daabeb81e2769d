// The exchange document: written by the export in its two forms, read back by the import.
#include "exchange/exchange_document.h"
#include "exchange/import_file.h"
#include "store/user.h"
#include "store/windows1251.h"

#include "event_maker.h"
#include "read_texts.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

TEST(ExchangeDocument, TextsComeBackUnchangedThroughBothFormsAcrossTheConvertersChunks)
{
    CUser user;
    const auto add = [&user](int month, int day, const QString &name, const QString &notes, int category) {
        user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name, notes, category))->Selected = 1;
    };
    EXPECT_EQ(CExchangeDocument::Build(user)->FileForm(), "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Orvane version=\"1, 9, 2, 0\"/>\n");
    EXPECT_EQ(CExchangeDocument::Build(user)->ClipboardForm(), "<Orvane version=\"1, 9, 2, 0\"/>\r\n");

    add(5, 10, u"Ёжик & <Пётр> \"@\" >"_s, u"строка 1\nстрока 2\tтаб\r\nконец @ & < > \" '  "_s, 1);
    // Outside the code page (a reference); a control character XML cannot carry (written as "?").
    add(5, 10, u"Смайлик 😀"_s, u"bell\x07 here"_s, 0);
    // One- to four-byte characters, so that the converters' chunk ends fall inside characters.
    for (int i = 0; i < 3000; ++i)
        add(1 + i % 12, 1 + i % 28, u"€%1Жж😀№%2"_s.arg(i).arg(QString(i % 7, u'ё')), QString(i % 50, u'Ъ'), 0);
    CImportList expected;
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &event : user.Slot(index))
            expected.AddTail({event, user.GetCategory(event.Category)})->Notes = event.Notes.Text().replace(u'\x07', u'?');
    const CExchangeDocument document = *CExchangeDocument::Build(user);
    for (const bool clipboard : {false, true}) {
        CImportList list;
        EXPECT_TRUE((clipboard ? ReadExchangeText(DecodeCp1251(document.ClipboardForm()), list)
                               : ReadExchangeDocument(document.FileForm(), list)).ok());
        EXPECT_EQ(test::RecordTexts(list), test::RecordTexts(expected)) << "clipboard form: " << clipboard;
    }
}

TEST(ExchangeDocument, EveryEventBelowTheRootIsReadWithItsAttributes)
{
    const std::pair<QByteArray, QStringList> rows[] = {
        {"<Calendar><Event name=\"a\"/><group><Event name=\"b\"><Event name=\"c\"/></Event></group><event name=\"lower\"/>"
         "<EVENT name=\"upper\"/><x:Event xmlns:x=\"urn:x\" name=\"prefixed\"/><Event name=\"d\"/></Calendar>",
         {u"a|||0/0"_s, u"b|||0/0"_s, u"c|||0/0"_s, u"d|||0/0"_s}},
        {"<Event name=\"root\" month=\"1\" day=\"1\"/>", {}},
        // Numbers as C's atol reads them, saturating.
        {"<Orvane><Event month=\"03\" day=\" 7x\"/><Event month=\"+12\" day=\"-5\"/><Event month=\"\" day=\"x1\"/>"
         "<Event month=\"99999999999\" day=\"&#9;4\"/><Event/></Orvane>",
         {u"|||3/7"_s, u"|||12/-5"_s, u"|||0/0"_s, u"|||2147483647/4"_s, u"|||0/0"_s}},
        {"<?xml version=\"1.0\" encoding=\"windows-1251\"?><Orvane><Event name=\"" + EncodeCp1251(u"Жора"_s)
             + " &amp;&#38;&amp;#38; &lt;&#x416;&gt;\" information=\"a\nb\" category=\"&quot;q&apos;\"/></Orvane>",
         {u"Жора &&&#38; <Ж>|a b|\"q'|0/0"_s}},
        // UTF-8 without a declaration; an attribute of no meaning is passed over.
        {u"<r><Event name=\"Жора\" date=\"1.1\"/></r>"_s.toUtf8(), {u"Жора|||0/0"_s}},
    };
    for (const auto &[document, records] : rows)
        EXPECT_EQ(test::ReadTexts(document), records) << document.constData();
}

TEST(ExchangeDocument, MalformedInputIsRefusedAndKeepsWhatWasReadBefore)
{
    CImportList list;
    ImportRead read;
    ASSERT_TRUE(ReadExchangeDocument("<a><Event name=\"kept\"/></a>", list).ok());
    for (const char *bad : {"", "   ", "plain text", "<a><Event name=\"x\"/>", "<a/><b/>", "<a b=\"&nbsp;\"/>",
                            "<a><Event name=\"x\" name=\"y\"/></a>", "<a>\x01</a>",
                            "<?xml version=\"1.0\" encoding=\"utf-8\"?><a n=\"\xff\"/>"}) {
        const ExchangeReadResult result = ReadExchangeDocument(bad, list);
        EXPECT_EQ(result.failure, ExchangeReadFailure::NotWellFormed) << bad;
        EXPECT_FALSE(result.detail.isEmpty());
    }
    EXPECT_EQ(ReadExchangeText(u"Купить хлеба"_s, list).failure, ExchangeReadFailure::NotWellFormed);
    for (const QString &path : {QString(), u"/nonexistent/orvane.xml"_s, u"/"_s})
        EXPECT_EQ(ReadImportFile(path, list, read).failure, ExchangeReadFailure::CannotOpen) << path.toStdString();
    EXPECT_EQ(test::RecordTexts(list), QStringList{u"kept|||0/0"_s});
}

} // namespace
} // namespace orvane
