#include "app/command_line.h"
#include "app/platform_checks.h"
#include "store/broken_copy.h"

#include "test_env.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

TEST(Startup, SwitchesScreenDepthsAndBrokenCopyNames)
{
    const std::pair<QStringList, bool> switches[] = {{{u"/monitoring"_s}, true}, {{u"file"_s, u"-monitoring"_s}, true},
        {{u"/MONITORING"_s}, false}, {{u"monitoring"_s}, false}, {{u"/monitoringx"_s}, false}, {{}, false}};
    for (const auto &[arguments, monitoring] : switches)
        EXPECT_EQ(HasMonitoringSwitch(arguments), monitoring) << qPrintable(arguments.join(u' '));

    test::ScopedEnv answer("ORVANE_AUTO_ANSWER", "ok");
    for (const int depth : {4, 8, 24}) { // 8 bits take a palette of 256 colours, fewer are refused
        const PlatformCheck check = CheckScreenDepth(depth);
        EXPECT_EQ(std::pair(check.ok, check.bPalette256), std::pair(depth >= 8, depth == 8)) << depth;
    }

    test::SandboxDirs sandbox;
    const QDateTime when(QDate(2026, 12, 6), QTime(21, 5, 9));
    const QString first = BrokenCopyPath(sandbox.calendarPath(), when);
    EXPECT_EQ(first, sandbox.calendarPath() + u".broken-20261206-210509"_s);
    test::writeFile(first, "x");
    EXPECT_EQ(BrokenCopyPath(sandbox.calendarPath(), when), first + u"-2"_s) << "never overwrites a copy";
}
