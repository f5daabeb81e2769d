#include "sync/dav_server.h"

#include "event_maker.h"
#include "test_env.h"

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "ui/sync/sync_dialog.h"
#include "ui/sync/sync_scheduler.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace orvane;
using namespace orvane::sync;
using orvane::test::CDavServer;

namespace {

constexpr int kGenerousMs = 60000;

class SyncUi : public testing::Test {
protected:
    CRegistryStore m_registry;
    COptionFlags m_flags{m_registry};
    CDataFile m_document{m_flags};
};

// A session bus of the test's own with a desktop's Secret Service on it (gnome-keyring, its
// keyring unlocked), both stopped with the test. Start it before anything talks to the bus.
class CSecretService {
public:
    bool Start()
    {
        m_bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
        if (!m_bus.waitForReadyRead(kGenerousMs))
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        m_keyring.start(u"gnome-keyring-daemon"_s, {u"--unlock"_s, u"--foreground"_s, u"--components=secrets"_s});
        if (!m_keyring.waitForStarted())
            return false;
        m_keyring.write("keyring password");
        m_keyring.closeWriteChannel();
        return QTest::qWaitFor(
            [] {
                const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
                return bus && bus->isServiceRegistered(u"org.freedesktop.secrets"_s).value();
            },
            kGenerousMs);
    }
    ~CSecretService()
    {
        for (QProcess *process : {&m_keyring, &m_bus}) {
            process->terminate();
            process->waitForFinished();
        }
    }

private:
    QProcess m_bus;
    QProcess m_keyring;
};

// The Secret Service's jobs keep to the thread of the first one: the password is read and written
// on the window's thread alone, through a sync that asks for it, the dialog that stores it and
// the one that shows it again (a read on the sync's thread once left the next write waiting for
// ever). First in the file, so that no other test has talked to a bus before.
TEST_F(SyncUi, TheSecretServiceKeepsThePasswordOfASyncAndOfTheDialog)
{
    CSecretService secrets;
    ASSERT_TRUE(secrets.Start());
    CDavServer server;
    ASSERT_TRUE(server.Start(CDavServer::Kind::Radicale));
    CSyncSettings(m_registry).Write({server.Url().toString(), CDavServer::kUser, server.MakeCalendar(u"c"_s), {}, false, {}, {}});
    CSyncScheduler scheduler(m_document, m_registry);
    QSignalSpy finished(&scheduler, &CSyncScheduler::finished);
    QTimer answer; // the service keeps no password yet: the user is asked, and answers
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        if (auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            prompt->setTextValue(CDavServer::kPassword);
            prompt->accept();
            answer.stop();
        }
    });
    answer.start(10);
    scheduler.Start();
    ASSERT_TRUE(finished.wait(kGenerousMs));
    EXPECT_TRUE(finished[0][0].toBool()) << finished[0][1].toString().toStdString();
    for (const bool stored : {false, true}) {
        CSyncDialog dialog(m_registry, scheduler);
        auto *password = dialog.findChild<QLineEdit *>(QString::number(CSyncDialog::IDC_PASSWORD));
        if (stored) {
            EXPECT_TRUE(QTest::qWaitFor([password] { return password->text() == CDavServer::kPassword; }, kGenerousMs));
        }
        password->setText(CDavServer::kPassword);
        dialog.accept(); // stores the password in the service
    }
}

TEST_F(SyncUi, SchedulerSyncsTheCalendarAndTakesTheServersEvents)
{
    CDavServer server;
    ASSERT_TRUE(server.Start(CDavServer::Kind::Radicale));
    SyncSettings settings;
    settings.server = server.Url().toString();
    settings.user = CDavServer::kUser;
    settings.calendarHref = server.MakeCalendar(u"c"_s);
    CSyncSettings(m_registry).Write(settings);
    CSyncScheduler scheduler(m_document, m_registry);
    scheduler.SetPassword(CDavServer::kPassword);
    QSignalSpy finished(&scheduler, &CSyncScheduler::finished);
    scheduler.Start();
    // An edit while the sync runs: its result is dropped and the sync runs again.
    m_document.m_user.GetDayEvents(3, 8).AddTail(test::MakeEvent(3, 8, u"Мама"_s));
    ASSERT_TRUE(finished.wait(kGenerousMs));
    EXPECT_EQ(finished[0][1].toString(), u"выгружено 1, загружено 0, удалено 0, конфликтов 0, оставлено 0"_s);
    EXPECT_EQ(CSyncSettings(m_registry).Read().lastResult, finished[0][1].toString());
    EXPECT_TRUE(QFile::exists(CSyncState::PathFor(CDataFile::GetFilePath())));

    CUser other;
    other.GetDayEvents(5, 9).AddTail(test::MakeEvent(5, 9, u"Победа"_s));
    QTemporaryDir otherDir;
    ASSERT_EQ(RunSync(other, otherDir.filePath(u"o.orvd"_s), settings, CDavServer::kPassword, false).outcome.uploaded, 1);
    QSignalSpy replaced(&scheduler, &CSyncScheduler::calendarReplaced);
    ASSERT_EQ(m_document.Save(), 1); // a save starts a sync
    ASSERT_TRUE(finished.wait(kGenerousMs));
    EXPECT_TRUE(finished[1][0].toBool()) << finished[1][1].toString().toStdString();
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_FALSE(scheduler.IsRunning()); // its own save of the calendar starts none
    ASSERT_EQ(m_document.m_user.GetDayEvents(5, 9).GetCount(), 1);
    EXPECT_EQ(m_document.m_user.GetDayEvents(5, 9).begin()->Name, u"Победа"_s);
}

TEST_F(SyncUi, DialogStoresItsFieldsAndKeepsThePasswordForTheRun)
{
    CSyncSettings(m_registry).Write({u"http://127.0.0.1:9/"_s, u"bob"_s, u"/bob/c/"_s, u"/bob/b/"_s, true, {}, {}});
    CSyncScheduler scheduler(m_document, m_registry);
    for (const bool again : {false, true}) {
        CSyncDialog dialog(m_registry, scheduler);
        const auto field = [&dialog](int id) { return dialog.findChild<QLineEdit *>(QString::number(id)); };
        EXPECT_EQ(field(CSyncDialog::IDC_SERVER)->text(), u"http://127.0.0.1:9/"_s);
        // The test's session bus has no Secret Service: the dialog says so.
        const auto *note = dialog.findChild<QLabel *>(QString::number(CSyncDialog::IDC_PASSWORD_NOTE));
        ASSERT_TRUE(QTest::qWaitFor([note] { return !note->isHidden(); }, kGenerousMs));
        EXPECT_EQ(field(CSyncDialog::IDC_PASSWORD)->text(), again ? u"pw"_s : QString());
        field(CSyncDialog::IDC_USER)->setText(u"ann"_s);
        field(CSyncDialog::IDC_PASSWORD)->setText(u"pw"_s);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const SyncSettings stored = CSyncSettings(m_registry).Read();
    EXPECT_EQ(stored.user + stored.calendarHref + stored.addressBookHref, u"ann/bob/c//bob/b/"_s);
    EXPECT_TRUE(stored.periodic);
    EXPECT_EQ(scheduler.Password(), u"pw"_s);
}

} // namespace
