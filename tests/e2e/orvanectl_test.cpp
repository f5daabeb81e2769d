// orvanectl run as a user runs it: every command's output, exit status and refusals, and what it
// leaves of the calendar.
#include "calendar_process.h"
#include "calendar_writer.h"

#include "byte_builder.h"
#include "store/windows1251.h"
#include "test_env.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    QStringList arguments;
    int status;
    QByteArray out;      // exact, unless `partial`: then it need only be contained
    QByteArray err = {}; // the start of standard error
    QByteArray input = {};
    bool partial = false;
    QProcessEnvironment env = {};
};

void Expect(CalendarSandbox &sandbox, const QList<Run> &runs)
{
    for (const Run &run : runs) {
        SCOPED_TRACE(run.arguments.join(u' ').toStdString());
        sandbox.setEnvironment(run.env);
        QByteArray out, err;
        EXPECT_EQ(sandbox.runCtl(run.arguments, &out, &err, run.input), run.status) << err.constData();
        if (run.partial) {
            EXPECT_TRUE(out.contains(run.out)) << out.constData();
        } else {
            EXPECT_EQ(out.toStdString(), run.out.toStdString());
        }
        EXPECT_TRUE(err.startsWith(run.err)) << err.constData();
        EXPECT_EQ(err.count('\n'), run.err.isEmpty() ? 0 : 1) << "one line";
    }
}

const QByteArray kCannotRead = "orvanectl: cannot read calendar: ";

} // namespace

