#include "store/save_leftovers.h"

#include "test_env.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvane;

TEST(SaveLeftovers, OnlyTemporaryNamesOfTheSameFileGo)
{
    test::SandboxDirs sandbox;
    const QString calendar = sandbox.calendarPath();
    // A user's own copies, names too long, a broken copy, other files (names tell case apart).
    QStringList kept = {QStringLiteral("orvane.orvd"), QStringLiteral("orvane.orvd.backup"),
                        QStringLiteral("orvane.orvd.BACKUP"), QStringLiteral("orvane.orvd.Copy01"),
                        QStringLiteral("orvane.orvd.AbCdEfG"), QStringLiteral("orvane.orvd.broken-20260510-101010"),
                        QStringLiteral("other.orvd.AbCdEf"), QStringLiteral("Orvane.orvd.AbCdEf")};
    for (const QString &name : kept + QStringList{QStringLiteral("orvane.orvd.AbCdEf"), QStringLiteral("orvane.orvd.qwERty")})
        test::writeFile(sandbox.dataDir() + u'/' + name, "x");
    ASSERT_TRUE(QDir(sandbox.dataDir()).mkdir(QStringLiteral("orvane.orvd.FolDer")));
    ASSERT_TRUE(QFile::link(calendar, calendar + QStringLiteral(".LinKed")));

    EXPECT_EQ(RemoveSaveLeftovers(calendar), 2);
    kept << QStringLiteral("orvane.orvd.FolDer") << QStringLiteral("orvane.orvd.LinKed");
    kept.sort();
    EXPECT_EQ(QDir(sandbox.dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name), kept);
    EXPECT_EQ(RemoveSaveLeftovers(sandbox.dataDir() + QStringLiteral("/missing/orvane.orvd")), 0);
}
