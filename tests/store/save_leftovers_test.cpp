#include "store/save_leftovers.h"

#include "test_env.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

TEST(SaveLeftovers, OnlyTemporaryNamesOfTheSameFileGo)
{
    test::SandboxDirs sandbox;
    const QString calendar = sandbox.calendarPath();
    // A user's own copies, names too long, a broken copy, other files (names tell case apart).
    QStringList kept = {u"orvane.orvd"_s, u"orvane.orvd.backup"_s, u"orvane.orvd.BACKUP"_s, u"orvane.orvd.Copy01"_s,
                        u"orvane.orvd.AbCdEfG"_s, u"orvane.orvd.broken-20260510-101010"_s, u"other.orvd.AbCdEf"_s,
                        u"Orvane.orvd.AbCdEf"_s};
    for (const QString &name : kept + QStringList{u"orvane.orvd.AbCdEf"_s, u"orvane.orvd.qwERty"_s})
        test::writeFile(sandbox.dataDir() + u'/' + name, "x");
    ASSERT_TRUE(QDir(sandbox.dataDir()).mkdir(u"orvane.orvd.FolDer"_s));
    ASSERT_TRUE(QFile::link(calendar, calendar + u".LinKed"_s));

    EXPECT_EQ(RemoveSaveLeftovers(calendar), 2);
    kept << u"orvane.orvd.FolDer"_s << u"orvane.orvd.LinKed"_s;
    kept.sort();
    EXPECT_EQ(QDir(sandbox.dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name), kept);
    EXPECT_EQ(RemoveSaveLeftovers(sandbox.dataDir() + u"/missing/orvane.orvd"_s), 0);
}