TEST(Orvanectl, ReadingCommandsPrintTheCalendarAndNeverWriteIt)
{
    CalendarSandbox sandbox;
    // Today is Sunday 10 May 2026; the event of today was notified already, and loading keeps it so.
    ASSERT_TRUE(TestCalendar({{1, 2, u"Петя"_s},
                              {3, 8, u"Маша"_s, u"a&b"_s, 1},
                              {3, 8, u"Петя"_s, {}, 9},
                              {5, 10, u"Уже оповещён"_s, {}, 0, 0},
                              {5, 11, u"Иван"_s, u"к \"11\""_s},
                              {5, 11, u"Мария"_s, {}, 1},
                              {5, 20, u"Юбилей"_s}})
                    .write(sandbox.calendarPath()));
    const QByteArray calendar = readFile(sandbox.calendarPath());
    const QByteArray petya = "<Event name=\"" + EncodeCp1251(u"Петя"_s) + "\" information=\"\" category=\""
                             + EncodeCp1251(u"День рождения"_s) + "\"";
    const QByteArray masha = "<Event name=\"" + EncodeCp1251(u"Маша"_s) + "\" information=\"a&amp;b\" category=\""
                             + EncodeCp1251(u"Остальное"_s) + "\" month=\"3\" day=\"8\"/>";
    const QString none = sandbox.dataDir() + u"/none.orvd"_s;
    Expect(sandbox, {
        {{u"export"_s, u"--category"_s, u"Остальное"_s, u"--name"_s, u"Петя"_s},
         0, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Orvane version=\"1, 9, 2, 0\">" + petya
                + " month=\"1\" day=\"2\"/>" + masha + petya + " month=\"3\" day=\"8\"/>"
                + EncodeCp1251(u"<Event name=\"Мария\" information=\"\" category=\"Остальное\" month=\"5\" day=\"11\"/>"_s)
                + "</Orvane>\n"},
        {{u"export"_s, u"--name"_s, u"Маша"_s, u"--clipboard-form"_s}, 0,
         "<Orvane version=\"1, 9, 2, 0\">\r\n" + masha + "\r\n</Orvane>\r\n"},
        {{u"export"_s, u"--format"_s, u"ics"_s, u"--clipboard-form"_s}, 2, {}, "orvanectl: export: "},
        {{u"export"_s, u"--format"_s, u"pdf"_s}, 2, {}, "orvanectl: export: "},
        {{u"export"_s, u"--bogus"_s}, 2, {}, "orvanectl: export: "},
        {{u"export"_s, u"--out"_s, sandbox.calendarPath() + u"/x.xml"_s}, 2, {}, "orvanectl: export: cannot write "},
        {{u"upcoming"_s}, 0, u"Завтра: 11, Май (Понедельник).\n  Иван\n  Мария\n"_s.toUtf8()},
        {{u"upcoming"_s, u"--days"_s, u"10"_s, u"--json"_s}, 0,
         u"{\"today\":\"2026-05-10\",\"days\":10,\"upcoming\":["
         "{\"offset\":1,\"date\":\"2026-05-11\",\"heading\":\"Завтра:\",\"events\":["
         "{\"name\":\"Иван\",\"notes\":\"к \\\"11\\\"\",\"category\":\"День рождения\"},"
         "{\"name\":\"Мария\",\"notes\":\"\",\"category\":\"Остальное\"}]},"
         "{\"offset\":10,\"date\":\"2026-05-20\",\"heading\":\"Через 10 дней:\",\"events\":["
         "{\"name\":\"Юбилей\",\"notes\":\"\",\"category\":\"День рождения\"}]}]}\n"_s.toUtf8()},
        {{u"upcoming"_s, u"--days"_s, u"0"_s}, 1, {}},
        {{u"upcoming"_s, u"--days"_s, u"0"_s, u"--json"_s}, 1, "{\"today\":\"2026-05-10\",\"days\":0,\"upcoming\":[]}\n"},
        {{u"upcoming"_s, u"--days"_s, u"366"_s}, 0, "Юбилей", {}, {}, true},
        {{u"upcoming"_s, u"--days"_s, u"367"_s}, 2, {}, "orvanectl: upcoming: --days"},
        {{u"upcoming"_s, u"--days"_s, u"7x"_s}, 2, {}, "orvanectl: upcoming: --days"},
        {{u"upcoming"_s, u"--days"_s}, 2, {}, "orvanectl: upcoming: unexpected argument"},
        {{u"upcoming"_s, u"--file"_s, none}, 2, {}, kCannotRead},
        {{u"dump"_s, u"--file"_s, none}, 2, {}, kCannotRead},
        {{u"frobnicate"_s}, 2, {}, "orvanectl: "},
        {{u"--help"_s}, 0, "Usage: orvanectl COMMAND", {}, {}, true},
        // The headings stay Russian in an English session unless English is asked for.
        {{u"upcoming"_s, u"--days"_s, u"1"_s}, 0, u"Завтра: 11, Май (Понедельник).\n  Иван\n  Мария\n"_s.toUtf8(),
         {}, {}, false, sessionLocale(u"en_US.UTF-8"_s, {})},
        {{u"upcoming"_s, u"--days"_s, u"1"_s}, 0, "Tomorrow: May 11 (Monday).\n  Иван\n  Мария\n", {}, {}, false,
         sessionLocale(u"ru_RU.UTF-8"_s, u"en"_s)},
    });
    // The options' notice span of 1 day (0x0080) still reaches tomorrow. Asked for, the days
    // after the last one announced (1 March) come first, with the days before today.
    sandbox.setOptions(129);
    writeFile(sandbox.hivePath(), readFile(sandbox.hivePath()) + "\"AnnouncedThrough\"=\"20260301\"\n");
    const QByteArray hive = readFile(sandbox.hivePath());
    QProcessEnvironment march;
    march.insert(u"ORVANE_TODAY"_s, u"2026-03-10"_s);
    Expect(sandbox, {{{u"upcoming"_s, u"--json"_s}, 0, "\"days\":1,", {}, {}, true},
                     {{u"upcoming"_s, u"--missed"_s, u"--days"_s, u"0"_s}, 0,
                      u"Пропущено: 8, Март (Воскресенье).\n  Маша\n  Петя\n"_s.toUtf8(), {}, {}, false, march},
                     {{u"upcoming"_s, u"--missed"_s, u"--json"_s}, 0,
                      u"{\"offset\":-2,\"date\":\"2026-03-08\",\"heading\":\"Пропущено:\""_s.toUtf8(), {}, {}, true, march}});
    EXPECT_EQ(readFile(sandbox.calendarPath()), calendar);
    EXPECT_EQ(readFile(sandbox.hivePath()), hive);
}

