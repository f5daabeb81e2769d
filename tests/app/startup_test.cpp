#include "app/calendar_loader.h"
#include "app/calendar_read_ahead.h"
#include "app/command_line.h"
#include "app/platform_checks.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/broken_copy.h"
#include "store/data_file.h"

#include "event_maker.h"
#include "test_env.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace orvane;

TEST(Startup, MonitoringSwitchIsExactAndCaseSensitive)
{
    EXPECT_TRUE(HasMonitoringSwitch({QStringLiteral("/monitoring")}));
    EXPECT_TRUE(HasMonitoringSwitch({QStringLiteral("file"), QStringLiteral("-monitoring")}));
    EXPECT_FALSE(HasMonitoringSwitch({QStringLiteral("/MONITORING")}));
    EXPECT_FALSE(HasMonitoringSwitch({QStringLiteral("monitoring")}));
    EXPECT_FALSE(HasMonitoringSwitch({QStringLiteral("/monitoringx")}));
    EXPECT_FALSE(HasMonitoringSwitch({}));
}

TEST(Startup, ScreenDepths)
{
    test::ScopedEnv answer("ORVANE_AUTO_ANSWER", "ok");
    EXPECT_FALSE(CheckScreenDepth(4).ok);
    EXPECT_TRUE(CheckScreenDepth(8).ok);
    EXPECT_TRUE(CheckScreenDepth(8).bPalette256);
    EXPECT_FALSE(CheckScreenDepth(24).bPalette256);
    EXPECT_TRUE(CheckScreenDepth(32).ok);
}

TEST(Startup, BrokenCopyNamesNeverOverwriteEachOther)
{
    test::SandboxDirs sandbox;
    const QDateTime when(QDate(2026, 12, 6), QTime(21, 5, 9));
    const QString first = BrokenCopyPath(sandbox.calendarPath(), when);
    EXPECT_EQ(first, sandbox.calendarPath() + QStringLiteral(".broken-20261206-210509"));
    test::writeFile(first, "x");
    EXPECT_EQ(BrokenCopyPath(sandbox.calendarPath(), when), first + QStringLiteral("-2"));
}

namespace {

// Start-up's load: straight, or with the file read ahead on another thread as the program does.
LoadOutcome StartLoad(CDataFile &document, bool ahead)
{
    if (!ahead)
        return LoadOrCreateCalendar(document);
    CalendarReadAhead readAhead(document);
    return LoadOrCreateCalendar(document, readAhead.Wait());
}

} // namespace

TEST(Startup, LoadOrCreateFollowsTheAnswers)
{
    for (const bool ahead : {false, true}) {
        SCOPED_TRACE(ahead ? "read ahead" : "read at once");
        test::SandboxDirs sandbox;
        test::ScopedEnv env("ORVANE_AUTO_ANSWER", "no");
        CRegistryStore registry;
        COptionFlags options(registry);

        CDataFile created(options);
        EXPECT_EQ(StartLoad(created, ahead), LoadOutcome::Created);
        EXPECT_EQ(test::readFile(sandbox.calendarPath()).size(), 1548);

        created.m_user.Slot(40).AddTail(test::MakeEvent(2, 10, QStringLiteral("Имя"), QStringLiteral("Заметка")));
        created.m_user.Slot(41).AddTail(test::MakeEvent(2, 11, QStringLiteral("Имя"), QStringLiteral("Заметка")));
        ASSERT_TRUE(created.Save());
        CDataFile loaded(options);
        EXPECT_EQ(StartLoad(loaded, ahead), LoadOutcome::Loaded);
        EXPECT_EQ(loaded.m_user, created.m_user);

        test::writeFile(sandbox.calendarPath(), "ORVANE broken beyond repair");
        CDataFile refused(options);
        EXPECT_EQ(StartLoad(refused, ahead), LoadOutcome::Refused);
        EXPECT_EQ(test::readFile(sandbox.calendarPath()), QByteArray("ORVANE broken beyond repair"));

        env.set("ORVANE_AUTO_ANSWER", "yes");
        CDataFile renewed(options);
        EXPECT_EQ(StartLoad(renewed, ahead), LoadOutcome::Created);
        EXPECT_EQ(test::readFile(sandbox.calendarPath()).size(), 1548);
        const QStringList copies = QDir(sandbox.dataDir()).entryList({QStringLiteral("*.broken-*")}, QDir::Files);
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(test::readFile(sandbox.dataDir() + u'/' + copies.first()), QByteArray("ORVANE broken beyond repair"));
    }
}

TEST(Startup, ACalendarThatCannotBeOpenedIsNeverReplaced)
{
    for (const bool ahead : {false, true}) {
        SCOPED_TRACE(ahead ? "read ahead" : "read at once");
        test::SandboxDirs sandbox;
        test::ScopedEnv env("ORVANE_AUTO_ANSWER", "yes"); // a question would be answered Yes
        CRegistryStore registry;
        COptionFlags options(registry);
        ASSERT_TRUE(QDir().mkpath(sandbox.calendarPath() + QStringLiteral("/inside")));

        CDataFile document(options);
        EXPECT_EQ(StartLoad(document, ahead), LoadOutcome::CannotOpen);
        EXPECT_TRUE(QFileInfo(sandbox.calendarPath() + QStringLiteral("/inside")).isDir());
        EXPECT_EQ(QDir(sandbox.dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("orvane.orvd")});
    }
}
