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
    const QStringList leftovers = {QStringLiteral("orvane.orvd.AbCdEf"), QStringLiteral("orvane.orvd.qwERty")};
    const QStringList kept = {
        QStringLiteral("orvane.orvd"),
        QStringLiteral("orvane.orvd.backup"),  // a user's own copies
        QStringLiteral("orvane.orvd.BACKUP"),
        QStringLiteral("orvane.orvd.Copy01"),
        QStringLiteral("orvane.orvd.AbCdEfG"),
        QStringLiteral("orvane.orvd.broken-20260510-101010"),
        QStringLiteral("other.orvd.AbCdEf"),
        QStringLiteral("Orvane.orvd.AbCdEf"),  // another file where names tell case apart
    };
    for (const QString &name : leftovers + kept)
        test::writeFile(sandbox.dataDir() + u'/' + name, "x");
    ASSERT_TRUE(QDir(sandbox.dataDir()).mkdir(QStringLiteral("orvane.orvd.FolDer")));
    ASSERT_TRUE(QFile::link(calendar, calendar + QStringLiteral(".LinKed")));

    EXPECT_EQ(RemoveSaveLeftovers(calendar), 2);
    QStringList expected = kept + QStringList{QStringLiteral("orvane.orvd.FolDer"), QStringLiteral("orvane.orvd.LinKed")};
    expected.sort();
    EXPECT_EQ(QDir(sandbox.dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
              expected);
    EXPECT_EQ(RemoveSaveLeftovers(sandbox.dataDir() + QStringLiteral("/missing/orvane.orvd")), 0);
}