TEST(Orvanectl, DumpsTheCalendarAsJson)
{
    CalendarSandbox sandbox;
    ByteBuilder b;
    b.header(0x13).defaultUserFields().emptySlots(31);
    // 1 February: a birthday, notes with quotes and a line break; today is 10 May, so re-armed.
    b.i32(1).event(2, QByteArray::fromHex("c8e2e0ed"), "\"x\"\n\\", 1, 0, 0);
    writeFile(sandbox.calendarPath(), b.emptySlots(366 - 32));
    QByteArray out;
    ASSERT_EQ(sandbox.runCtl({u"dump"_s}, &out), 0);
    EXPECT_EQ(out,
              "{\"version\":[1,2],\"scale\":3,\"large\":true,\"reserved\":[0,0,0,0],\"user\":{\"name\":\"<user>\","
              "\"password\":\"\",\"reserved\":\"\",\"rights\":2,\"categories\":[\"День рождения\",\"Остальное\"],"
              "\"slots\":[{\"slot\":31,\"events\":[{\"name\":\"Иван\",\"notes\":\"\\\"x\\\"\\n\\\\\",\"month\":2,"
              "\"day\":1,\"category\":0,\"monitoring\":1}]}]}}\n");
    EXPECT_TRUE(QJsonDocument::fromJson(out).isObject());

    // Missing and broken calendars: one line, status 2, nothing written.
    writeFile(sandbox.calendarPath(), "short");
    CalendarSandbox empty;
    for (CalendarSandbox *calendar : {&sandbox, &empty})
        Expect(*calendar, {{{u"dump"_s}, 2, {}, kCannotRead}, {{u"upcoming"_s}, 2, {}, kCannotRead},
                           {{u"import"_s, u"-"_s}, 2, {}, kCannotRead, "<Orvane/>"}});
    EXPECT_EQ(readFile(sandbox.calendarPath()), "short");
    EXPECT_FALSE(QFileInfo::exists(empty.hivePath())) << "the default options are not written back";
}

