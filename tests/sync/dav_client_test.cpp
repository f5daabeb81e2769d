#include "dav_server.h"
#include "test_env.h"

#include "sync/dav_client.h"
#include "sync/dav_collection.h"
#include "sync/discovery.h"
#include "sync/password_store.h"

#include <QTcpServer>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace orvane::sync;
using orvane::test::CDavServer;

namespace {

QByteArray Event(const QString &uid, const char *summary)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:" + uid.toUtf8()
        + "\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240105\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:" + summary
        + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

QStringList Hrefs(const QList<DavResource> &resources)
{
    QStringList hrefs;
    for (const DavResource &resource : resources)
        hrefs << resource.href;
    hrefs.sort();
    return hrefs;
}

class StockServer : public testing::TestWithParam<CDavServer::Kind> {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.Start(GetParam())); }
    CDavServer m_server;
    CDavClient m_client { m_server.Url(), CDavServer::kUser, CDavServer::kPassword };
};

TEST_P(StockServer, DiscoversTheUsersCollections)
{
    const QString path = m_server.MakeCalendar(u"Дни рождения"_s);
    const auto found = DiscoverCollections(m_client);
    ASSERT_TRUE(found) << m_client.Error().toStdString();
    QStringList calendars;
    for (const FoundCollection &collection : *found)
        calendars << collection.href + u' ' + collection.displayName + u' ' + QString::number(collection.takesEvents);
    EXPECT_TRUE(calendars.contains(path + u" Дни рождения 1"_s)) << calendars.join(u'\n').toStdString();
}

