#include "store/clock.h"
#include "store/user.h"
#include "sync/sync_engine.h"

#include "event_maker.h"
#include "memory_collection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane::sync {
namespace {

using namespace Qt::StringLiterals;

// A calendar and the state of its last sync.
struct Device {
    CUser user;
    CSyncState state;

    SyncOutcome Sync(test::CMemoryCollection &calendar, test::CMemoryCollection *book = nullptr, bool dryRun = false)
    {
        return Synchronize(user, state, calendar, book, dryRun);
    }
    CEventRecord &Add(int month, int day, const QString &name, const QString &notes = {}, int category = 0)
    {
        return *user.GetDayEvents(month, day).AddTail(orvane::test::MakeEvent(month, day, name, notes, category));
    }
    QStringList Day(int month, int day)
    {
        QStringList names;
        for (const CEventRecord &event : user.GetDayEvents(month, day))
            names << event.Name + u'|' + event.Notes + u'|' + user.GetCategory(event.Category);
        names.sort();
        return names;
    }
};

QString Counts(const SyncOutcome &o)
{
    return u"up %1 down %2 del %3 conf %4 left %5"_s.arg(o.uploaded).arg(o.downloaded).arg(o.deleted).arg(o.conflicts).arg(o.leftAlone);
}

QByteArray Event(QByteArrayView uid, QByteArrayView lines)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:" + uid.toByteArray() + "\r\n"
           + lines.toByteArray() + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

class SyncEngineTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetSource([this] { return today; }); }
    void TearDown() override { Clock::SetSource({}); }

    QDate today{2026, 5, 10};
    test::CMemoryCollection server;
    Device a, b;
};

// Changes made on one device reach the other, each in one step of the table.
TEST_F(SyncEngineTest, ChangesTravelBothWays)
{
    a.Add(3, 1, u"Мама"_s, u"цветы"_s);
    a.Add(3, 1, u"Мама"_s, u"цветы"_s); // equal events of one day are two resources
    a.Add(7, 4, u"Свадьба"_s, {}, 1);
    EXPECT_EQ(Counts(a.Sync(server)), u"up 3 down 0 del 0 conf 0 left 0"_s);
    EXPECT_EQ(Counts(b.Sync(server)), u"up 0 down 3 del 0 conf 0 left 0"_s);
    EXPECT_EQ(b.Day(3, 1), QStringList(2, u"Мама|цветы|День рождения"_s));
    const struct {
        Device *from, *to;
        void (*change)(Device &);
        const char *counts;
        QStringList march1;
    } steps[] = {
        {&b, &a, [](Device &d) { d.user.GetDayEvents(3, 1).begin()->Name = u"Мать"_s; }, "up 1 down 1",
         {u"Мама|цветы|День рождения"_s, u"Мать|цветы|День рождения"_s}},
        {&a, &b, [](Device &d) { d.user.GetDayEvents(3, 1).begin()->Category = 1; }, "up 1 down 1",
         {u"Мама|цветы|Остальное"_s, u"Мать|цветы|День рождения"_s}},
        {&b, &a, [](Device &d) { d.user.GetDayEvents(3, 1).RemoveAt(d.user.GetDayEvents(3, 1).begin()); }, "up 0 down 0",
         {u"Мама|цветы|Остальное"_s}},
    };
    for (const auto &step : steps) {
        step.change(*step.from);
        const SyncOutcome sent = step.from->Sync(server);
        const SyncOutcome taken = step.to->Sync(server);
        EXPECT_EQ(u"up %1 down %2"_s.arg(sent.uploaded).arg(taken.downloaded), QString::fromLatin1(step.counts)) << step.counts;
        EXPECT_EQ(step.to->Day(3, 1), step.march1);
        EXPECT_EQ(step.from->Day(3, 1), step.march1);
    }
    EXPECT_EQ(server.resources.size(), 2);
    const int before = server.calls;
    a.Add(7, 4, u"Ещё"_s);
    server.Store(u"/c/x.ics"_s, Event("x", "DTSTART;VALUE=DATE:20000101\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Год\r\n"));
    EXPECT_EQ(Counts(a.Sync(server)), u"up 1 down 1 del 0 conf 0 left 0"_s);
    EXPECT_LE(server.calls - before, 4);
}

