#include "app/calendar_loader.h"
#include "app/calendar_read_ahead.h"
#include "app/command_line.h"
#include "app/platform_checks.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/broken_copy.h"
#include "store/data_file.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>

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

// A broken calendar is replaced only when the user agrees, and a copy of it kept.
TEST(Startup, LoadOrCreateFollowsTheAnswers)
{
    test::SandboxDirs sandbox;
    test::ScopedEnv env("ORVANE_AUTO_ANSWER", "no");
    CRegistryStore registry;
    COptionFlags options(registry);
    const QByteArray broken = "ORVANE broken beyond repair";
    test::writeFile(sandbox.calendarPath(), broken);
    CDataFile refused(options);
    EXPECT_EQ(LoadOrCreateCalendar(refused), LoadOutcome::Refused);
    EXPECT_EQ(test::readFile(sandbox.calendarPath()), broken);
    env.set("ORVANE_AUTO_ANSWER", "yes");
    CDataFile renewed(options);
    CalendarReadAhead readAhead(renewed);
    EXPECT_EQ(LoadOrCreateCalendar(renewed, readAhead.Wait()), LoadOutcome::Created);
    EXPECT_EQ(test::readFile(sandbox.calendarPath()), test::DefaultCalendar());
    const QStringList copies = QDir(sandbox.dataDir()).entryList({QStringLiteral("*.broken-*")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(test::readFile(sandbox.dataDir() + u'/' + copies.first()), broken);
}
