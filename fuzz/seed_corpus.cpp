// Writes the first inputs of the fuzz targets: calendars, registry hives, exchange documents and
// iCalendar exports, small and full, made with the program's own writers, and iCalendar and vCard
// files as other programs write them or as an attacker would, of the kinds the tests read. Each
// goes into the folder of every target that reads it: FOLDER/calendar, FOLDER/hive,
// FOLDER/exchange, FOLDER/ical_vcard, FOLDER/content_lines and FOLDER/import.
//   orvane_fuzz_seeds FOLDER
#include "exchange/exchange_document.h"
#include "exchange/exchange_reader.h"
#include "exchange/ical_document.h"
#include "settings/hive_file.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace orvane;

namespace {

bool Put(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An iCalendar or vCard text, for every target that reads one.
bool PutText(const QString &folder, const QString &name, const QByteArray &bytes)
{
    bool ok = true;
    for (const char *target : {"/ical_vcard", "/content_lines", "/import"})
        ok &= Put(folder + QLatin1StringView(target), name, bytes);
    return ok;
}

// A calendar of a web calendar or a mail client: a time zone, a yearly all-day event with a
// folded description and an alarm, a weekly timed one, a to-do; LF line ends and a byte order
// mark. Then components nested one deeper than the reader takes (BEGIN with a parameter), an
// attachment in one line of 1 MiB, and bare CR line ends. Seeds stay small enough for thousands
// of runs a minute; the fuzzer lengthens them up to the cap.
const QByteArray kForeignCalendar =
    "\xEF\xBB\xBF" "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VTIMEZONE\nTZID:Europe/Moscow\nBEGIN:STANDARD\nTZOFFSETFROM:+0300\n"
    "TZOFFSETTO:+0300\nDTSTART:19700101T000000\nEND:STANDARD\nEND:VTIMEZONE\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:19850412\n"
    "RRULE:FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=12\nDESCRIPTION:Позвонить утром\\, не забыть про \n подарок\nSUMMARY:Бабушка\n"
    "CATEGORIES:Family,Anniversary\nBEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-P1D\nEND:VALARM\nEND:VEVENT\nBEGIN:VEVENT\n"
    "DTSTART;TZID=Europe/Moscow:20240115T190000\nRRULE:FREQ=WEEKLY;BYDAY=MO\nSUMMARY:Ужин\nEND:VEVENT\nBEGIN:VTODO\n"
    "SUMMARY:Купить подарок\nEND:VTODO\nEND:VCALENDAR\n";
const QByteArray kDeepCalendar =
    "BEGIN:VCALENDAR\r\n" + QByteArray("BEGIN;X-A=1:X\r\n").repeated(16) + QByteArray("END:X\r\n").repeated(16) + "END:VCALENDAR\r\n";
const QByteArray kLongLineHead = "BEGIN:VCALENDAR\r\nATTACH;ENCODING=BASE64;VALUE=BINARY:";
const QByteArray kLongLineTail = "\r\nEND:VCALENDAR\r\n";
const QByteArray kLongLineCalendar =
    kLongLineHead + QByteArray((1 << 20) - kLongLineHead.size() - kLongLineTail.size(), 'A') + kLongLineTail;
const QByteArray kCrCalendar =
    "BEGIN:VCALENDAR\rBEGIN:VEVENT\rDTSTART;VALUE=DATE:20100101\rRRULE:FREQ=YEARLY\rSUMMARY:x\rEND:VEVENT\rEND:VCALENDAR\r";

// Contacts of three versions: 2.1 with quoted-printable UTF-8 and a soft line break, and with a
// Windows-1251 name; 3.0 with a folded name; 4.0 with an embedded card. Then a quoted-printable
// name of many parameters continued over many lines.
const QByteArray kAddressBook =
    "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD;;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2=\r\n=D0=B0=D0=BD\r\nBDAY:1975-06-01\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=WINDOWS-1251;QUOTED-PRINTABLE:=CF=E5=F2=F0=EE=E2;=CF=B8=F2=F0;;;\r\n"
    "BDAY:19900102\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Анна-Мария\\, \r\n младшая\r\nBDAY:--1224\r\n"
    "END:VCARD\r\nBEGIN:VCARD\nVERSION:4.0\nFN:Ольга\nAGENT:BEGIN:VCARD\nBEGIN:VCARD\nFN:Секретарь\nEND:VCARD\n"
    "BDAY:20000229\nEND:VCARD\n";
const QByteArray kManyParameterCard = "BEGIN:VCARD\r\nFN" + QByteArray(";X").repeated(20000) + ";QUOTED-PRINTABLE:=\r\n"
                                      + QByteArray("=\r\n").repeated(20000) + "a\r\nBDAY:--0315\r\nEND:VCARD\r\n";

// A calendar with `count` events spread over the year, every one selected for export.
void Fill(CUser &user, int count)
{
    for (int i = 0; i < count; ++i) {
        CEventRecord event;
        event.Name = QStringLiteral("Событие %1 <&\"'>").arg(i);
        event.Notes = i % 3 == 0 ? QString() : QStringLiteral("заметка\r\nстрока %1 €").arg(i);
        event.Month = 1 + i % 12;
        event.Day = 1 + (i * 7) % 28;
        event.Category = i % 4;
        event.Monitoring = i % 2;
        event.Selected = 1;
        user.Slot(CUser::SlotIndex(event.Month, event.Day, 2026)).AddTail(event);
    }
}

QByteArray Hive(int values)
{
    HiveFile hive;
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Orvane");
    hive.Set(key, QStringLiteral("OptionsFlag"), RegistryValue::String(QStringLiteral("13335")));
    for (int i = 0; i < values; ++i) {
        hive.Set(key + QStringLiteral("\\Window%1").arg(i), QStringLiteral("Left"), RegistryValue::Dword(static_cast<quint32>(i * 37)));
        hive.Set(key, QStringLiteral("Text \"%1\"").arg(i), RegistryValue::String(QStringLiteral("a\\b \"ц\" %1").arg(i)));
        hive.Set(key, QString(), RegistryValue{RegistryType::kDword + 3, QByteArray(i + 1, char(0xA5))});
    }
    return hive.Serialize();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: orvane_fuzz_seeds FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    CRegistryStore registry;
    COptionFlags options(registry);
    bool ok = true;
    for (const int count : {0, 3, 40}) {
        CDataFile document(options);
        Fill(document.m_user, count);
        ok &= Put(folder + QStringLiteral("/calendar"), QStringLiteral("events-%1.orvd").arg(count),
                  document.Serialize(COptionFlags::kDefaultOptions));
        const std::optional<CExchangeDocument> exchange = CExchangeDocument::Build(document.m_user);
        for (const char *target : {"/exchange", "/import"})
            ok &= exchange && Put(folder + QLatin1StringView(target), QStringLiteral("events-%1.xml").arg(count), exchange->FileForm())
                  && Put(folder + QLatin1StringView(target), QStringLiteral("clipboard-%1.xml").arg(count), exchange->ClipboardForm());
        ok &= PutText(folder, QStringLiteral("events-%1.ics").arg(count), BuildICalendar(document.m_user).text);
    }
    ok &= PutText(folder, QStringLiteral("foreign.ics"), kForeignCalendar) && PutText(folder, QStringLiteral("deep.ics"), kDeepCalendar)
          && PutText(folder, QStringLiteral("long-line.ics"), kLongLineCalendar) && PutText(folder, QStringLiteral("cr.ics"), kCrCalendar)
          && PutText(folder, QStringLiteral("book.vcf"), kAddressBook)
          && PutText(folder, QStringLiteral("many-parameters.vcf"), kManyParameterCard);
    for (const int values : {0, 2, 10})
        ok &= Put(folder + QStringLiteral("/hive"), QStringLiteral("values-%1.reg").arg(values), Hive(values));
    return ok ? 0 : 1;
}
