// Birthdays read from vCards as phones and address books write them.
#include "exchange/vcard_reader.h"

#include "imported_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// The birthdays read, as "name|month/day", and the contacts skipped, as "name: reason".
QStringList ReadText(const QByteArray &text)
{
    CImportList list;
    std::vector<MergeNote> skipped;
    const ExchangeReadResult result = ReadVCards(text, u"Дни рождения"_s, list, skipped);
    EXPECT_TRUE(result.ok()) << result.detail.toStdString();
    QStringList read = test::ImportedTexts(list).replaceInStrings(u"||Дни рождения|"_s, u"|"_s);
    for (const MergeNote &note : skipped)
        read << u"%1: %2"_s.arg(note.name).arg(static_cast<int>(note.reasons.at(0)));
    return read;
}

QByteArray Card(const QByteArray &version, const QByteArray &lines)
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCardReader, EveryFormOfBirthdayGivesItsMonthAndDay)
{
    const QString noDate = u"a: %1"_s.arg(static_cast<int>(MergeReason::NoSuchDate));
    const std::pair<QByteArray, QString> forms[] = {
        {"BDAY:19800315", u"a|3/15"_s},         {"BDAY:1980-03-15", u"a|3/15"_s},
        {"BDAY;VALUE=date:--0315", u"a|3/15"_s}, {"BDAY:--03-15", u"a|3/15"_s},
        {"BDAY:--0229", u"a|2/29"_s},           {"BDAY:1980-03-15T00:00:00Z", u"a|3/15"_s},
        {"BDAY:19800315T123000", u"a|3/15"_s},  {"bday: 1604-12-01 ", u"a|12/1"_s},
        {"item1.BDAY:2001-01-31", u"a|1/31"_s}, {"BDAY;VALUE=text:circa 1800", noDate},
        {"BDAY:---15", noDate},                 {"BDAY:1980-03", noDate},
        {"BDAY:", noDate},                      {"BDAY:--1315x", noDate},
    };
    for (const auto &[line, expected] : forms)
        EXPECT_EQ(ReadText(Card("4.0", "FN:a\r\n" + line + "\r\n")), QStringList{expected}) << line.constData();
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
        + Card("3.0", "FN:Без даты\r\n")
        // 4.0, LF line ends, an embedded card that is not a contact of its own.
        + "BEGIN:VCARD\nVERSION:4.0\nFN:Ольга\nAGENT:BEGIN:VCARD\nBEGIN:VCARD\nFN:Секретарь\nBDAY:--0101\nEND:VCARD\nBDAY:20000229\nEND:VCARD\n";
    EXPECT_EQ(ReadText(book), (QStringList{u"Иван Иванов|6/1"_s, u"Пётр Петров|1/2"_s, u"Анна-Мария, младшая|12/24"_s,
                                           u"Ольга|2/29"_s, u"Без даты: %1"_s.arg(static_cast<int>(MergeReason::NoBirthday))}));
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
