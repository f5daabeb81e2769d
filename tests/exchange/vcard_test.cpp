// Birthdays read from vCards as phones and address books write them.
#include "exchange/vcard_reader.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

struct Birthday {
    QString name;
    int month;
    int day;
    friend bool operator==(const Birthday &, const Birthday &) = default;
};

struct Read {
    ExchangeReadResult result;
    std::vector<Birthday> birthdays;
    std::vector<MergeNote> skipped;
};

Read ReadText(const QByteArray &text)
{
    Read read;
    CImportList list;
    read.result = ReadVCards(text, u"Дни рождения"_s, list, read.skipped);
    for (const CImportedEvent &record : list) {
        EXPECT_EQ(record.CategoryName, u"Дни рождения"_s);
        EXPECT_TRUE(record.Notes.isEmpty());
        read.birthdays.push_back({record.Name, record.Month, record.Day});
    }
    return read;
}

QByteArray Card(const QByteArray &version, const QByteArray &lines)
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCardReader, EveryFormOfBirthdayGivesItsMonthAndDay)
{
    const std::pair<QByteArray, Birthday> forms[] = {
        {"BDAY:19800315", {u"a"_s, 3, 15}},
        {"BDAY:1980-03-15", {u"a"_s, 3, 15}},
        {"BDAY;VALUE=date:--0315", {u"a"_s, 3, 15}},
        {"BDAY:--03-15", {u"a"_s, 3, 15}},
        {"BDAY:--0229", {u"a"_s, 2, 29}},
        {"BDAY:1980-03-15T00:00:00Z", {u"a"_s, 3, 15}},
        {"BDAY:19800315T123000", {u"a"_s, 3, 15}},
        {"bday: 1604-12-01 ", {u"a"_s, 12, 1}},
        {"item1.BDAY:2001-01-31", {u"a"_s, 1, 31}},
    };
    for (const auto &[line, expected] : forms) {
        const Read read = ReadText(Card("4.0", "FN:a\r\n" + line + "\r\n"));
        ASSERT_TRUE(read.result.ok()) << line.constData();
        EXPECT_EQ(read.birthdays, std::vector{expected}) << line.constData();
        EXPECT_TRUE(read.skipped.empty());
    }
    for (const QByteArray line : {"BDAY;VALUE=text:circa 1800", "BDAY:---15", "BDAY:1980-03", "BDAY:", "BDAY:--1315x"}) {
        const Read read = ReadText(Card("4.0", "FN:a\r\n" + line + "\r\n"));
        ASSERT_TRUE(read.result.ok());
        EXPECT_TRUE(read.birthdays.empty()) << line.constData();
        ASSERT_EQ(read.skipped.size(), 1u);
        EXPECT_EQ(read.skipped[0].reasons, std::vector{MergeReason::NoSuchDate}) << line.constData();
    }
}

TEST(VCardReader, AnAddressBookOfThreeVersionsWithFoldedAndEncodedNames)
{
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
        // Without a birthday: counted.
        + Card("3.0", "FN:Без даты\r\n")
        // 4.0, LF line ends, an embedded card that is not a contact of its own.
        + "BEGIN:VCARD\nVERSION:4.0\nFN:Ольга\nAGENT:BEGIN:VCARD\nBEGIN:VCARD\nFN:Секретарь\nBDAY:--0101\nEND:VCARD\nBDAY:20000229\nEND:VCARD\n";
    const Read read = ReadText(book);
    ASSERT_TRUE(read.result.ok()) << read.result.detail.toStdString();
    EXPECT_EQ(read.birthdays, (std::vector<Birthday>{{u"Иван Иванов"_s, 6, 1},
                                                     {u"Пётр Петров"_s, 1, 2},
                                                     {u"Анна-Мария, младшая"_s, 12, 24},
                                                     {u"Ольга"_s, 2, 29}}));
    ASSERT_EQ(read.skipped.size(), 1u);
    EXPECT_EQ(read.skipped[0].name, u"Без даты"_s);
    EXPECT_EQ(read.skipped[0].reasons, std::vector{MergeReason::NoBirthday});
}

TEST(VCardReader, ABrokenFileIsRefusedWithNothingRead)
{
    CImportList list;
    std::vector<MergeNote> skipped;
    const QByteArray cases[] = {
        "BEGIN:VCARD\r\nFN:a\r\nBDAY:--0101\r\n", // cut off
        Card("3.0", "FN:a\r\nBDAY:--0101\r\n") + "BEGIN:VCARD\r\nFN:b\r\n",
        "FN:a\r\n",
        "BEGIN:VCARD\r\n" + QByteArray(kMaxExchangeDocumentBytes, 'x'),
    };
    for (const QByteArray &text : cases) {
        const ExchangeReadResult result = ReadVCards(text, u"x"_s, list, skipped);
        EXPECT_FALSE(result.ok()) << text.left(60).constData();
        EXPECT_FALSE(result.detail.isEmpty());
    }
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(skipped.empty());
}

} // namespace
} // namespace orvane
