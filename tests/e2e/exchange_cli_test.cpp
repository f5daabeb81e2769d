// orvanectl export and import, run as a user runs them.
#include "calendar_process.h"

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "store/windows1251.h"
#include "event_maker.h"
#include "test_env.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

// A calendar file written by the program's own writer, as read back by it.
class Calendar {
public:
    Calendar() : m_flags(m_registry), m_document(m_flags) {}

    Calendar &Add(int month, int day, const QString &name, const QString &notes = {}, int category = 0)
    {
        m_document.m_user.Slot(CUser::SlotIndex(month, day, 2026)).AddTail(MakeEvent(month, day, name, notes, category));
        return *this;
    }
    void WriteTo(const QString &path) const { ASSERT_TRUE(m_document.Write(path, COptionFlags::kDefaultOptions).ok); }
    static CUser ReadFrom(const QString &path)
    {
        Calendar calendar;
        EXPECT_TRUE(calendar.m_document.Read(path, {QDate(2026, 5, 10), 7}).ok());
        return calendar.m_document.m_user;
    }

private:
    CRegistryStore m_registry;
    COptionFlags m_flags;
    CDataFile m_document;
};

QStringList Names(const CUser &user, int month, int day)
{
    QStringList names;
    for (const CEventRecord &event : user.Slot(CUser::SlotIndex(month, day, 2026)))
        names << event.Name;
    return names;
}

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

} // namespace

