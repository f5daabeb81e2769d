// iCalendar export and import: our own round trip, and files in other programs' conventions.
#include "exchange/ical_document.h"
#include "exchange/ical_reader.h"
#include "exchange/import_file.h"
#include "store/clock.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

struct Read {
    ExchangeReadResult result;
    CImportList records;
    std::vector<MergeNote> skipped;
};

Read ReadText(const QByteArray &text)
{
    Read read;
    read.result = ReadICalendar(text, read.records, read.skipped);
    return read;
}

std::vector<CImportedEvent> Records(const CImportList &list)
{
    return {list.begin(), list.end()};
}

QByteArray Crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

class ICalendarTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetSource([this] { return today; }); }
    void TearDown() override { Clock::SetSource({}); }

    CEventRecord &Add(int month, int day, const QString &name, const QString &notes = {}, int category = 0)
    {
        CEventRecord &event = *user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name, notes, category));
        event.Selected = 1;
        return event;
    }

    QDate today{2026, 5, 10};
    CUser user;
};

TEST_F(ICalendarTest, ExportReadsBackToTheSameEventsWithStableUids)
{
    Add(3, 8, u"Маша, Петя; и \\ все"_s, u"строка 1\r\nстрока 2\tтаб\x01"_s, 1);
    Add(1, 2, u"Очень длинное название события на кириллице"_s, QString(200, u'ж'));
    Add(1, 2, u"Близнец"_s);
    Add(1, 2, u"Близнец"_s);
    Add(12, 31, u"unselected"_s).Selected = 0;
    Add(6, 6, u"outside the list"_s, {}, 7); // travels under the first category

    const ICalendarExport exported = BuildICalendar(user);
    const QByteArray &text = exported.text;
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(exported.leftOut, 0);
    EXPECT_TRUE(text.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n")) << text.constData();
    EXPECT_EQ(text.count("BEGIN:VEVENT\r\n"), 5);
    EXPECT_EQ(text.count("RRULE:FREQ=YEARLY\r\n"), 5);
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20260308\r\n"));
    EXPECT_TRUE(text.contains("DTSTAMP:20260510T000000Z\r\n"));
    EXPECT_TRUE(text.contains("CATEGORIES:Остальное\r\n"));
    EXPECT_FALSE(text.contains("unselected"));
    for (const QByteArray &line : text.split('\n'))
        EXPECT_LE(line.size(), 76) << "folded at 75 octets plus CR: " << line.constData();
    EXPECT_TRUE(QString::fromUtf8(text).toUtf8() == text) << "valid UTF-8, folds between characters";

    QList<QByteArray> uids;
    for (const QByteArray &line : text.split('\n'))
        if (line.startsWith("UID:"))
            uids << line;
    ASSERT_EQ(uids.size(), 5);
    EXPECT_EQ(QSet<QByteArray>(uids.begin(), uids.end()).size(), 5) << "equal events of one day get their own UIDs";
    today = QDate(2027, 1, 1);
    const QByteArray later = BuildICalendar(user).text;
    EXPECT_TRUE(later.contains(uids[0])) << "the same calendar gives the same UIDs in another year";
    EXPECT_TRUE(later.contains("DTSTART;VALUE=DATE:20270308\r\n"));

    const Read read = ReadText(text);
    ASSERT_TRUE(read.result.ok()) << read.result.detail.toStdString();
    EXPECT_TRUE(read.skipped.empty());
    std::vector<CImportedEvent> expected;
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &event : user.Slot(index))
            if (event.Selected) {
                expected.push_back({test::MakeEvent(event.Month, event.Day, event.Name, event.Notes),
                                    user.GetCategory(event.Category == 1 ? 1 : 0)});
            }
    expected[3].Notes = u"строка 1\nстрока 2\tтаб?"_s; // line breaks travel as LF; control characters as "?"
    EXPECT_EQ(Records(read.records), expected);
}

TEST_F(ICalendarTest, TheTwentyNinthOfFebruaryIsTheLastDayOfFebruary)
{
    Add(2, 29, u"Високосный"_s);
    const QByteArray common = BuildICalendar(user).text;
    EXPECT_TRUE(common.contains("DTSTART;VALUE=DATE:20260228\r\n")) << "a day of the current year, on the rule";
    EXPECT_TRUE(common.contains("RRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2\r\n")) << common.constData();
    today = QDate(2028, 3, 1);
    const QByteArray leap = BuildICalendar(user).text;
    EXPECT_TRUE(leap.contains("DTSTART;VALUE=DATE:20280229\r\n"));

    for (const QByteArray &text : {common, leap}) {
        const Read read = ReadText(text);
        ASSERT_EQ(read.records.GetCount(), 1);
        EXPECT_EQ(read.records.begin()->Month, 2);
        EXPECT_EQ(read.records.begin()->Day, 29);
    }
    // Other programs: a plain yearly rule on 29 February, the rule's parts in the other order.
    for (const QByteArray rule : {"RRULE:FREQ=YEARLY\n", "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\n"}) {
        const Read read = ReadText(Crlf("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:" + QByteArray(rule.size() > 20 ? "20230228" : "19960229")
                                        + "\n" + rule + "SUMMARY:x\nEND:VEVENT\nEND:VCALENDAR\n"));
        ASSERT_EQ(read.records.GetCount(), 1) << rule.constData();
        EXPECT_EQ(read.records.begin()->Day, 29) << rule.constData();
    }
}