// An event changed on both sides is kept in both versions; a write refused as the server's copy
// changed meanwhile ends the same way; a token the server refuses gives a full comparison.
TEST_F(SyncEngineTest, ConflictsKeepBothVersions)
{
    a.Add(5, 5, u"Встреча"_s);
    a.Sync(server);
    b.Sync(server);
    a.user.GetDayEvents(5, 5).begin()->Name = u"Встреча A"_s;
    b.user.GetDayEvents(5, 5).begin()->Notes = u"от B"_s;
    b.Sync(server);
    EXPECT_EQ(Counts(a.Sync(server)), u"up 1 down 1 del 0 conf 1 left 0"_s);
    server.refuseToken = true;
    b.Sync(server);
    EXPECT_EQ(b.Day(5, 5), QStringList({u"Встреча A||День рождения"_s, u"Встреча|от B|День рождения"_s}));
    b.user.GetDayEvents(5, 5).begin()->Name = u"Встреча B"_s;
    server.refuseWrites = 1000; // a server that refuses for ever ends the sync, the calendar as it was
    const CUser before = b.user;
    EXPECT_FALSE(b.Sync(server).ok());
    EXPECT_EQ(b.user, before);
    server.refuseWrites = 1;
    EXPECT_EQ(b.Sync(server).conflicts, 0); // the refetched copy is the one b knew: written again
    a.Sync(server);
    EXPECT_EQ(a.Day(5, 5), b.Day(5, 5));
    EXPECT_EQ(server.resources.size(), 2);
}

// Entries that are no yearly all-day events are left alone and counted once; 29 February comes
// back as 29 February in a common year; a local edit keeps the alarms and X- properties.
TEST_F(SyncEngineTest, ForeignEntriesAreLeftAloneAndKept)
{
    server.Store(u"/c/t.ics"_s, Event("t", "DTSTART:20260101T100000Z\r\nSUMMARY:Время\r\n"));
    server.Store(u"/c/m.ics"_s, Event("m", "DTSTART;VALUE=DATE:20260101\r\nRRULE:FREQ=MONTHLY\r\nSUMMARY:Месяц\r\n"));
    server.Store(u"/c/f.ics"_s, Event("f", "DTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Високос\r\n"
                                           "X-PHONE:1\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT1H\r\n"
                                           "DESCRIPTION:x\r\nEND:VALARM\r\n"));
    const SyncOutcome first = a.Sync(server);
    EXPECT_EQ(Counts(first), u"up 0 down 1 del 0 conf 0 left 2"_s);
    EXPECT_EQ(first.notes.size(), 2);
    server.refuseToken = true;
    EXPECT_EQ(Counts(a.Sync(server)), u"up 0 down 0 del 0 conf 0 left 0"_s);
    EXPECT_EQ(a.Day(2, 29), QStringList(u"Високос||Остальное"_s));
    a.user.GetDayEvents(2, 29).begin()->Notes = u"заметка"_s;
    EXPECT_EQ(a.Sync(server).uploaded, 1);
    const QByteArray body = server.resources[u"/c/f.ics"_s].body;
    for (const char *kept : {"UID:f", "X-PHONE:1", "TRIGGER:-PT1H", "DESCRIPTION:заметка"})
        EXPECT_TRUE(body.contains(kept)) << kept;
    today = QDate(2027, 1, 2);
    b.Sync(server);
    EXPECT_EQ(b.Day(2, 29), QStringList(u"Високос|заметка|Остальное"_s));
}

// A sync whose state was not kept (killed after its writes) converges without duplicates; a dry
// run counts but writes nothing; an event without entity tags still syncs.
TEST_F(SyncEngineTest, InterruptedAndDryRunsConverge)
{
    a.Add(1, 9, u"Один"_s);
    a.Add(1, 9, u"Один"_s);
    const SyncOutcome dry = a.Sync(server, nullptr, true);
    EXPECT_EQ(dry.uploaded, 2);
    EXPECT_TRUE(server.resources.isEmpty());
    EXPECT_TRUE(a.state.calendar.resources.isEmpty());
    server.noEtag = true;
    const CSyncState lost = a.state;
    a.Sync(server);
    a.state = lost;
    EXPECT_EQ(Counts(a.Sync(server)), u"up 0 down 0 del 0 conf 0 left 0"_s);
    b.Add(1, 9, u"Один"_s); // the same file imported on another device
    EXPECT_EQ(Counts(b.Sync(server)), u"up 0 down 1 del 0 conf 0 left 0"_s);
    EXPECT_EQ(server.resources.size(), 2);
    EXPECT_EQ(b.Day(1, 9).size(), 2);
}