TEST(ExchangeCli, ExportWritesTheDocumentWithItsFilters)
{
    CalendarSandbox sandbox;
    Calendar().Add(3, 8, u"Маша"_s, u"a&b"_s, 1).Add(1, 2, u"Петя"_s).Add(3, 8, u"Петя"_s, {}, 9).WriteTo(sandbox.calendarPath());

    QByteArray out, err;
    ASSERT_EQ(sandbox.runCtl({u"export"_s}, &out, &err), 0) << err.constData();
    const QByteArray petya = "<Event name=\"" + EncodeCp1251(u"Петя"_s) + "\" information=\"\" category=\""
                             + EncodeCp1251(u"День рождения"_s) + "\"";
    const QByteArray masha = "<Event name=\"" + EncodeCp1251(u"Маша"_s) + "\" information=\"a&amp;b\" category=\""
                             + EncodeCp1251(u"Остальное"_s) + "\" month=\"3\" day=\"8\"/>";
    EXPECT_EQ(out, kDeclaration + "<Orvane version=\"1, 9, 2, 0\">" + petya + " month=\"1\" day=\"2\"/>" + masha + petya
                       + " month=\"3\" day=\"8\"/></Orvane>\n");

    ASSERT_EQ(sandbox.runCtl({u"export"_s, u"--category"_s, u"Остальное"_s, u"--clipboard-form"_s}, &out), 0);
    EXPECT_EQ(out, "<Orvane version=\"1, 9, 2, 0\">\r\n" + masha + "\r\n</Orvane>\r\n");

    const QString file = sandbox.dataDir() + u"/out.xml"_s;
    ASSERT_EQ(sandbox.runCtl({u"export"_s, u"--name"_s, u"Петя"_s, u"--name"_s, u"nobody"_s, u"--out"_s, file}, &out), 0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(readFile(file).count("<Event "), 2);

    EXPECT_EQ(sandbox.runCtl({u"export"_s, u"--out"_s, sandbox.calendarPath() + u"/x.xml"_s}, &out, &err), 2);
    EXPECT_TRUE(err.startsWith("orvanectl: export: cannot write ")) << err.constData();
    EXPECT_EQ(sandbox.runCtl({u"export"_s, u"--bogus"_s}, &out, &err), 2);
}

TEST(ExchangeCli, ARoundTripBetweenTwoCalendarsKeepsEveryText)
{
    CalendarSandbox from, to;
    const QString name = u"Жора & <Ко> \"@\""_s;
    const QString notes = u"строка\nвторая > @ & ' ё"_s;
    Calendar().Add(12, 31, name, notes, 1).Add(2, 1, u"Ёлка"_s).WriteTo(from.calendarPath());
    Calendar().WriteTo(to.calendarPath());
    QByteArray document, out, err;
    ASSERT_EQ(from.runCtl({u"export"_s}, &document), 0);
    ASSERT_EQ(to.runCtl({u"import"_s, u"-"_s}, document, &out, &err), 0) << err.constData();
    EXPECT_EQ(out, "added 2, skipped 0, changed 0\n");
    const CUser user = Calendar::ReadFrom(to.calendarPath());
    ASSERT_EQ(Names(user, 12, 31), QStringList{name});
    const CEventRecord &event = *user.Slot(CUser::SlotIndex(12, 31, 2026)).begin();
    EXPECT_EQ(event.Notes, notes);
    EXPECT_EQ(user.GetCategory(event.Category), u"Остальное"_s);
    EXPECT_EQ(Names(user, 2, 1), QStringList{u"Ёлка"_s});
}

TEST(ExchangeCli, ImportKeepsADayWithinFortyEventsAndTellsWhy)
{
    CalendarSandbox sandbox;
    Calendar calendar;
    for (int i = 0; i < 39; ++i)
        calendar.Add(5, 20, u"old %1"_s.arg(i));
    calendar.WriteTo(sandbox.calendarPath());
    const QString doc = sandbox.dataDir() + u"/in.xml"_s;
    writeFile(doc, u"<Orvane><Event name=\"one\" category=\"Остальное\" month=\"5\" day=\"20\"/>"
                   "<Event name=\"two\" month=\"5\" day=\"20\"/><Event name=\"three\" month=\"05\" day=\"20\"/>"
                   "<Event name=\"feb\" month=\"2\" day=\"30\"/></Orvane>"_s.toUtf8());
    const QByteArray before = readFile(sandbox.calendarPath());

    QByteArray out, err;
    ASSERT_EQ(sandbox.runCtl({u"import"_s, doc, u"--dry-run"_s}, &out, &err), 0) << err.constData();
    EXPECT_EQ(readFile(sandbox.calendarPath()), before) << "a dry run writes nothing";
    const QByteArray expected = "skipped: \"two\" 5/20: the day already holds 40 events\n"
                                "skipped: \"three\" 5/20: the day already holds 40 events\n"
                                "skipped: \"feb\" 2/30: no such date\n"
                                "added 1, skipped 3, changed 0\n";
    EXPECT_EQ(out, expected);

    ASSERT_EQ(sandbox.runCtl({u"import"_s, doc}, &out, &err), 0) << err.constData();
    EXPECT_EQ(out, expected);
    const CUser user = Calendar::ReadFrom(sandbox.calendarPath());
    EXPECT_EQ(Names(user, 5, 20).size(), 40);
    EXPECT_EQ(Names(user, 5, 20).back(), u"one"_s);
}

TEST(ExchangeCli, RefusedDocumentsAndUnreadableCalendarsGiveStatusTwo)
{
    CalendarSandbox sandbox;
    QByteArray out, err;
    writeFile(sandbox.dataDir() + u"/in.xml"_s, "<Orvane/>");
    EXPECT_EQ(sandbox.runCtl({u"import"_s, sandbox.dataDir() + u"/in.xml"_s}, &out, &err), 2) << "no calendar";
    EXPECT_TRUE(err.startsWith("orvanectl: cannot read calendar: "));

    Calendar().Add(1, 1, u"kept"_s).WriteTo(sandbox.calendarPath());
    const QByteArray before = readFile(sandbox.calendarPath());
    for (const QByteArray &bad : {QByteArray("<Orvane><Event name=\"x\"></Orvane>"), QByteArray("not xml"),
                                  QByteArray("<!DOCTYPE Orvane [<!ENTITY e \"e\">]><Orvane><Event name=\"&e;\"/></Orvane>")}) {
        EXPECT_EQ(sandbox.runCtl({u"import"_s, u"-"_s}, bad, &out, &err), 2) << bad.constData();
        EXPECT_TRUE(err.startsWith("orvanectl: import: refused standard input: ")) << err.constData();
        EXPECT_EQ(err.count('\n'), 1);
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_EQ(sandbox.runCtl({u"import"_s, sandbox.dataDir() + u"/missing.xml"_s}, &out, &err), 2);
    EXPECT_EQ(sandbox.runCtl({u"import"_s}, &out, &err), 2) << "no document named";
    EXPECT_EQ(readFile(sandbox.calendarPath()), before);
}

TEST(ExchangeCli, ImportWaitsForTheCalendarProgramToEnd)
{
    CalendarSandbox sandbox;
    QProcess calendar;
    sandbox.start(calendar);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath())) << "written after it took its lock";
    const QString doc = sandbox.dataDir() + u"/in.xml"_s;
    writeFile(doc, "<Orvane><Event name=\"new\" month=\"6\" day=\"1\"/></Orvane>");
    const QByteArray before = readFile(sandbox.calendarPath());

    QByteArray out, err;
    EXPECT_EQ(sandbox.runCtl({u"import"_s, doc}, &out, &err), 3);
    EXPECT_TRUE(err.contains("the calendar program is running")) << err.constData();
    EXPECT_EQ(readFile(sandbox.calendarPath()), before);
    EXPECT_EQ(sandbox.runCtl({u"import"_s, doc, u"--dry-run"_s}, &out, &err), 0) << "a dry run writes nothing";
    EXPECT_EQ(sandbox.runCtl({u"import"_s, doc, u"--file"_s, sandbox.dataDir() + u"/../data/orvane.orvd"_s}, &out, &err), 3)
        << "the same calendar by another name";
    EXPECT_EQ(calendar.state(), QProcess::Running) << "its lock was not taken over";

    EXPECT_EQ(terminate(calendar), 0);
    ASSERT_EQ(sandbox.runCtl({u"import"_s, doc}, &out, &err), 0) << err.constData();
    EXPECT_EQ(Names(Calendar::ReadFrom(sandbox.calendarPath()), 6, 1), QStringList{u"new"_s});
}

