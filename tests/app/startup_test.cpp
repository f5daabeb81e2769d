#include "app/command_line.h"
#include "app/platform_checks.h"
#include "store/broken_copy.h"

#include "test_env.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

TEST(Startup, SwitchesScreenDepthsAndBrokenCopyNames)
{
    const std::pair<const char *, bool> switches[] = {{"/monitoring", true}, {"file -monitoring", true},
                                                      {"/MONITORING", false}, {"monitoring", false},
                                                      {"/monitoringx", false}, {"", false}};
    for (const auto &[arguments, monitoring] : switches)
        EXPECT_EQ(HasMonitoringSwitch(QString::fromLatin1(arguments).split(u' ', Qt::SkipEmptyParts)), monitoring)
            << arguments;

    test::ScopedEnv answer("ORVANE_AUTO_ANSWER", "ok");
    for (const auto &[depth, ok, palette] : {std::tuple{4, false, false}, std::tuple{8, true, true}, std::tuple{24, true, false}}) {
        const PlatformCheck check = CheckScreenDepth(depth);
        EXPECT_EQ(std::pair(check.ok, check.bPalette256), std::pair(ok, palette)) << depth;
    }

    test::SandboxDirs sandbox;
    const QDateTime when(QDate(2026, 12, 6), QTime(21, 5, 9));
    const QString first = BrokenCopyPath(sandbox.calendarPath(), when);
    EXPECT_EQ(first, sandbox.calendarPath() + u".broken-20261206-210509"_s);
    test::writeFile(first, "x");
    EXPECT_EQ(BrokenCopyPath(sandbox.calendarPath(), when), first + u"-2"_s) << "never overwrites a copy";
}
