#include "settings/hive_file.h"
#include "settings/hive_registry_backend.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

class RegistryStoreTest : public ::testing::Test {
protected:
    QByteArray Hive() const { return test::readFile(m_dirs.hivePath()); }
    void WriteHive(const QByteArray &body)
    {
        test::writeFile(m_dirs.hivePath(), "Windows Registry Editor Version 5.00\n\n" + body);
    }

    test::SandboxDirs m_dirs;
    CRegistryStore m_store;
};

TEST_F(RegistryStoreTest, WriteIntCreatesTheKeyAndStoresDecimalText)
{
    ASSERT_FALSE(QFile::exists(m_dirs.hivePath()));
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Orvane\\OptionsFlag"_s), 0);

    EXPECT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 13335), 1);

    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Orvane\\anything"_s), 1);
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\x"_s), 1) << "parent keys are implied";
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Other\\x"_s), 0);
    QString text;
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\OptionsFlag"_s, text), 1);
    EXPECT_EQ(text, u"13335"_s);
    EXPECT_EQ(Hive(), "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                      "\"OptionsFlag\"=\"13335\"\n");
}

TEST_F(RegistryStoreTest, ReadIntTakesTheLeadingNumberLikeAtol)
{
    const std::pair<QString, qint32> cases[] = {
        {u"12abc"_s, 12},
        {u" \t-42 7"_s, -42},
        {u"+7"_s, 7},
        {u"abc"_s, 0},
        {u""_s, 0},
        {u"- 5"_s, 0},
        {u"99999999999"_s, std::numeric_limits<qint32>::max()},
        {u"-2147483648"_s, std::numeric_limits<qint32>::min()},
        {u"-99999999999"_s, std::numeric_limits<qint32>::min()},
    };
    for (const auto &[stored, expected] : cases) {
        ASSERT_EQ(m_store.WriteString(u"Orvane"_s, u"Value"_s, stored), 1);
        qint32 out = 555;
        EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"Value"_s, out), 1) << qPrintable(stored);
        EXPECT_EQ(out, expected) << qPrintable(stored);
    }
}

TEST_F(RegistryStoreTest, ConvertsEachValueTypeToText)
{
    WriteHive("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
              "\"Dword\"=dword:00000007\n"
              "\"Negative\"=dword:ffffffff\n"
              "\"Binary\"=hex:01,02\n"
              "\"Expand\"=hex(2):25,00,54,00,4d,00,50,00,25,00,00,00\n"
              "\"Multi\"=hex(7):61,00,00,00,00,00\n"
              "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\n");
    struct Case {
        QString name;
        int result;
        QString text;
    };
    const Case cases[] = {
        {u"Dword"_s, 1, u"7"_s},
        {u"Negative"_s, 1, u"-1"_s},
        {u"Binary"_s, 0, u"Binary data"_s},
        {u"Expand"_s, 1, u"%TMP%"_s},
        {u"Multi"_s, 0, u"Can't convert to string"_s},
        {u"Qword"_s, 0, u"Can't convert to string"_s},
    };
    for (const Case &c : cases) {
        QString text = u"before"_s;
        EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\"_s + c.name, text), c.result)
            << qPrintable(c.name);
        EXPECT_EQ(text, c.text) << qPrintable(c.name);
    }

    qint32 number = 0;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"Dword"_s, number), 1);
    EXPECT_EQ(number, 7);
    number = 99;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"Binary"_s, number), 0);
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"Missing"_s, number), 0);
    EXPECT_EQ(number, 99) << "a failed read leaves the out value alone";
}

TEST_F(RegistryStoreTest, ValuesBeyondTheReadBufferCannotBeRead)
{
    // 255 Windows-1251 bytes plus the terminating zero just fill the 256-byte buffer.
    const QString fits(255, u'Ж');
    ASSERT_EQ(m_store.WriteString(u"Orvane"_s, u"Fits"_s, fits), 1);
    ASSERT_EQ(m_store.WriteString(u"Orvane"_s, u"TooLong"_s, fits + u'1'), 1);
    QString text = u"before"_s;
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\Fits"_s, text), 1);
    EXPECT_EQ(text, fits);
    text = u"before"_s;
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\TooLong"_s, text), 0);
    EXPECT_EQ(text, u"before"_s);

    WriteHive("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
              "\"Long\"=\"" + QByteArray(300, '7') + "\"\n"
              "\"Blob256\"=hex:" + QByteArray("00,").repeated(255) + "00\n"
              "\"Blob257\"=hex:" + QByteArray("00,").repeated(256) + "00\n");
    qint32 number = 3;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"Long"_s, number), 0);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\Blob256"_s, text), 0);
    EXPECT_EQ(text, u"Binary data"_s);
    text = u"before"_s;
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\Blob257"_s, text), 0);
    EXPECT_EQ(text, u"before"_s);
}