TEST(ExchangeCli, AnICalendarExportImportsIntoAnotherCalendarAndComposesWithTheFilters)
{
    CalendarSandbox from;
    Calendar().Add(3, 8, u"Маша"_s, u"две\nстроки"_s, 1).Add(2, 29, u"Касьян"_s).Add(1, 2, u"Петя"_s).WriteTo(from.calendarPath());
    QByteArray ics, err;
    ASSERT_EQ(from.runCtl({u"export"_s, u"--format"_s, u"ics"_s}, &ics, &err), 0) << err.constData();
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 3);
    EXPECT_TRUE(ics.contains("SUMMARY:Маша\r\n")) << "UTF-8";
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20260228\r\n")) << "ORVANE_TODAY gives the year";
    QByteArray again;
    ASSERT_EQ(from.runCtl({u"export"_s, u"--format"_s, u"ics"_s}, &again), 0);
    EXPECT_EQ(again, ics) << "the same calendar, the same document";

    const QString file = from.dataDir() + u"/out.ics"_s;
    QByteArray out;
    ASSERT_EQ(from.runCtl({u"export"_s, u"--category"_s, u"Остальное"_s, u"--format"_s, u"ics"_s, u"--out"_s, file}, &out), 0);
    EXPECT_EQ(readFile(file).count("BEGIN:VEVENT"), 1);
    EXPECT_EQ(from.runCtl({u"export"_s, u"--format"_s, u"ics"_s, u"--clipboard-form"_s}, &out, &err), 2);
    EXPECT_EQ(from.runCtl({u"export"_s, u"--format"_s, u"pdf"_s}, &out, &err), 2);

    CalendarSandbox to;
    Calendar().WriteTo(to.calendarPath());
    ASSERT_EQ(to.runCtl({u"import"_s, u"-"_s}, ics, &out, &err), 0) << err.constData();
    EXPECT_EQ(out, "added 3, skipped 0, changed 0\n");
    const CUser user = Calendar::ReadFrom(to.calendarPath());
    EXPECT_EQ(Names(user, 2, 29), QStringList{u"Касьян"_s});
    EXPECT_EQ(Names(user, 3, 8), QStringList{u"Маша"_s});
    const CEventRecord &masha = *user.Slot(CUser::SlotIndex(3, 8, 2026)).begin();
    EXPECT_EQ(masha.Notes, u"две\nстроки"_s);
    EXPECT_EQ(user.GetCategory(masha.Category), u"Остальное"_s);
}