TEST_P(StockServer, ListsWritesAndFetchesChanges)
{
    CDavCollection calendar(m_client, m_server.MakeCalendar(u"c"_s), CollectionKind::Calendar);
    QStringList hrefs;
    QList<QByteArray> etags;
    for (const QString &uid : { u"kept"_s, u"changed@x/y"_s, u"removed"_s }) {
        hrefs << calendar.HrefFor(uid);
        const WriteResult put = calendar.Put(hrefs.last(), Event(uid, "a"), {});
        ASSERT_EQ(put.outcome, WriteResult::Outcome::Done) << calendar.Error().toStdString();
        etags << put.etag;
    }
    EXPECT_EQ(calendar.Put(hrefs[0], Event(u"kept"_s, "b"), {}).outcome, WriteResult::Outcome::Changed);
    const auto all = calendar.ListChanges({});
    ASSERT_TRUE(all && all->complete) << calendar.Error().toStdString();
    EXPECT_EQ(Hrefs(all->changed), QStringList({ hrefs[1], hrefs[0], hrefs[2] }));

    EXPECT_EQ(calendar.Put(hrefs[1], Event(u"changed@x/y"_s, "b"), etags[1]).outcome, WriteResult::Outcome::Done);
    EXPECT_EQ(calendar.Put(hrefs[1], Event(u"changed@x/y"_s, "c"), etags[1]).outcome, WriteResult::Outcome::Changed);
    EXPECT_EQ(calendar.Remove(hrefs[2], etags[2]).outcome, WriteResult::Outcome::Done);
    EXPECT_EQ(calendar.Remove(hrefs[2], {}).outcome, WriteResult::Outcome::Done);
    const int before = m_client.RequestCount();
    const auto since = calendar.ListChanges(all->token);
    ASSERT_TRUE(since) << calendar.Error().toStdString();
    EXPECT_EQ(m_client.RequestCount() - before, 1);
    EXPECT_FALSE(since->complete);
    EXPECT_EQ(Hrefs(since->changed), QStringList { hrefs[1] });
    EXPECT_EQ(since->removed, QStringList { hrefs[2] });

    const auto refused = calendar.ListChanges("http://example.org/garbage-token");
    ASSERT_TRUE(refused && refused->complete) << calendar.Error().toStdString();
    EXPECT_EQ(Hrefs(refused->changed), QStringList({ hrefs[1], hrefs[0] }));

    const auto fetched = calendar.Fetch(hrefs);
    ASSERT_TRUE(fetched) << calendar.Error().toStdString();
    ASSERT_EQ(Hrefs(*fetched), QStringList({ hrefs[1], hrefs[0] }));
    EXPECT_TRUE(fetched->at(0).body.contains("SUMMARY:") && !fetched->at(0).etag.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Servers, StockServer, testing::Values(CDavServer::Kind::Radicale, CDavServer::Kind::Xandikos),
                         [](const auto &server) { return server.param == CDavServer::Kind::Radicale ? "Radicale" : "Xandikos"; });

TEST(OddServer, AsksForTheMissingTagAndListsWithoutSyncReports)
{
    CDavServer server;
    ASSERT_TRUE(server.Start(CDavServer::Kind::Odd));
    CDavClient client(server.Url(), {}, {});
    CDavCollection calendar(client, u"/cal"_s, CollectionKind::Calendar);
    const int before = client.RequestCount();
    const WriteResult put = calendar.Put(calendar.HrefFor(u"a b"_s), Event(u"a b"_s, "a"), {});
    EXPECT_EQ(client.RequestCount() - before, 2);
    EXPECT_EQ(put.outcome, WriteResult::Outcome::Done) << calendar.Error().toStdString();
    EXPECT_EQ(put.etag, "\"odd-1\"");
    EXPECT_EQ(calendar.Put(u"/cal/conflict.ics"_s, {}, "\"odd-1\"").outcome, WriteResult::Outcome::Changed);
    const auto listed = calendar.ListChanges("token");
    ASSERT_TRUE(listed && listed->complete) << calendar.Error().toStdString();
    EXPECT_EQ(Hrefs(listed->changed), QStringList { u"/cal/a%20b.ics"_s });
    EXPECT_FALSE(client.Send("GET", u"/big"_s));
    EXPECT_EQ(client.Error(), u"Ответ сервера 127.0.0.1 больше 64 МиБ."_s);
}

TEST(DavFailures, SayWhatWentWrong)
{
    CDavServer server;
    ASSERT_TRUE(server.Start(CDavServer::Kind::Radicale));
    CDavClient wrong(server.Url(), CDavServer::kUser, u"wrong"_s);
    EXPECT_FALSE(DiscoverCollections(wrong));
    EXPECT_EQ(wrong.Error(), u"Сервер 127.0.0.1 не принял имя пользователя или пароль."_s);
    server.Stop();
    CDavClient down(server.Url(), CDavServer::kUser, CDavServer::kPassword);
    EXPECT_FALSE(CDavCollection(down, u"/alice/c/"_s, CollectionKind::Calendar).ListChanges({}));
    EXPECT_EQ(down.Error(), u"Сервер 127.0.0.1 не принимает соединения."_s);
    CDavClient plain(QUrl(u"http://example.org/dav/"_s), {}, {});
    EXPECT_FALSE(plain.Send("PROPFIND", u"/"_s));
    EXPECT_EQ(plain.Error(),
        u"Адрес http://example.org/dav/ не защищён: без HTTPS можно обращаться только к "
        u"этому компьютеру (127.0.0.1, ::1, localhost)."_s);
    EXPECT_EQ(CPasswordStore::Read(u"example.org"_s, u"alice"_s).status, CPasswordStore::Status::NoService);
}

// A request to a server that never answers ends when its thread is asked to end, not at the
// transfer timeout.
TEST(DavFailures, AThreadAskedToEndStopsWaiting)
{
    QTcpServer silent; // connections wait in its backlog, unanswered
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QString error;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        CDavClient client(QUrl(u"http://127.0.0.1:%1/"_s.arg(silent.serverPort())), {}, {});
        if (!client.Send("PROPFIND", u"/"_s))
            error = client.Error();
    }));
    thread->start();
    ASSERT_TRUE(silent.waitForNewConnection(20000));
    thread->requestInterruption();
    thread->wait();
    EXPECT_EQ(error, u"Синхронизация прервана."_s);
}

} // namespace