TEST_F(RegistryStoreTest, UnknownRootSelectorFailsEveryPrimitiveWithoutTouchingTheHive)
{
    for (const int root : {0, 4, -1}) {
        const QString path = u"SOFTWARE\\Orvane\\OptionsFlag"_s;
        QString text = u"before"_s;
        qint32 number = 5;
        EXPECT_EQ(m_store.SetStringValue(root, path, u"1"_s), 0) << root;
        EXPECT_EQ(m_store.SetIntValue(root, path, 1), 0) << root;
        EXPECT_EQ(m_store.GetStringValue(root, path, text), 0) << root;
        EXPECT_EQ(m_store.GetIntValue(root, path, number), 0) << root;
        EXPECT_EQ(m_store.KeyExists(root, path), 0) << root;
        EXPECT_EQ(text, u"before"_s);
        EXPECT_EQ(number, 5);
    }
    EXPECT_FALSE(QFile::exists(m_dirs.hivePath()));
}

TEST_F(RegistryStoreTest, RootsKeepSeparateKeys)
{
    EXPECT_EQ(m_store.SetStringValue(kRootClassesRoot, u".htm\\"_s, u"htmlfile"_s), 1);
    EXPECT_EQ(m_store.SetStringValue(kRootLocalMachine, u"SOFTWARE\\Orvane\\Value"_s, u"lm"_s), 1);
    QString text;
    EXPECT_EQ(m_store.GetStringValue(kRootClassesRoot, u".htm\\"_s, text), 1);
    EXPECT_EQ(text, u"htmlfile"_s);
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\Value"_s, text), 0);
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Orvane\\Value"_s), 0);
    EXPECT_TRUE(Hive().contains("[HKEY_CLASSES_ROOT\\.htm]\n@=\"htmlfile\"\n"));
    EXPECT_TRUE(Hive().contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n\"Value\"=\"lm\"\n"));
}

TEST_F(RegistryStoreTest, KeyAndValueNamesIgnoreCase)
{
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 1), 1);
    ASSERT_EQ(m_store.SetIntValue(kRootCurrentUser, u"software\\ORVANE\\optionsflag"_s, 2), 1);
    qint32 number = 0;
    EXPECT_EQ(m_store.ReadInt(u"orvane"_s, u"OPTIONSFLAG"_s, number), 1);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(Hive().count("OptionsFlag"), 1) << "the value keeps its first spelling, once";
    EXPECT_EQ(Hive().count("[HKEY_CURRENT_USER"), 1);
}

TEST_F(RegistryStoreTest, DeleteValueRemovesOnlyTheValueAndIgnoresMissingOnes)
{
    m_store.DeleteValue(u"Orvane"_s, u"Nothing"_s);
    EXPECT_FALSE(QFile::exists(m_dirs.hivePath())) << "nothing to delete, nothing written";

    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"PositionX"_s, 10), 1);
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"PositionY"_s, 20), 1);
    const QByteArray before = Hive();
    m_store.DeleteValue(u"Orvane"_s, u"Nothing"_s);
    m_store.DeleteValue(u"Missing\\Key"_s, u"PositionX"_s);
    EXPECT_EQ(Hive(), before);

    m_store.DeleteValue(u"Orvane"_s, u"positionx"_s);
    qint32 number = -1;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"PositionX"_s, number), 0);
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"PositionY"_s, number), 1);
    EXPECT_EQ(number, 20);
    m_store.DeleteValue(u"Orvane"_s, u"PositionY"_s);
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Orvane\\x"_s), 1) << "the key stays";
}

TEST_F(RegistryStoreTest, SplitPathCutsAtTheLastBackslash)
{
    QString key = u"old"_s;
    QString name = u"old"_s;
    CRegistryStore::SplitPath(u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s, key, name);
    EXPECT_EQ(key, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"_s);
    EXPECT_EQ(name, u"orvane"_s);
    CRegistryStore::SplitPath(u"OptionsFlag"_s, key, name);
    EXPECT_EQ(key, QString());
    EXPECT_EQ(name, u"OptionsFlag"_s);
    CRegistryStore::SplitPath(u".htm\\"_s, key, name);
    EXPECT_EQ(key, u".htm"_s);
    EXPECT_EQ(name, QString());
    QString path = u"A\\B"_s;
    CRegistryStore::SplitPath(path, path, name);
    EXPECT_EQ(path, u"A"_s);
    EXPECT_EQ(name, u"B"_s);
}

TEST_F(RegistryStoreTest, CompanyJoinsThePathWhenSet)
{
    m_store.m_strCompany = u"Vendor"_s;
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 1), 1);
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Vendor\\Orvane\\x"_s), 1);
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Orvane\\x"_s), 0);
}

