// iCalendar and vCard files: our own iCalendar export, and entries as other
// programs write them.
#include "exchange/ical_document.h"
#include "exchange/ical_reader.h"
#include "exchange/vcard_reader.h"
#include "store/clock.h"
#include "store/user.h"

#include "event_maker.h"
#include "read_texts.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;
using test::Unread;

TEST(ICalendarDocument, ExportWritesYearlyAllDayEvents)
{
    QDate today(2026, 5, 10);
    Clock::SetSource([&today] { return today; });
    CUser user;
    user.SetCategories({u"День рождения"_s, u"Работа, учёба; \\ 🙂"_s, QString(40, u'ж'), u"Остальное"_s});
    const QString notes = u"строка 1\r\nстрока 2\tтаб\x01"_s;
    for (const auto &[month, day, name, category] : {std::tuple{3, 8, u"Маша, Петя; и \\ все"_s, 3}, {1, 2, u"Близнец"_s, 0},
             {1, 2, u"Близнец"_s, 0}, {2, 29, u"Касьян"_s, 0}, {6, 6, u"outside"_s, 7}, {7, 7, u"a"_s, 1}, {7, 8, u"b"_s, 2}})
        user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name, month == 7 ? QString() : notes, category))->Selected = 1;

    const ICalendarExport exported = BuildICalendar(user);
    // An entry whole: its text escaped, line breaks as LF, other control characters but tab as "?".
    for (const char *lines : {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n",
                              "DTSTAMP:20260510T000000Z\r\nDTSTART;VALUE=DATE:20260308\r\nRRULE:FREQ=YEARLY\r\n"
                              "SUMMARY:Маша\\, Петя\\; и \\\\ все\r\nTRANSP:TRANSPARENT\r\nDESCRIPTION:строка 1\\nстрока 2\tтаб?\r\n"
                              "CATEGORIES:Остальное\r\nEND:VEVENT\r\n",
                              // Without notes no DESCRIPTION; a category's separators escaped, a long one folded.
                              "SUMMARY:a\r\nTRANSP:TRANSPARENT\r\nCATEGORIES:Работа\\, учёба\\; \\\\ 🙂\r\nEND:VEVENT\r\n",
                              "DTSTART;VALUE=DATE:20260228\r\nRRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2\r\n"})
        EXPECT_TRUE(exported.text.contains(lines)) << lines;
    EXPECT_EQ(exported.text.count("CATEGORIES:День рождения\r\n"), 4) << "a category outside the list travels as the first";
    CImportList read;
    std::vector<MergeNote> skipped;
    ASSERT_TRUE(ReadICalendar(exported.text, read, skipped).ok());
    QStringList categories;
    for (const CImportedEvent &record : read)
        categories << record.CategoryName;
    EXPECT_EQ(categories.mid(3), (QStringList{u"Остальное"_s, u"День рождения"_s, u"Работа, учёба; \\ 🙂"_s, QString(40, u'ж')}));
    today = QDate(2028, 1, 1);
    EXPECT_TRUE(BuildICalendar(user).text.contains("DTSTART;VALUE=DATE:20280229\r\n"));
    Clock::SetSource({});
}