TEST_F(ICalendarTest, AnExportWithTimeZonesInOnlineCalendarStyleGivesItsYearlyAllDayEvents)
{
    const QByteArray text = Crlf(R"(BEGIN:VCALENDAR
PRODID:-//Web Calendar//Calendar 70.9054//EN
VERSION:2.0
CALSCALE:GREGORIAN
METHOD:PUBLISH
X-WR-CALNAME:Семья
X-WR-TIMEZONE:Europe/Moscow
BEGIN:VTIMEZONE
TZID:Europe/Moscow
X-LIC-LOCATION:Europe/Moscow
BEGIN:STANDARD
TZOFFSETFROM:+0300
TZOFFSETTO:+0300
TZNAME:MSK
DTSTART:19700101T000000
END:STANDARD
END:VTIMEZONE
BEGIN:VEVENT
DTSTART;VALUE=DATE:19850412
DTEND;VALUE=DATE:19850413
RRULE:FREQ=YEARLY
DTSTAMP:20240101T120000Z
UID:abc123@web.example
CREATED:20200101T000000Z
DESCRIPTION:Позвонить утром и поздравить\, не забыть про подарок для 
 всей семьи
LAST-MODIFIED:20200101T000000Z
SEQUENCE:0
STATUS:CONFIRMED
SUMMARY:День рождения бабушки
TRANSP:TRANSPARENT
END:VEVENT
BEGIN:VEVENT
DTSTART;TZID=Europe/Moscow:20240115T190000
DTEND;TZID=Europe/Moscow:20240115T200000
RRULE:FREQ=YEARLY
SUMMARY:Ужин
UID:timed@web.example
END:VEVENT
BEGIN:VEVENT
DTSTART;VALUE=DATE:20240108
RRULE:FREQ=WEEKLY;BYDAY=MO
SUMMARY:Бассейн
UID:weekly@web.example
END:VEVENT
BEGIN:VEVENT
DTSTART;VALUE=DATE:20240601
SUMMARY:Один раз
UID:once@web.example
END:VEVENT
END:VCALENDAR
)");
    const Read read = ReadText(text);
    ASSERT_TRUE(read.result.ok()) << read.result.detail.toStdString();
    ASSERT_EQ(read.records.GetCount(), 1);
    const CImportedEvent &granny = *read.records.begin();
    EXPECT_EQ(granny.Name, u"День рождения бабушки"_s);
    EXPECT_EQ(granny.Notes, u"Позвонить утром и поздравить, не забыть про подарок для всей семьи"_s);
    EXPECT_EQ(granny.CategoryName, QString()) << "no CATEGORIES: the merge puts it into the last category";
    EXPECT_EQ(granny.Month, 4);
    EXPECT_EQ(granny.Day, 12);
    ASSERT_EQ(read.skipped.size(), 3u) << "the time zone is no entry of its own";
    EXPECT_EQ(read.skipped[0].name, u"Ужин"_s);
    EXPECT_EQ(read.skipped[0].reasons, std::vector{MergeReason::NotAllDay});
    EXPECT_EQ(read.skipped[1].reasons, std::vector{MergeReason::NotYearly});
    EXPECT_EQ(read.skipped[2].name, u"Один раз"_s);
    EXPECT_EQ(read.skipped[2].month, 6);
    EXPECT_EQ(read.skipped[2].reasons, std::vector{MergeReason::NotYearly});
}

