// orvanectl sync between two devices (two sandboxes) and a phone (python3-caldav) through real
// servers: what only real servers and processes show.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "dav_server.h"

#include "sync/dav_client.h"
#include "test_env.h"

#include <QDirIterator>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kPassword = "secret\n";

// A device: its own calendar file and settings, sync set up with the server.
struct Device {
    CalendarSandbox sandbox;

    explicit Device(const QList<TestEvent> &events) { EXPECT_TRUE(TestCalendar(events).write(sandbox.calendarPath())); }
    std::string run(const QStringList &arguments, int status = 0, const QByteArray &input = kPassword) const
    {
        QByteArray out, err;
        EXPECT_EQ(sandbox.runCtl(arguments, &out, &err, input), status) << err.constData() << out.constData();
        return (status == 0 ? out : err).toStdString();
    }
    std::string sync() const { return run({u"sync"_s}); }
    QList<TestEvent> events() const
    {
        const CUser user = TestCalendar::read(sandbox.calendarPath());
        QList<TestEvent> events;
        for (int slot = 0; slot < 366; ++slot)
            for (const CEventRecord &e : user.Slot(slot))
                events.append({e.Month, e.Day, e.Name, e.Notes, e.Category, e.Monitoring});
        return events;
    }
    // Each event as "month/day name|notes|category", sorted.
    QStringList lines() const
    {
        QStringList lines;
        for (const TestEvent &e : events())
            lines << u"%1/%2 %3|%4|%5"_s.arg(e.month).arg(e.day).arg(e.name, e.notes).arg(e.category);
        lines.sort();
        return lines;
    }
    void edit(const std::function<void(QList<TestEvent> &)> &change) const
    {
        QList<TestEvent> list = events();
        change(list);
        EXPECT_TRUE(TestCalendar(list).write(sandbox.calendarPath()));
    }
};

QList<TestEvent> Numbered(int days, int perDay)
{
    QList<TestEvent> events;
    for (int i = 0; i < days * perDay; ++i)
        events.append({1 + i / perDay / 28, 1 + i / perDay % 28, u"Событие %1"_s.arg(i), u"заметка %1"_s.arg(i), i % 2});
    return events;
}

void Rename(QList<TestEvent> &events, const QString &from, const QString &to)
{
    for (TestEvent &e : events)
        if (e.name == from)
            e.name = to;
}