// The entries of a calendar file as a web calendar or a mail client writes them, with LF line
// ends and a byte order mark: the records they give, or each skipped one with the reason.
TEST(ICalendarReader, EachEntryGivesAYearlyAllDayEventOrTheReasonItIsSkipped)
{
    const auto event = [](const QByteArray &lines) { return "BEGIN:VEVENT\n" + lines + "END:VEVENT\n"; };
    const std::pair<QByteArray, QStringList> rows[] = {
        {event("DTSTART;VALUE=DATE:19850412\nDTEND;VALUE=DATE:19850413\nRRULE:FREQ=YEARLY\nUID:abc@web.example\n"
               "DESCRIPTION:Позвонить утром\\, не забыть про \n подарок\nSUMMARY:День рождения бабушки\nTRANSP:TRANSPARENT\n"),
         {u"День рождения бабушки|Позвонить утром, не забыть про подарок||4/12"_s}},
        {event("SUMMARY:Годовщина\nCATEGORIES:Anniversary,Family\nRRULE:FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=14\n"
               "DTSTART;VALUE=DATE:20100714\nX-MOZ-GENERATION:2\nBEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-P1D\nEND:VALARM\n"),
         {u"Годовщина||Anniversary|7/14"_s}},
        {event("DTSTART;VALUE=DATE:20230228\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\nSUMMARY:x\n"), {u"x|||2/29"_s}},
        {"BEGIN:VTIMEZONE\nTZID:Europe/Moscow\nBEGIN:STANDARD\nTZOFFSETFROM:+0300\nTZOFFSETTO:+0300\nDTSTART:19700101T000000\n"
         "END:STANDARD\nEND:VTIMEZONE\n" + event("DTSTART;TZID=Europe/Moscow:20240115T190000\nRRULE:FREQ=YEARLY\nSUMMARY:Ужин\n"),
         {Unread(u"Ужин|1/15"_s, MergeReason::NotAllDay)}},
        {event("DTSTART;VALUE=DATE:20240108\nRRULE:FREQ=WEEKLY;BYDAY=MO\nSUMMARY:x\n"), {Unread(u"x|1/8"_s, MergeReason::NotYearly)}},
        {event("DTSTART;VALUE=DATE:20240601\nSUMMARY:x\n"), {Unread(u"x|6/1"_s, MergeReason::NotYearly)}},
        {event("RRULE:FREQ=YEARLY;INTERVAL=2\nDTSTART;VALUE=DATE:20100301\nSUMMARY:x\n"), {Unread(u"x|3/1"_s, MergeReason::NotYearly)}},
        {event("RRULE:FREQ=YEARLY;COUNT=5\nDTSTART;VALUE=DATE:20100302\nSUMMARY:x\n"), {Unread(u"x|3/2"_s, MergeReason::NotYearly)}},
        {event("RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\nDTSTART;VALUE=DATE:20100509\nSUMMARY:x\n"), {Unread(u"x|5/9"_s, MergeReason::NotYearly)}},
        {event("UID:y\nRECURRENCE-ID;VALUE=DATE:20120301\nDTSTART;VALUE=DATE:20120305\nSUMMARY:x\n"), {Unread(u"x|3/5"_s, MergeReason::NotYearly)}},
        {event("RRULE:FREQ=YEARLY\nDTSTART;VALUE=DATE:2010xx01\nSUMMARY:x\n"), {Unread(u"x|0/0"_s, MergeReason::NoSuchDate)}},
        {"BEGIN:VTODO\nSUMMARY:Купить подарок\nEND:VTODO\nBEGIN:VJOURNAL\nUID:j\nEND:VJOURNAL\n",
         {Unread(u"Купить подарок|0/0"_s, MergeReason::NotAnEvent), Unread(u"VJOURNAL|0/0"_s, MergeReason::NotAnEvent)}},
        // Bare CR line ends, and an attachment in one line of 15 MiB.
        {event("DTSTART;VALUE=DATE:20100101\rRRULE:FREQ=YEARLY\rATTACH;ENCODING=BASE64;VALUE=BINARY:" + QByteArray(15 << 20, 'A')
               + "\rSUMMARY:x\r"), {u"x|||1/1"_s}},
    };
    for (const auto &[entries, read] : rows)
        EXPECT_EQ(test::ReadTexts("\xEF\xBB\xBF" "BEGIN:VCALENDAR\nVERSION:2.0\n" + entries + "END:VCALENDAR\n"), read) << entries.left(200).constData();
}

QByteArray Card(const QByteArray &version, const QByteArray &lines)
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCardReader, EveryFormOfBirthdayAndEveryVersionOfCardIsRead)
{
    const QString noDate = Unread(u"a|0/0"_s, MergeReason::NoSuchDate);
    const std::pair<QByteArray, QString> forms[] = {
        {"BDAY:19800315", u"a||B|3/15"_s},         {"BDAY:1980-03-15", u"a||B|3/15"_s},
        {"BDAY;VALUE=date:--0315", u"a||B|3/15"_s}, {"BDAY:--03-15", u"a||B|3/15"_s},
        {"BDAY:--0229", u"a||B|2/29"_s},           {"BDAY:1980-03-15T00:00:00Z", u"a||B|3/15"_s},
        {"bday: 1604-12-01 ", u"a||B|12/1"_s},     {"item1.BDAY:2001-01-31", u"a||B|1/31"_s},
        {"BDAY;VALUE=text:circa 1800", noDate},    {"BDAY:---15", noDate},
        {"BDAY:1980-03", noDate},                  {"BDAY:--1315x", noDate},
        // A quoted-printable name of many parameters, continued over many lines.
        {"BDAY:--0315\r\nFN" + QByteArray(";X").repeated(300000) + ";QUOTED-PRINTABLE:=\r\n" + QByteArray("=\r\n").repeated(300000) + "a",
         u"a||B|3/15"_s},
    };
    for (const auto &[line, expected] : forms)
        EXPECT_EQ(test::ReadTexts(Card("4.0", "FN:a\r\n" + line + "\r\n")), QStringList{expected}) << line.left(80).constData();

    // An address book of three versions with folded and encoded names.
    const QByteArray book =
        // A 2.1 phone export: quoted-printable UTF-8 with a soft line break, N before FN.
        Card("2.1", "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD=D0=BE=D0=B2;=D0=98=D0=B2=D0=B0=D0=BD;;;\r\n"
                    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD =D0=98=D0=B2=\r\n"
                    "=D0=B0=D0=BD=D0=BE=D0=B2\r\n"
                    "TEL;CELL:+70000000000\r\n"
                    "BDAY:1975-06-01\r\n")
        // 2.1 with the bare QUOTED-PRINTABLE parameter and a Windows-1251 name, no FN.
        + Card("2.1", "N;CHARSET=WINDOWS-1251;QUOTED-PRINTABLE:=CF=E5=F2=F0=EE=E2;=CF=B8=F2=F0;;;\r\n"
                      "BDAY:19900102\r\n")
        // 3.0 with a folded name, escapes and a photo folded over many lines.
        + Card("3.0", "FN:Анна-Мария\\, \r\n младшая\r\n"
                      "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQ\r\n AAAQABAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgFBQQEBQoHBwYIDAoMDAsKCwsNDhIQ\r\n"
                      "BDAY:--1224\r\n")
        + Card("3.0", "FN:Без даты\r\n")
        // 4.0, LF line ends, an embedded card that is not a contact of its own.
        + "BEGIN:VCARD\nVERSION:4.0\nFN:Ольга\nAGENT:BEGIN:VCARD\nBEGIN:VCARD\nFN:Секретарь\nBDAY:--0101\nEND:VCARD\nBDAY:20000229\nEND:VCARD\n";
    EXPECT_EQ(test::ReadTexts(book), (QStringList{u"Иван Иванов||B|6/1"_s, u"Пётр Петров||B|1/2"_s, u"Анна-Мария, младшая||B|12/24"_s,
                                                  u"Ольга||B|2/29"_s, Unread(u"Без даты|0/0"_s, MergeReason::NoBirthday)}));
}