TEST_F(RegistryStoreTest, WritesKeepTheRestOfTheHiveIntact)
{
    const QByteArray others = "[HKEY_CURRENT_USER\\SOFTWARE\\Other]\n"
                              "@=\"default\"\n"
                              "\"Quote\"=\"say \\\"hi\\\" to C:\\\\temp\"\n"
                              "\"Dword\"=dword:0000000d\n"
                              "\"Binary\"=hex:de,ad,be,ef\n"
                              "\"Expand\"=hex(2):25,00,00,00\n"
                              "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
                              "\"Empty\"=hex:\n"
                              "\n"
                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n"
                              "\"OptionsFlag\"=\"1\"\n";
    WriteHive(others);
    const HiveFile original = HiveFile::Parse(Hive());
    ASSERT_EQ(original.SkippedLines(), 0);

    const QString tricky = u"C:\\Program Files\\\"Orvane\"\\orvane /monitoring\nвторая строка"_s;
    ASSERT_EQ(m_store.WriteString(u"Microsoft\\Windows\\CurrentVersion\\Run"_s, u"orvane"_s, tricky), 1);
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 13335), 1);
    m_store.DeleteValue(u"Orvane"_s, u"OptionsFlag"_s);

    const HiveFile written = HiveFile::Parse(Hive());
    ASSERT_EQ(written.SkippedLines(), 0) << Hive().constData();
    const QString other = u"HKEY_CURRENT_USER\\SOFTWARE\\Other"_s;
    for (const QString &name : {u""_s, u"Quote"_s, u"Dword"_s, u"Binary"_s, u"Expand"_s, u"Multi"_s, u"Empty"_s}) {
        ASSERT_TRUE(written.Find(other, name)) << qPrintable(name);
        EXPECT_EQ(*written.Find(other, name), *original.Find(other, name)) << qPrintable(name);
    }
    EXPECT_EQ(*written.Find(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane"_s, u"OptionsFlag"_s),
              RegistryValue::String(u"1"_s));
    EXPECT_FALSE(written.Find(u"HKEY_CURRENT_USER\\SOFTWARE\\Orvane"_s, u"OptionsFlag"_s));

    QString text;
    EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s, text), 1);
    EXPECT_EQ(text, tricky);
    EXPECT_TRUE(Hive().startsWith("Windows Registry Editor Version 5.00\n\n["));
    EXPECT_TRUE(Hive().contains("\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n")) << "a blank line between keys";
}

TEST_F(RegistryStoreTest, ADamagedHiveKeepsItsGoodValuesAndIsWrittenAnewOnTheNextChange)
{
    const QByteArray damaged = "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                               "\"OptionsFlag\"=\"13333\"\n"
                               "\"Run\"=\"C:\\Program Files\"\n" // an unescaped backslash
                               "\"OrvanePositionX\"=\"120\"\n";
    test::writeFile(m_dirs.hivePath(), damaged);
    qint32 number = -1;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"OptionsFlag"_s, number), 1);
    EXPECT_EQ(number, 13333);
    m_store.DeleteValue(u"Orvane"_s, u"Missing"_s);
    EXPECT_EQ(Hive(), damaged) << "reading, or deleting nothing, writes nothing";

    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"PositionY"_s, 7), 1);
    EXPECT_EQ(Hive(), "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                      "\"OptionsFlag\"=\"13333\"\n"
                      "\"OrvanePositionX\"=\"120\"\n"
                      "\"PositionY\"=\"7\"\n");
    const QDir folder(m_dirs.configDir() + u"/orvane"_s);
    const QStringList copies = folder.entryList({u"registry.reg.broken-*"_s}, QDir::Files);
    ASSERT_EQ(copies.size(), 1) << "the damaged file is kept";
    EXPECT_EQ(test::readFile(folder.filePath(copies.front())), damaged);
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"PositionY"_s, 8), 1);
    EXPECT_EQ(folder.entryList({u"registry.reg.broken-*"_s}, QDir::Files), copies) << "a clean hive is not copied";
}

TEST_F(RegistryStoreTest, AHiveThatCannotBeReadIsNeverOverwritten)
{
    ASSERT_TRUE(QDir().mkpath(m_dirs.hivePath())); // a folder in the hive's place
    qint32 number = -1;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"OptionsFlag"_s, number), 0);
    EXPECT_EQ(number, -1);
    EXPECT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 1), 0);
    EXPECT_TRUE(QFileInfo(m_dirs.hivePath()).isDir());
    EXPECT_EQ(QDir(m_dirs.configDir() + u"/orvane"_s).entryList(QDir::Files), QStringList())
        << "no stray temporary files";
}

TEST_F(RegistryStoreTest, TheHivePathFollowsTheEnvironmentOnEveryCall)
{
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 7), 1);
    test::SandboxDirs other;
    qint32 number = -1;
    EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"OptionsFlag"_s, number), 0);
    EXPECT_EQ(HiveRegistryBackend::HivePath(), other.hivePath());

    test::ScopedEnv env;
    env.unset("XDG_CONFIG_HOME");
    env.set("HOME", QFile::encodeName(other.path()));
    EXPECT_EQ(HiveRegistryBackend::HivePath(), other.path() + u"/.config/orvane/registry.reg"_s);
}

} // namespace
} // namespace orvane
