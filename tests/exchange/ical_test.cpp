// iCalendar export and import: our own round trip, and entries as other programs write them.
#include "exchange/ical_document.h"
#include "exchange/ical_reader.h"
#include "exchange/import_file.h"
#include "store/clock.h"
#include "store/user.h"

#include "event_maker.h"
#include "imported_text.h"

#include <gtest/gtest.h>

#include <optional>

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

TEST(ICalendarDocument, ExportReadsBackToTheSameEventsWithStableUids)
{
    QDate today(2026, 5, 10);
    Clock::SetSource([&today] { return today; });
    CUser user;
    const auto add = [&user](int month, int day, const QString &name, const QString &notes = {}, int category = 0) {
        user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name, notes, category))->Selected = 1;
    };
    add(3, 8, u"Маша, Петя; и \\ все"_s, u"строка 1\r\nстрока 2\tтаб\x01"_s, 1);
    add(1, 2, u"Близнец"_s);
    add(1, 2, u"Близнец"_s);
    add(2, 29, u"Касьян"_s);
    add(6, 6, u"outside the list"_s, {}, 7); // travels under the first category
    user.GetDayEvents(12, 31).AddTail(test::MakeEvent(12, 31, u"unselected"_s));

    const ICalendarExport exported = BuildICalendar(user);
    EXPECT_EQ(exported.leftOut, 0);
    for (const char *lines : {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", "DTSTART;VALUE=DATE:20260308\r\nRRULE:FREQ=YEARLY\r\n",
                              "DTSTAMP:20260510T000000Z\r\n", "CATEGORIES:Остальное\r\n",
                              "DTSTART;VALUE=DATE:20260228\r\nRRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2\r\n"})
        EXPECT_TRUE(exported.text.contains(lines)) << lines;
    EXPECT_FALSE(exported.text.contains("unselected"));
    QSet<QByteArray> uids;
    for (const QByteArray &line : exported.text.split('\n'))
        if (line.startsWith("UID:"))
            uids << line;
    EXPECT_EQ(uids.size(), 5) << "equal events of one day get their own UIDs";
    today = QDate(2028, 1, 1);
    const QByteArray leap = BuildICalendar(user).text;
    EXPECT_TRUE(leap.contains("DTSTART;VALUE=DATE:20280229\r\n"));
    for (const QByteArray &uid : uids)
        EXPECT_TRUE(leap.contains(uid)) << "the same calendar gives the same UIDs in another year";

    const Read read = ReadText(exported.text);
    ASSERT_TRUE(read.result.ok()) << read.result.detail.toStdString();
    EXPECT_TRUE(read.skipped.empty());
    std::vector<CImportedEvent> expected;
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &event : user.Slot(index))
            if (event.Selected)
                expected.push_back({test::MakeEvent(event.Month, event.Day, event.Name, event.Notes), user.GetCategory(event.Category == 1 ? 1 : 0)});
    expected[3].Notes = u"строка 1\nстрока 2\tтаб?"_s; // line breaks travel as LF; control characters as "?"
    EXPECT_EQ(std::vector<CImportedEvent>(read.records.begin(), read.records.end()), expected);
    Clock::SetSource({});
}