int ServerFiles(const CDavServer &server, const QString &suffix)
{
    int count = 0;
    for (QDirIterator it(server.Folder(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        count += it.next().endsWith(suffix) && !it.filePath().contains(u"/."_s);
    return count;
}

bool Put(const CDavServer &server, const QString &path, const QByteArray &method, const QByteArray &body)
{
    sync::CDavClient client(server.Url(), CDavServer::kUser, CDavServer::kPassword);
    const auto reply = client.Send(method, path, body, {{"Content-Type", "text/vcard"}});
    return reply && reply->status / 100 == 2;
}

QByteArray Card(const QByteArray &birthday)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ivan\r\nFN:Иван Петров\r\nBDAY:" + birthday + "\r\nEND:VCARD\r\n";
}

struct Server {
    CDavServer::Kind kind;
    QString addressBook; // made by MKCOL when `make`
    bool make;
};

class Sync : public testing::TestWithParam<Server> {};

} // namespace

TEST_P(Sync, TwoDevicesAndAPhoneEndWithTheSameEventsAndNothingIsLostOrDoubled)
{
    CDavServer server;
    ASSERT_TRUE(server.Start(GetParam().kind));
    const QString calendar = server.MakeCalendar(u"orvane"_s);
    const QString book = GetParam().addressBook;
    ASSERT_TRUE(!GetParam().make || Put(server, book, "MKCOL",
        R"(<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:R="urn:ietf:params:xml:ns:carddav"><D:set><D:prop>)"
        R"(<D:resourcetype><D:collection/><R:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>)"));
    ASSERT_TRUE(Put(server, book + u"ivan.vcf"_s, "PUT", Card("1980-03-15")));
    QList<TestEvent> events = Numbered(10, 30);
    events.append({2, 29, u"Високосный"_s});
    const Device a(events), b({});
    const QString url = server.Url().toString();
    EXPECT_EQ(a.run({u"sync"_s, u"setup"_s, url, u"--user"_s, u"alice"_s, u"--calendar"_s,
                     server.Url().resolved(calendar).toString(), u"--addressbook"_s, book}),
              u"синхронизация настроена: календарь %1, адресная книга %2\n"_s.arg(calendar, book).toStdString());
    b.run({u"sync"_s, u"setup"_s, url, u"--user"_s, u"alice"_s, u"--calendar"_s, calendar, u"--addressbook"_s, book});
    EXPECT_EQ(a.sync(), u"выгружено 301, загружено 1, удалено 0, конфликтов 0, оставлено 0\n"_s.toStdString());
    EXPECT_EQ(b.sync(), u"выгружено 0, загружено 302, удалено 0, конфликтов 0, оставлено 0\n"_s.toStdString());
    EXPECT_EQ(a.lines(), b.lines());
    EXPECT_TRUE(b.lines().contains(u"2/29 Високосный||0"_s));
    EXPECT_TRUE(b.lines().contains(u"3/15 Иван Петров||0"_s));

    // Edits each way: a rename and a deletion on one device, a category change on the other.
    a.edit([](QList<TestEvent> &list) { Rename(list, u"Событие 1"_s, u"Правка"_s); list.removeAt(2); });
    b.edit([](QList<TestEvent> &list) { list[5].category = 1 - list[5].category; });
    EXPECT_EQ(a.sync(), u"выгружено 1, загружено 0, удалено 1, конфликтов 0, оставлено 0\n"_s.toStdString());
    EXPECT_EQ(b.sync(), u"выгружено 1, загружено 1, удалено 1, конфликтов 0, оставлено 0\n"_s.toStdString());
    a.sync();
    EXPECT_EQ(a.lines(), b.lines());

    // A phone renames, deletes and adds; its timed and monthly events are left alone. The
    // birthday moves in the address book.
    QProcess phone;
    phone.start(u"/usr/bin/python3"_s, {QStringLiteral(ORVANE_SOURCE_DIR "/tests/e2e/caldav_phone.py"),
                                        server.Url().resolved(calendar).toString(), u"alice"_s, u"secret"_s,
                                        u"Событие 10"_s, u"С телефона правка"_s, u"Событие 11"_s});
    ASSERT_TRUE(phone.waitForFinished(60000) && phone.exitCode() == 0) << phone.readAllStandardError().constData();
    ASSERT_TRUE(Put(server, book + u"ivan.vcf"_s, "PUT", Card("1980-03-16")));
    EXPECT_TRUE(a.sync().ends_with(u"выгружено 0, загружено 3, удалено 1, конфликтов 0, оставлено 2\n"_s.toStdString()));
    b.sync();
    EXPECT_EQ(a.lines(), b.lines());
    EXPECT_TRUE(a.lines().contains(u"7/7 С телефона||1"_s)) << a.lines().join(u'\n').toStdString();
    EXPECT_TRUE(a.lines().contains(u"3/16 Иван Петров||0"_s));

    // A conflict: both versions are kept on both devices.
    a.edit([](QList<TestEvent> &list) { Rename(list, u"Событие 20"_s, u"Версия A"_s); });
    b.edit([](QList<TestEvent> &list) { Rename(list, u"Событие 20"_s, u"Версия B"_s); });
    b.sync();
    EXPECT_EQ(a.sync(), u"выгружено 1, загружено 1, удалено 0, конфликтов 1, оставлено 0\n"_s.toStdString());
    b.sync();
    EXPECT_EQ(a.lines(), b.lines());
    EXPECT_EQ(a.lines().filter(u" Версия "_s).size(), 2);
    EXPECT_EQ(ServerFiles(server, u".ics"_s), a.events().size() - 1 + 2) << "one file an event, but the birthday; "
                                                                          "the phone's two left alone";

    // The server is down: an error, and the calendar stays as it was, byte for byte.
    server.Stop();
    const QByteArray before = readFile(a.sandbox.calendarPath());
    EXPECT_TRUE(a.run({u"sync"_s}, 2).starts_with(u"orvanectl: Сервер 127.0.0.1 не принимает соединения"_s.toStdString()));
    EXPECT_EQ(readFile(a.sandbox.calendarPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Servers, Sync,
    testing::Values(Server{CDavServer::Kind::Radicale, u"/alice/book/"_s, true},
                    Server{CDavServer::Kind::Xandikos, u"/user/contacts/addressbook/"_s, false}),
    [](const testing::TestParamInfo<Server> &server) {
        return server.param.kind == CDavServer::Kind::Radicale ? "Radicale" : "Xandikos";
    });

TEST(SyncCommand, RefusesWithoutSetUpOrAWrongPasswordAndAKilledSyncConvergesAfterwards)
{
    CDavServer server;
    ASSERT_TRUE(server.Start(CDavServer::Kind::Radicale));
    const QString calendar = server.MakeCalendar(u"big"_s);
    const QList<TestEvent> events = Numbered(12, 25);
    const Device a(events), b({});
    const QStringList setup{u"sync"_s, u"setup"_s, server.Url().toString(), u"--user"_s, u"alice"_s};
    EXPECT_TRUE(a.run({u"sync"_s}, 2).starts_with(u"orvanectl: синхронизация не настроена"_s.toStdString()));
    EXPECT_EQ(a.run(setup, 2, "wrong\n"), u"orvanectl: Сервер 127.0.0.1 не принял имя пользователя или пароль.\n"_s.toStdString());
    EXPECT_EQ(a.run(setup), u"синхронизация настроена: календарь %1\n"_s.arg(calendar).toStdString()) << "found";
    b.run(setup);

    // Killed once the server holds some of its events: the next sync writes the rest once.
    QProcess killed;
    a.sandbox.startThrough(killed, CalendarSandbox::executable(u"orvanectl"_s), {u"sync"_s});
    killed.write(kPassword);
    killed.waitForBytesWritten();
    killed.closeWriteChannel();
    EXPECT_TRUE(waitUntil([&] { return ServerFiles(server, u".ics"_s) >= 20; }));
    killed.kill();
    killed.waitForFinished();
    EXPECT_LT(ServerFiles(server, u".ics"_s), events.size()) << "killed before the end";
    a.sync();
    b.sync();
    EXPECT_EQ(ServerFiles(server, u".ics"_s), events.size());
    EXPECT_EQ(b.lines(), a.lines());
    EXPECT_EQ(b.lines().size(), events.size());
}
