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

TEST(Startup, SwitchesScreenDepthsAndBrokenCopyNames)
{
    const std::pair<const char *, bool> switches[] = {{"/monitoring", true}, {"file -monitoring", true}, {"/MONITORING", false},
                                                      {"monitoring", false}, {"/monitoringx", false}, {"", false}};
    for (const auto &[arguments, monitoring] : switches)
        EXPECT_EQ(HasMonitoringSwitch(QString::fromLatin1(arguments).split(u' ', Qt::SkipEmptyParts)), monitoring) << arguments;

    test::ScopedEnv answer("ORVANE_AUTO_ANSWER", "ok");
    for (const auto &[depth, ok, palette] : {std::tuple{4, false, false}, std::tuple{8, true, true}, std::tuple{24, true, false}}) {
        const PlatformCheck check = CheckScreenDepth(depth);
        EXPECT_EQ(std::pair(check.ok, check.bPalette256), std::pair(ok, palette)) << depth;
    }

    test::SandboxDirs sandbox;
    const QDateTime when(QDate(2026, 12, 6), QTime(21, 5, 9));
    const QString first = BrokenCopyPath(sandbox.calendarPath(), when);
    EXPECT_EQ(first, sandbox.calendarPath() + QStringLiteral(".broken-20261206-210509"));
    test::writeFile(first, "x");
    EXPECT_EQ(BrokenCopyPath(sandbox.calendarPath(), when), first + QStringLiteral("-2")) << "never overwrites a copy";
}

// Start-up's load, straight or with the file read ahead on another thread as the program does:
// it creates, loads, asks before it replaces a broken calendar, and never replaces one it cannot open.
TEST(Startup, LoadOrCreateFollowsTheAnswers)
{
    for (const bool ahead : {false, true}) {
        SCOPED_TRACE(ahead ? "read ahead" : "read at once");
        test::SandboxDirs sandbox;
        test::ScopedEnv env("ORVANE_AUTO_ANSWER", "no");
        CRegistryStore registry;
        COptionFlags options(registry);
        const auto load = [&](CDataFile &document) {
            if (!ahead)
                return LoadOrCreateCalendar(document);
            CalendarReadAhead readAhead(document);
            return LoadOrCreateCalendar(document, readAhead.Wait());
        };
        CDataFile created(options);
        EXPECT_EQ(load(created), LoadOutcome::Created);
        EXPECT_EQ(test::readFile(sandbox.calendarPath()).size(), 1548);
        created.m_user.Slot(40).AddTail(test::MakeEvent(2, 10, QStringLiteral("Имя"), QStringLiteral("Заметка")));
        ASSERT_TRUE(created.Save());
        CDataFile loaded(options);
        EXPECT_EQ(load(loaded), LoadOutcome::Loaded);
        EXPECT_EQ(loaded.m_user, created.m_user);

        const QByteArray broken = "ORVANE broken beyond repair";
        test::writeFile(sandbox.calendarPath(), broken);
        CDataFile refused(options);
        EXPECT_EQ(load(refused), LoadOutcome::Refused);
        EXPECT_EQ(test::readFile(sandbox.calendarPath()), broken);
        env.set("ORVANE_AUTO_ANSWER", "yes");
        CDataFile renewed(options);
        EXPECT_EQ(load(renewed), LoadOutcome::Created);
        EXPECT_EQ(test::readFile(sandbox.calendarPath()).size(), 1548);
        const QStringList copies = QDir(sandbox.dataDir()).entryList({QStringLiteral("*.broken-*")}, QDir::Files);
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(test::readFile(sandbox.dataDir() + u'/' + copies.first()), broken);

        // A folder in the calendar's place: a question would be answered Yes.
        ASSERT_TRUE(QFile::remove(sandbox.calendarPath()) && QDir().mkpath(sandbox.calendarPath() + QStringLiteral("/inside")));
        CDataFile unopened(options);
        EXPECT_EQ(load(unopened), LoadOutcome::CannotOpen);
        EXPECT_TRUE(QFileInfo(sandbox.calendarPath() + QStringLiteral("/inside")).isDir());
        EXPECT_EQ(QDir(sandbox.dataDir()).entryList({QStringLiteral("*.broken-*")}, QDir::Files), copies);
    }
}