// A broken file is refused whole: what was read before stays, nothing is added.
TEST(ICalendarAndVCardReaders, BrokenOrHostileFilesAreRefusedWithNothingRead)
{
    const CImportedEvent kept{test::MakeEvent(1, 1, u"already there"_s), {}};
    CImportList list;
    list.AddTail(kept);
    std::vector<MergeNote> skipped;
    const QByteArray event = "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20100101\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n";
    const QByteArray calendar = "BEGIN:VCALENDAR\r\n" + event + "END:VCALENDAR\r\n";
    const QByteArray nested = QByteArray("BEGIN:X\r\n").repeated(100000) + QByteArray("END:X\r\n").repeated(100000);
    const std::pair<QByteArray, bool> rows[] = { // the text, whether it is read as vCards
        {"BEGIN:VCALENDAR\r\n" + event, false}, {calendar + "END:VCALENDAR\r\n", false}, {"<Orvane/>", false}, {{}, false},
        {"BEGIN:VCALENDAR\r\n" + event + nested + "END:VCALENDAR\r\n", false},
        {"BEGIN:VCALENDAR\r\n" + event + QByteArray(nested).replace(":", " ;a:") + "END:VCALENDAR\r\n", false},
        {"BEGIN:VCALENDAR\r\n" + QByteArray(kMaxExchangeDocumentBytes, 'x'), false},
        {"BEGIN:VCARD\r\nFN:a\r\nBDAY:--0101\r\n", true}, {Card("3.0", "FN:a\r\n") + "BEGIN:VCARD\r\nFN:b\r\n", true},
        {"FN:a\r\n", true}, {"BEGIN:VCARD\r\n" + QByteArray(kMaxExchangeDocumentBytes, 'x'), true},
    };
    for (const auto &[text, vCards] : rows) {
        const ExchangeReadResult result = vCards ? ReadVCards(text, u"x"_s, list, skipped) : ReadICalendar(text, list, skipped);
        EXPECT_FALSE(result.ok() || result.detail.isEmpty()) << text.left(80).constData();
    }
    EXPECT_EQ(std::vector<CImportedEvent>(list.begin(), list.end()), std::vector{kept});
    EXPECT_TRUE(skipped.empty());
    ASSERT_TRUE(ReadICalendar(calendar + calendar, list, skipped).ok()) << "two calendars in one file are both read";
    EXPECT_EQ(list.GetCount(), 3);
}

TEST(ImportFormat, TheFirstLineTellsThenTheExtension)
{
    const std::tuple<QByteArray, QString, ImportFormat> rows[] = {
        {"\xEF\xBB\xBF\r\n  begin:vcalendar \r\nX", u"a.xml"_s, ImportFormat::ICalendar},
        {"BEGIN:VCARD\nVERSION:3.0", {}, ImportFormat::VCard}, {"BEGIN:VCARDS\n", {}, ImportFormat::Exchange},
        {"<?xml version=\"1.0\"?><Orvane/>", u"x.ics"_s, ImportFormat::ICalendar}, {"", {}, ImportFormat::Exchange},
        {"garbage", u"/tmp/Contacts.VCF"_s, ImportFormat::VCard}, {"garbage", u"x.vcard"_s, ImportFormat::VCard},
    };
    for (const auto &[bytes, name, format] : rows)
        EXPECT_EQ(ImportFormatOf(bytes, name), format) << bytes.constData() << " " << name.toStdString();
}

} // namespace
} // namespace orvane