TEST_F(ICalendarTest, AMailClientStyleFileWithAlarmsAndSeveralCategoriesTakesTheFirstCategory)
{
    // LF line ends, a byte order mark, X- properties, an alarm inside the event, a task.
    const QByteArray text = "\xEF\xBB\xBF" R"(BEGIN:VCALENDAR
PRODID:-//Mail Client//NONSGML Calendar V1.1//EN
VERSION:2.0
BEGIN:VEVENT
CREATED:20190310T101010Z
LAST-MODIFIED:20190310T101010Z
DTSTAMP:20190310T101010Z
UID:6f2c9a1e-0000-4f7e-9d1b-1c0ffee00001
SUMMARY:Годовщина свадьбы
CATEGORIES:Anniversary,Family
RRULE:FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=14
DTSTART;VALUE=DATE:20100714
DTEND;VALUE=DATE:20100715
TRANSP:TRANSPARENT
X-MOZ-GENERATION:2
BEGIN:VALARM
ACTION:DISPLAY
TRIGGER;VALUE=DURATION:-P1D
DESCRIPTION:Default Mozilla Description
END:VALARM
END:VEVENT
BEGIN:VEVENT
UID:every-other-year
SUMMARY:Раз в два года
RRULE:FREQ=YEARLY;INTERVAL=2
DTSTART;VALUE=DATE:20100301
END:VEVENT
BEGIN:VEVENT
UID:ends
SUMMARY:Пять раз
RRULE:FREQ=YEARLY;COUNT=5
DTSTART;VALUE=DATE:20100302
END:VEVENT
BEGIN:VEVENT
UID:mothers-day
SUMMARY:Второе воскресенье мая
RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU
DTSTART;VALUE=DATE:20100509
END:VEVENT
BEGIN:VEVENT
UID:every-other-year
RECURRENCE-ID;VALUE=DATE:20120301
SUMMARY:Перенесённый раз
DTSTART;VALUE=DATE:20120305
END:VEVENT
BEGIN:VEVENT
UID:no-start
SUMMARY:Без даты
RRULE:FREQ=YEARLY
DTSTART;VALUE=DATE:2010xx01
END:VEVENT
BEGIN:VTODO
UID:todo
SUMMARY:Купить подарок
END:VTODO
BEGIN:VJOURNAL
UID:journal
END:VJOURNAL
END:VCALENDAR
)";
    const Read read = ReadText(text);
    ASSERT_TRUE(read.result.ok()) << read.result.detail.toStdString();
    ASSERT_EQ(read.records.GetCount(), 1);
    EXPECT_EQ(read.records.begin()->Name, u"Годовщина свадьбы"_s);
    EXPECT_EQ(read.records.begin()->CategoryName, u"Anniversary"_s);
    EXPECT_EQ(read.records.begin()->Month, 7);
    EXPECT_EQ(read.records.begin()->Day, 14);
    std::vector<std::pair<QString, MergeReason>> skipped;
    for (const MergeNote &note : read.skipped)
        skipped.emplace_back(note.name, note.reasons.at(0));
    EXPECT_EQ(skipped, (std::vector<std::pair<QString, MergeReason>>{
                           {u"Раз в два года"_s, MergeReason::NotYearly},
                           {u"Пять раз"_s, MergeReason::NotYearly},
                           {u"Второе воскресенье мая"_s, MergeReason::NotYearly},
                           {u"Перенесённый раз"_s, MergeReason::NotYearly},
                           {u"Без даты"_s, MergeReason::NoSuchDate},
                           {u"Купить подарок"_s, MergeReason::NotAnEvent},
                           {u"VJOURNAL"_s, MergeReason::NotAnEvent}}));
}

TEST_F(ICalendarTest, BrokenOrHostileDocumentsAreRefusedWithNothingRead)
{
    CImportList list;
    list.AddTail({test::MakeEvent(1, 1, u"already there"_s), {}});
    std::vector<MergeNote> skipped;
    const QByteArray event = "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20100101\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n";
    QByteArray deep = "BEGIN:VCALENDAR\r\n" + event;
    for (int i = 0; i < 100000; ++i)
        deep += "BEGIN:X\r\n";
    for (int i = 0; i < 100000; ++i)
        deep += "END:X\r\n";
    deep += "END:VCALENDAR\r\n";
    const QByteArray cases[] = {
        "BEGIN:VCALENDAR\r\n" + event,                        // cut off
        "BEGIN:VCALENDAR\r\n" + event + "END:VCALENDAR\r\nEND:VCALENDAR\r\n",
        deep,
        "<Orvane/>",                                           // an .ics that is not one
        QByteArray(),
        "BEGIN:VCALENDAR\r\n" + QByteArray(kMaxExchangeDocumentBytes, 'x'),
    };
    for (const QByteArray &text : cases) {
        const ExchangeReadResult result = ReadICalendar(text, list, skipped);
        EXPECT_FALSE(result.ok()) << text.left(80).constData();
        EXPECT_FALSE(result.detail.isEmpty());
    }
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_TRUE(skipped.empty());

    // Two calendars in one file are both read.
    const QByteArray twice = "BEGIN:VCALENDAR\r\n" + event + "END:VCALENDAR\r\nBEGIN:VCALENDAR\r\n" + event + "END:VCALENDAR\r\n";
    ASSERT_TRUE(ReadICalendar(twice, list, skipped).ok());
    EXPECT_EQ(list.GetCount(), 3);
}

TEST(ImportFormat, TheFirstLineTellsThenTheExtension)
{
    EXPECT_EQ(ImportFormatOf("\xEF\xBB\xBF\r\n  begin:vcalendar \r\nX", u"a.xml"_s), ImportFormat::ICalendar);
    EXPECT_EQ(ImportFormatOf("BEGIN:VCARD\nVERSION:3.0", {}), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("BEGIN:VCARDS\n", {}), ImportFormat::Exchange);
    EXPECT_EQ(ImportFormatOf("<?xml version=\"1.0\"?><Orvane/>", u"x.ics"_s), ImportFormat::ICalendar);
    EXPECT_EQ(ImportFormatOf("garbage", u"/tmp/Contacts.VCF"_s), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("garbage", u"x.vcard"_s), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("<Orvane/>", u"orvane.xml"_s), ImportFormat::Exchange);
    EXPECT_EQ(ImportFormatOf("", {}), ImportFormat::Exchange);
}

} // namespace
} // namespace orvane