// What a state file gives back: its resources in an order of their own, the token, the number
// of entries left alone and the dates' fingerprints.
QStringList Contents(const CSyncState &state)
{
    QStringList contents;
    for (const SyncedResource &r : state.calendar.resources)
        contents << r.href + u' ' + QString::fromLatin1(r.etag + ' ' + r.event.Key().toBase64());
    contents.sort();
    contents << QString::fromLatin1(state.calendar.token) << QString::number(state.calendar.leftAlone.size());
    for (const quint64 day : state.days)
        contents << QString::number(day);
    return contents;
}

// Each sync's changes are appended to the state file as a line, which a load applies; a line
// cut by a crash is left out and the next save writes the file whole. Renaming a category
// edits its events, though none of them was touched.
TEST_F(SyncEngineTest, TheStateFileTakesEachSyncsChanges)
{
    QTemporaryDir dir;
    const QString path = CSyncState::PathFor(dir.filePath(u"orvane.orvd"_s));
    const QString url = u"https://h/c/"_s;
    const auto lines = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : -1;
    };
    a.state.calendar.url = url;
    for (int day = 1; day <= 10; ++day)
        a.Add(2, day, u"Событие %1"_s.arg(day));
    a.Add(7, 4, u"Свадьба"_s, {}, 1);
    a.Sync(server);
    ASSERT_TRUE(a.state.Save(path).ok);
    // Kept in files, so the same in every process, as another run of this test found it.
    EXPECT_EQ(a.state.days[DayKey(7, 4)], 0xe56faf31f4efbae8ULL);
    a.user.SetCategories({a.user.GetCategory(0), u"Праздники"_s});
    EXPECT_EQ(Counts(a.Sync(server)), u"up 1 down 0 del 0 conf 0 left 0"_s);
    ASSERT_TRUE(a.state.Save(path).ok);
    server.Store(u"/c/x.ics"_s, Event("x", "DTSTART;VALUE=DATE:20000101\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Год\r\n"));
    server.Store(u"/c/t.ics"_s, Event("t", "DTSTART:20260101T100000Z\r\nSUMMARY:Время\r\n"));
    a.user.GetDayEvents(2, 3).RemoveAt(a.user.GetDayEvents(2, 3).begin());
    EXPECT_EQ(Counts(a.Sync(server)), u"up 0 down 1 del 1 conf 0 left 1"_s);
    ASSERT_TRUE(a.state.Save(path).ok);
    EXPECT_EQ(lines(), 3);
    EXPECT_EQ(Contents(CSyncState::Load(path, url, {})), Contents(a.state));
    EXPECT_TRUE(a.state.IsStoredAt(path));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("{\"calendar\":{\"tok");
    }
    EXPECT_FALSE(a.state.IsStoredAt(path)); // changed by another: read again
    CSyncState cut = CSyncState::Load(path, url, {});
    EXPECT_EQ(Contents(cut), Contents(a.state));
    ASSERT_TRUE(cut.Save(path).ok);
    EXPECT_EQ(lines(), 1);
    EXPECT_EQ(Contents(CSyncState::Load(path, url, {})), Contents(a.state));
    EXPECT_TRUE(CSyncState::Load(path, u"https://other/"_s, {}).calendar.resources.isEmpty());
}

// Birthdays follow the address book's contacts and are never written to the calendar.
TEST_F(SyncEngineTest, BirthdaysFollowTheAddressBook)
{
    test::CMemoryCollection book;
    book.Store(u"/b/1.vcf"_s, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Иван\r\nBDAY:1980-04-02\r\nEND:VCARD\r\n");
    EXPECT_EQ(Counts(a.Sync(server, &book)), u"up 0 down 1 del 0 conf 0 left 0"_s);
    EXPECT_EQ(a.Day(4, 2), QStringList(u"Иван||День рождения"_s));
    book.Store(u"/b/1.vcf"_s, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Иван\r\nBDAY:1980-04-03\r\nEND:VCARD\r\n");
    a.Sync(server, &book);
    EXPECT_TRUE(a.Day(4, 2).isEmpty());
    EXPECT_EQ(a.Day(4, 3), QStringList(u"Иван||День рождения"_s));
    book.Remove(u"/b/1.vcf"_s, book.Etag(u"/b/1.vcf"_s));
    EXPECT_EQ(a.Sync(server, &book).deleted, 1);
    EXPECT_TRUE(a.Day(4, 3).isEmpty());
    EXPECT_TRUE(server.resources.isEmpty());
}

} // namespace
} // namespace orvane::sync