TEST(ExchangeCli, ImportOfAnICalendarFileTellsWhatIsNoYearlyEvent)
{
    CalendarSandbox sandbox;
    Calendar().WriteTo(sandbox.calendarPath());
    const QString doc = sandbox.dataDir() + u"/cal.ics"_s;
    writeFile(doc, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Годовщина\r\nCATEGORIES:Семья\r\nDTSTART;VALUE=DATE:20010911\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Встреча\r\nDTSTART:20260511T100000Z\r\nEND:VEVENT\r\n"
                   "BEGIN:VTODO\r\nSUMMARY:Дело\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
    QByteArray out, err;
    ASSERT_EQ(sandbox.runCtl({u"import"_s, doc}, &out, &err), 0) << err.constData();
    EXPECT_EQ(out, "skipped: \"Встреча\" 5/11: has a time of day, not all day\n"
                   "skipped: \"Дело\": not an event\n"
                   "added 1, skipped 2, changed 0\n");
    const CUser user = Calendar::ReadFrom(sandbox.calendarPath());
    EXPECT_EQ(Names(user, 9, 11), QStringList{u"Годовщина"_s});
    EXPECT_EQ(user.Categories(), (QStringList{u"День рождения"_s, u"Семья"_s, u"Остальное"_s}));

    // A file named .ics that is none, and a cut-off one: refused, the calendar as it was.
    const QByteArray before = readFile(sandbox.calendarPath());
    for (const QByteArray &bad : {QByteArray("<Orvane/>"), QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n")}) {
        writeFile(doc, bad);
        EXPECT_EQ(sandbox.runCtl({u"import"_s, doc}, &out, &err), 2);
        EXPECT_TRUE(err.startsWith("orvanectl: import: refused ")) << err.constData();
    }
    EXPECT_EQ(readFile(sandbox.calendarPath()), before);
}

TEST(ExchangeCli, ImportOfContactsAddsTheirBirthdaysToTheFirstCategory)
{
    CalendarSandbox sandbox;
    Calendar calendar;
    calendar.WriteTo(sandbox.calendarPath());
    const QString contacts = sandbox.dataDir() + u"/contacts.vcf"_s;
    writeFile(contacts, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Иван Петров\r\nBDAY:1970-05-20\r\nEND:VCARD\r\n"
                        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Без дня\r\nTEL:1\r\nEND:VCARD\r\n"
                        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=AF\r\nBDAY:--1231\r\nEND:VCARD\r\n");
    QByteArray out, err;
    ASSERT_EQ(sandbox.runCtl({u"import"_s, contacts}, &out, &err), 0) << err.constData();
    EXPECT_EQ(out, "skipped: \"Без дня\": no birthday\nadded 2, skipped 1, changed 0\n");
    const CUser user = Calendar::ReadFrom(sandbox.calendarPath());
    EXPECT_EQ(Names(user, 5, 20), QStringList{u"Иван Петров"_s});
    EXPECT_EQ(Names(user, 12, 31), QStringList{u"Я"_s});
    EXPECT_EQ(user.Slot(CUser::SlotIndex(5, 20, 2026)).begin()->Category, 0);
    EXPECT_EQ(user.Categories(), (QStringList{u"День рождения"_s, u"Остальное"_s})) << "no category added";

    ASSERT_EQ(sandbox.runCtl({u"--help"_s}, &out), 0);
    EXPECT_TRUE(out.contains("--format xml|ics")) << out.constData();
    EXPECT_TRUE(out.contains("BEGIN:VCARD"));
}