TEST(Orvanectl, ImportMergesEveryFormatTellsWhatItSkippedAndRefusesBrokenDocuments)
{
    CalendarSandbox sandbox;
    QList<TestEvent> events;
    for (int i = 0; i < 39; ++i)
        events.append({5, 20, u"old %1"_s.arg(i)});
    ASSERT_TRUE(TestCalendar(events).write(sandbox.calendarPath()));
    const QByteArray before = readFile(sandbox.calendarPath());
    const QByteArray xml = u"<Orvane><Event name=\"one\" category=\"Остальное\" month=\"5\" day=\"20\"/>"
                           "<Event name=\"two\" month=\"5\" day=\"20\"/><Event name=\"feb\" month=\"2\" day=\"30\"/>"
                           "</Orvane>"_s.toUtf8();
    const QByteArray xmlReport = "skipped: \"two\" 5/20: the day already holds 40 events\n"
                                 "skipped: \"feb\" 2/30: no such date\nadded 1, skipped 2, changed 0\n";
    const QString ics = sandbox.dataDir() + u"/cal.ics"_s;
    writeFile(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Годовщина\r\nCATEGORIES:Семья\r\nDTSTART;VALUE=DATE:20010911\r\n"
                   "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Встреча\r\nDTSTART:20260511T100000Z\r\nEND:VEVENT\r\n"
                   "BEGIN:VTODO\r\nSUMMARY:Дело\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
    const QString vcf = sandbox.dataDir() + u"/contacts.vcf"_s;
    writeFile(vcf, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Иван Петров\r\nBDAY:1970-05-21\r\nEND:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Без дня\r\nTEL:1\r\nEND:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=AF\r\n"
                   "BDAY:--1231\r\nEND:VCARD\r\n");
    const QByteArray refused = "orvanectl: import: refused standard input: ";
    Expect(sandbox, {
        {{u"import"_s, u"-"_s, u"--dry-run"_s}, 0, xmlReport, {}, xml},
        {{u"import"_s, u"-"_s}, 2, {}, refused, "<Orvane><Event name=\"x\"></Orvane>"},
        {{u"import"_s, u"-"_s}, 2, {}, refused, "not xml"},
        {{u"import"_s, u"-"_s}, 2, {}, refused, "<!DOCTYPE Orvane [<!ENTITY e \"e\">]><Orvane><Event name=\"&e;\"/></Orvane>"},
        {{u"import"_s, u"-"_s}, 2, {}, refused, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n"},
        {{u"import"_s, sandbox.dataDir() + u"/missing.xml"_s}, 2, {}, "orvanectl: import: "},
        {{u"import"_s}, 2, {}, "orvanectl: import: "},
    });
    EXPECT_EQ(readFile(sandbox.calendarPath()), before) << "a dry run and a refusal write nothing";

    Expect(sandbox, {
        {{u"import"_s, u"-"_s}, 0, xmlReport, {}, xml},
        {{u"import"_s, ics}, 0, "skipped: \"Встреча\" 5/11: has a time of day, not all day\n"
                                "skipped: \"Дело\": not an event\nadded 1, skipped 2, changed 0\n"},
        {{u"import"_s, vcf}, 0, u"skipped: \"Без дня\": no birthday\nadded 2, skipped 1, changed 0\n"_s.toUtf8()},
    });
    // Saved: the new category, and the contacts' birthdays in the first one.
    const CUser user = TestCalendar::read(sandbox.calendarPath());
    EXPECT_EQ(user.Categories(), (QStringList{u"День рождения"_s, u"Семья"_s, u"Остальное"_s}));
    EXPECT_EQ(namesOn(user, 5, 20).size(), 40);
    EXPECT_EQ(namesOn(user, 12, 31), QStringList{u"Я"_s});
    EXPECT_EQ(user.Slot(CUser::SlotIndex(12, 31, 2026)).begin()->Category, 0);
}

TEST(Orvanectl, ExportedDocumentsImportIntoAnotherCalendarWithEveryText)
{
    CalendarSandbox from;
    ASSERT_TRUE(TestCalendar({{12, 31, u"Жора & <Ко> \"@\""_s, u"строка\nвторая > @ & ' ё"_s, 1},
                              {2, 29, u"Касьян"_s}, {3, 8, u"Маша"_s, u"две\nстроки"_s, 1}})
                    .write(from.calendarPath()));
    QByteArray xml, ics, again;
    ASSERT_EQ(from.runCtl({u"export"_s}, &xml), 0);
    ASSERT_EQ(from.runCtl({u"export"_s, u"--format"_s, u"ics"_s}, &ics), 0);
    ASSERT_EQ(from.runCtl({u"export"_s, u"--format"_s, u"ics"_s}, &again), 0);
    EXPECT_EQ(again, ics) << "the same calendar, the same document";
    EXPECT_TRUE(ics.contains("SUMMARY:Маша\r\n")) << "UTF-8";
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20260228\r\n")) << "ORVANE_TODAY gives the year";
    const QString file = from.dataDir() + u"/out.ics"_s;
    ASSERT_EQ(from.runCtl({u"export"_s, u"--category"_s, u"Остальное"_s, u"--format"_s, u"ics"_s, u"--out"_s, file}), 0);
    EXPECT_EQ(readFile(file).count("BEGIN:VEVENT"), 2);
    // Each form imported into an empty calendar gives back the same events, texts and categories.
    for (const QByteArray &document : {xml, ics}) {
        CalendarSandbox to;
        ASSERT_TRUE(TestCalendar().write(to.calendarPath()));
        Expect(to, {{{u"import"_s, u"-"_s}, 0, "added 3, skipped 0, changed 0\n", {}, document}, {{u"export"_s}, 0, xml}});
    }
}

TEST(Orvanectl, ImportWaitsForTheCalendarProgramToEnd)
{
    CalendarSandbox sandbox;
    QProcess calendar;
    sandbox.start(calendar);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath())) << "written after it took its lock";
    const QString doc = sandbox.dataDir() + u"/in.xml"_s;
    writeFile(doc, "<Orvane><Event name=\"new\" month=\"6\" day=\"1\"/></Orvane>");
    const QByteArray report = "changed: \"new\" 6/1: no category, put into the last one\nadded 1, skipped 0, changed 1\n";
    const QByteArray before = readFile(sandbox.calendarPath());
    const QByteArray running = "orvanectl: import: the calendar program is running";
    Expect(sandbox, {{{u"import"_s, doc}, 3, {}, running},
                     {{u"import"_s, doc, u"--file"_s, sandbox.dataDir() + u"/../data/orvane.orvd"_s}, 3, {}, running},
                     {{u"import"_s, doc, u"--dry-run"_s}, 0, report}});
    EXPECT_EQ(readFile(sandbox.calendarPath()), before);
    EXPECT_EQ(calendar.state(), QProcess::Running) << "its lock was not taken over";

    EXPECT_EQ(terminate(calendar), 0);
    Expect(sandbox, {{{u"import"_s, doc}, 0, report}});
    EXPECT_EQ(namesOn(TestCalendar::read(sandbox.calendarPath()), 6, 1), QStringList{u"new"_s});
}