// The entries of a calendar file as a web calendar or a mail client writes them: the records
// they give, or the name and date of each skipped one with the reason.
TEST(ICalendarReader, EachEntryGivesAYearlyAllDayEventOrTheReasonItIsSkipped)
{
    const auto event = [](const QByteArray &lines) { return "BEGIN:VEVENT\n" + lines + "END:VEVENT\n"; };
    struct Row {
        QByteArray entries;
        QStringList read;
        std::optional<MergeReason> skipped = {};
    };
    const Row rows[] = {
        {event("DTSTART;VALUE=DATE:19850412\nDTEND;VALUE=DATE:19850413\nRRULE:FREQ=YEARLY\nUID:abc@web.example\n"
               "DESCRIPTION:Позвонить утром\\, не забыть про \n подарок\nSUMMARY:День рождения бабушки\nTRANSP:TRANSPARENT\n"),
         {u"День рождения бабушки|Позвонить утром, не забыть про подарок||4/12"_s}},
        {event("SUMMARY:Годовщина\nCATEGORIES:Anniversary,Family\nRRULE:FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=14\n"
               "DTSTART;VALUE=DATE:20100714\nX-MOZ-GENERATION:2\nBEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-P1D\nEND:VALARM\n"),
         {u"Годовщина||Anniversary|7/14"_s}},
        {event("DTSTART;VALUE=DATE:19960229\nRRULE:FREQ=YEARLY\nSUMMARY:x\n"), {u"x|||2/29"_s}},
        {event("DTSTART;VALUE=DATE:20230228\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\nSUMMARY:x\n"), {u"x|||2/29"_s}},
        {"BEGIN:VTIMEZONE\nTZID:Europe/Moscow\nBEGIN:STANDARD\nTZOFFSETFROM:+0300\nTZOFFSETTO:+0300\nDTSTART:19700101T000000\n"
         "END:STANDARD\nEND:VTIMEZONE\n" + event("DTSTART;TZID=Europe/Moscow:20240115T190000\nRRULE:FREQ=YEARLY\nSUMMARY:Ужин\n"),
         {u"Ужин|1/15"_s}, MergeReason::NotAllDay},
        {event("DTSTART;VALUE=DATE:20240108\nRRULE:FREQ=WEEKLY;BYDAY=MO\nSUMMARY:Бассейн\n"), {u"Бассейн|1/8"_s}, MergeReason::NotYearly},
        {event("DTSTART;VALUE=DATE:20240601\nSUMMARY:Один раз\n"), {u"Один раз|6/1"_s}, MergeReason::NotYearly},
        {event("RRULE:FREQ=YEARLY;INTERVAL=2\nDTSTART;VALUE=DATE:20100301\nSUMMARY:x\n"), {u"x|3/1"_s}, MergeReason::NotYearly},
        {event("RRULE:FREQ=YEARLY;COUNT=5\nDTSTART;VALUE=DATE:20100302\nSUMMARY:x\n"), {u"x|3/2"_s}, MergeReason::NotYearly},
        {event("RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\nDTSTART;VALUE=DATE:20100509\nSUMMARY:x\n"), {u"x|5/9"_s}, MergeReason::NotYearly},
        {event("UID:y\nRECURRENCE-ID;VALUE=DATE:20120301\nDTSTART;VALUE=DATE:20120305\nSUMMARY:x\n"), {u"x|3/5"_s}, MergeReason::NotYearly},
        {event("RRULE:FREQ=YEARLY\nDTSTART;VALUE=DATE:2010xx01\nSUMMARY:Без даты\n"), {u"Без даты|0/0"_s}, MergeReason::NoSuchDate},
        {"BEGIN:VTODO\nSUMMARY:Купить подарок\nEND:VTODO\nBEGIN:VJOURNAL\nUID:j\nEND:VJOURNAL\n",
         {u"Купить подарок|0/0"_s, u"VJOURNAL|0/0"_s}, MergeReason::NotAnEvent},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.entries.constData());
        // LF line ends and a byte order mark, as some programs write.
        const Read read = ReadText("\xEF\xBB\xBF" "BEGIN:VCALENDAR\nVERSION:2.0\n" + row.entries + "END:VCALENDAR\n");
        ASSERT_TRUE(read.result.ok()) << read.result.detail.toStdString();
        QStringList skipped;
        for (const MergeNote &note : read.skipped) {
            skipped << u"%1|%2/%3"_s.arg(note.name).arg(note.month).arg(note.day);
            EXPECT_EQ(note.reasons, std::vector{*row.skipped});
        }
        EXPECT_EQ(row.skipped ? skipped : test::ImportedTexts(read.records), row.read);
        EXPECT_EQ(read.records.GetCount() + static_cast<int>(read.skipped.size()), row.read.size());
    }
}

TEST(ICalendarReader, BrokenOrHostileDocumentsAreRefusedWithNothingRead)
{
    CImportList list;
    list.AddTail({test::MakeEvent(1, 1, u"already there"_s), {}});
    std::vector<MergeNote> skipped;
    const QByteArray event = "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20100101\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n";
    const QByteArray calendar = "BEGIN:VCALENDAR\r\n" + event + "END:VCALENDAR\r\n";
    const QByteArray cases[] = {
        "BEGIN:VCALENDAR\r\n" + event, // cut off
        calendar + "END:VCALENDAR\r\n",
        "BEGIN:VCALENDAR\r\n" + event + QByteArray("BEGIN:X\r\n").repeated(100000) + QByteArray("END:X\r\n").repeated(100000) + "END:VCALENDAR\r\n",
        "<Orvane/>", // an .ics that is not one
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
    ASSERT_TRUE(ReadICalendar(calendar + calendar, list, skipped).ok()) << "two calendars in one file are both read";
    EXPECT_EQ(list.GetCount(), 3);
}

TEST(ImportFormat, TheFirstLineTellsThenTheExtension)
{
    const std::tuple<QByteArray, QString, ImportFormat> rows[] = {
        {"\xEF\xBB\xBF\r\n  begin:vcalendar \r\nX", u"a.xml"_s, ImportFormat::ICalendar},
        {"BEGIN:VCARD\nVERSION:3.0", {}, ImportFormat::VCard},
        {"BEGIN:VCARDS\n", {}, ImportFormat::Exchange},
        {"<?xml version=\"1.0\"?><Orvane/>", u"x.ics"_s, ImportFormat::ICalendar},
        {"garbage", u"/tmp/Contacts.VCF"_s, ImportFormat::VCard},
        {"garbage", u"x.vcard"_s, ImportFormat::VCard},
        {"<Orvane/>", u"orvane.xml"_s, ImportFormat::Exchange},
        {"", {}, ImportFormat::Exchange},
    };
    for (const auto &[bytes, name, format] : rows)
        EXPECT_EQ(ImportFormatOf(bytes, name), format) << bytes.constData() << " " << name.toStdString();
}

} // namespace
} // namespace orvane
