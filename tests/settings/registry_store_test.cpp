// The registry hive file, and the registry store kept in it.
#include "settings/hive_file.h"
#include "settings/hive_registry_backend.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <limits>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

const QByteArray kHeader = "Windows Registry Editor Version 5.00\n\n";
const QByteArray kOrvaneKey = "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n";
const QString kKey = u"HKEY_CURRENT_USER\\SOFTWARE\\Orvane"_s;

TEST(HiveFileTest, PassesOverMalformedLinesAndKeepsTheRest)
{
    EXPECT_EQ(HiveFile::Parse({}).SkippedLines(), 0) << "an empty file is an empty hive";
    for (const char *bad : {"\"Value\"=\"C:\\temp\"", "\"Value\"=\"unterminated", "\"Value\"=\"text\" trailing",
                            "\"Value\"=-", "\"Value\"=dword:123456789", "\"Value\"=dword:", "\"Value\"=hex:1,2g",
                            "\"Value\"=hex:100", "\"Value\"=hex(x):00", "Value=\"unquoted name\"",
                            "\"Value\"=\"\xFF\xFE invalid UTF-8\""}) {
        const HiveFile hive = HiveFile::Parse(kHeader + kOrvaneKey + "\"A\"=dword:1\n" + bad + "\n\"B\"=\"2\"\n");
        EXPECT_EQ(hive.SkippedLines(), 1) << bad;
        EXPECT_TRUE(hive.Find(kKey, u"A"_s) && hive.Find(kKey, u"B"_s) && !hive.Find(kKey, u"Value"_s)) << bad;
        EXPECT_EQ(HiveFile::Parse(hive.Serialize()).SkippedLines(), 0) << "written anew, cleanly";
    }
    // The values of a key whose line cannot be read go with it; the next key is read again.
    for (const char *badKey : {"[HKEY_CURRENT_USER\\SOFTWARE\\Orvane", "[-HKEY_CURRENT_USER\\SOFTWARE\\Orvane]",
                               "[HKEY_CURRENT_USER\\\\Orvane]"}) {
        const HiveFile hive = HiveFile::Parse(kHeader + badKey + "\n\"Lost\"=\"1\"\n"
                                              "[HKEY_CURRENT_USER\\Other]\n\"Kept\"=\"1\"\n");
        EXPECT_EQ(hive.SkippedLines(), 2) << badKey;
        EXPECT_TRUE(hive.Find(u"HKEY_CURRENT_USER\\Other"_s, u"Kept"_s)) << badKey;
    }
    const HiveFile withoutHeader = HiveFile::Parse("REGEDIT4\n\n" + kOrvaneKey + "\"A\"=\"1\"\n");
    EXPECT_EQ(withoutHeader.SkippedLines(), 2) << "the line in its place, and the header missing";
    EXPECT_TRUE(withoutHeader.Find(kKey, u"A"_s));
}

TEST(HiveFileTest, EveryValueSurvivesSerializeAndParseAndNamesTheSyntaxCannotHoldAreRefused)
{
    const std::pair<QString, RegistryValue> entries[] = {
        {QString(), RegistryValue::String(u"default"_s)},
        {u"Escapes \"\\"_s, RegistryValue::String(u"C:\\dir\\\"quoted\" ; [x]"_s)},
        {u"Lines"_s, RegistryValue::String(u"one\r\ntwo"_s)},
        {u"NoTerminator"_s, RegistryValue{RegistryType::kSz, QByteArray("a\0", 2)}},
        {u"ShortDword"_s, RegistryValue{RegistryType::kDword, QByteArray("\x07", 1)}},
        {u"NoBytes"_s, RegistryValue{RegistryType::kBinary, {}}},
        {u"Multi"_s, RegistryValue{RegistryType::kMultiSz, QByteArray("a\0\0\0\0\0", 6)}},
    };
    HiveFile hive;
    for (const auto &[name, value] : entries)
        ASSERT_TRUE(hive.Set(kKey, name, value)) << qPrintable(name);
    for (const auto &[key, name] : {std::pair{kKey, u"two\nlines"_s}, std::pair{u"HKEY_CURRENT_USER\\\\x"_s, u"x"_s},
                                    std::pair{u"HKEY_CURRENT_USER\\Orvane\\"_s, u"x"_s}})
        EXPECT_FALSE(hive.Set(key, name, RegistryValue::Dword(1))) << qPrintable(key);
    EXPECT_FALSE(hive.HasKey(u"HKEY_CURRENT_USER\\Orvane"_s));

    const HiveFile reread = HiveFile::Parse(hive.Serialize());
    for (const auto &[name, value] : entries)
        EXPECT_TRUE(reread.Find(kKey, name) && *reread.Find(kKey, name) == value) << qPrintable(name);
}

class RegistryStoreTest : public ::testing::Test {
protected:
    QByteArray Hive() const { return test::readFile(m_dirs.hivePath()); }
    // The text of a value, "before" when it cannot be read; `result` is what the read returns.
    QString Text(const QString &path, int result = 1)
    {
        QString text = u"before"_s;
        EXPECT_EQ(m_store.GetStringValue(kRootCurrentUser, path, text), result) << qPrintable(path);
        return text;
    }

    test::SandboxDirs m_dirs;
    CRegistryStore m_store;
};

TEST_F(RegistryStoreTest, WritesCreateTheKeyAndDeletesRemoveOnlyTheValue)
{
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 13335), 1);
    // Names ignore case: the value keeps its first spelling.
    ASSERT_EQ(m_store.SetIntValue(kRootCurrentUser, u"software\\ORVANE\\optionsflag"_s, 2), 1);
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"PositionY"_s, 20), 1);
    EXPECT_EQ(Hive(), kHeader + kOrvaneKey + "\"OptionsFlag\"=\"2\"\n\"PositionY\"=\"20\"\n");
    m_store.DeleteValue(u"orvane"_s, u"OPTIONSFLAG"_s);
    m_store.DeleteValue(u"Orvane"_s, u"PositionY"_s);
    EXPECT_EQ(Hive(), kHeader + kOrvaneKey) << "the key stays";
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\x"_s), 1) << "parent keys are implied";
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFT\\x"_s), 0) << "a key's name, not a part of it";
    m_store.m_strCompany = u"Vendor"_s;
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 1), 1);
    EXPECT_EQ(m_store.KeyExists(kRootCurrentUser, u"SOFTWARE\\Vendor\\Orvane\\x"_s), 1);

    // One read of an option parses the hive once, in one pass however many keys and values it
    // has, and the default written back keeps their order.
    QByteArray hive = kHeader, values;
    for (int i = 0; i < 100000; ++i) {
        hive += "[HKEY_CURRENT_USER\\SOFTWARE\\Other\\" + QByteArray::number(i) + "]\n\n";
        values += '"' + QByteArray::number(i) + "\"=\"1\"\n";
    }
    test::writeFile(m_dirs.hivePath(), hive += "[HKEY_CURRENT_USER\\SOFTWARE\\Vendor\\Orvane]\n" + values);
    const int parses = HiveFile::ParseCount();
    EXPECT_EQ(COptionFlags(m_store).GetOptions(), COptionFlags::kDefaultOptions);
    EXPECT_EQ(HiveFile::ParseCount(), parses + 1);
    EXPECT_EQ(Hive(), hive + "\"OptionsFlag\"=\"13335\"\n");
}

// Values are read as text into a 256-byte buffer, Windows-1251 for strings: larger ones cannot be
// read. Numbers are read from the text's start like atol, held to the 32-bit range. The hive is
// as registry editors write it: a byte-order mark, CRLF, a comment, spaces, continued hex lines,
// upper case, and a key again in other case, whose later lines win.
TEST_F(RegistryStoreTest, ConvertsEachValueTypeToTextThatFitsTheReadBufferAndNumbersLikeAtol)
{
    const QString fits(255, u'Ж');
    test::writeFile(m_dirs.hivePath(),
                    "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; by hand\r\n" + kOrvaneKey
                    + "\"Dword\" = DWORD:0000000D\r\n\"Negative\"=dword:ffffffff\n@=\"Календарь\"\r\n"
                    "\"Binary\"=hex:01,\\\r\n  02\n\"Expand\"=hex(2):25,00,54,00,4d,00,50,00,25,00,00,00\n"
                    "\"Multi\"=hex(7):61,00,00,00,00,00\n\"Qword\"=hex(b):01,00,00,00,00,00,00,00\n"
                    "\"Fits\"=\"" + fits.toUtf8() + "\"\n\"TooLong\"=\"" + fits.toUtf8() + "1\"\n"
                    "\"Blob256\"=hex:" + QByteArray("00,").repeated(255) + "00\n"
                    "\"Blob257\"=hex:" + QByteArray("00,").repeated(256) + "00\n"
                    "[hkey_current_user\\software\\orvane]\n\"dword\"=dword:00000007\n");
    const std::tuple<QString, int, QString> cases[] = {
        {u"Dword"_s, 1, u"7"_s}, {QString(), 1, u"Календарь"_s}, {u"Negative"_s, 1, u"-1"_s},
        {u"Binary"_s, 0, u"Binary data"_s}, {u"Expand"_s, 1, u"%TMP%"_s}, {u"Multi"_s, 0, u"Can't convert to string"_s},
        {u"Qword"_s, 0, u"Can't convert to string"_s}, {u"Fits"_s, 1, fits}, {u"TooLong"_s, 0, u"before"_s},
        {u"Blob256"_s, 0, u"Binary data"_s}, {u"Blob257"_s, 0, u"before"_s}, {u"Missing"_s, 0, u"before"_s},
    };
    for (const auto &[name, result, text] : cases)
        EXPECT_EQ(Text(u"SOFTWARE\\Orvane\\"_s + name, result), text) << qPrintable(name);

    constexpr qint32 kMax = std::numeric_limits<qint32>::max(), kMin = -kMax - 1;
    const std::pair<QString, qint32> numbers[] = {{u"12abc"_s, 12}, {u" \t-42 7"_s, -42}, {u"+7"_s, 7}, {u"abc"_s, 0},
        {u""_s, 0}, {u"- 5"_s, 0}, {u"99999999999"_s, kMax}, {u"-2147483648"_s, kMin}, {u"-99999999999"_s, kMin}};
    for (const auto &[stored, expected] : numbers) {
        qint32 out = 555;
        ASSERT_EQ(m_store.WriteString(u"Orvane"_s, u"Value"_s, stored), 1);
        EXPECT_EQ(m_store.ReadInt(u"Orvane"_s, u"Value"_s, out), 1);
        EXPECT_EQ(out, expected) << qPrintable(stored);
    }
}

TEST_F(RegistryStoreTest, RootsKeepSeparateKeysAndAnUnknownRootFailsEverything)
{
    const QString path = u"SOFTWARE\\Orvane\\Value"_s;
    qint32 number = 5;
    EXPECT_EQ(m_store.SetIntValue(0, path, 1) + m_store.KeyExists(0, path) + m_store.GetIntValue(0, path, number), 0);
    EXPECT_EQ(number, 5);
    EXPECT_EQ(m_store.SetStringValue(kRootClassesRoot, u".htm\\"_s, u"htmlfile"_s), 1);
    EXPECT_EQ(m_store.SetStringValue(kRootLocalMachine, path, u"lm"_s), 1);
    EXPECT_EQ(Text(path, 0), u"before"_s) << "the current user's key is another";
    EXPECT_EQ(Hive(), kHeader + "[HKEY_CLASSES_ROOT\\.htm]\n@=\"htmlfile\"\n\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n\"Value\"=\"lm\"\n");
    EXPECT_EQ(Text(u"NoBackslash"_s, 0), u"before"_s) << "a value of the root key itself";
}

TEST_F(RegistryStoreTest, ADamagedHiveKeepsItsGoodValuesAndIsWrittenAnewOnTheNextChange)
{
    const QByteArray damaged = kHeader + kOrvaneKey + "\"OptionsFlag\"=\"13333\"\n"
                                                      "\"Run\"=\"C:\\Program Files\"\n" // an unescaped backslash
                                                      "\"OrvanePositionX\"=\"120\"\n";
    test::writeFile(m_dirs.hivePath(), damaged);
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"PositionY"_s, 7), 1);
    EXPECT_EQ(Hive(), kHeader + kOrvaneKey
                          + "\"OptionsFlag\"=\"13333\"\n\"OrvanePositionX\"=\"120\"\n\"PositionY\"=\"7\"\n");
    const QFileInfoList copies = QDir(m_dirs.configDir() + u"/orvane"_s).entryInfoList({u"registry.reg.broken-*"_s});
    ASSERT_EQ(copies.size(), 1) << "the damaged file is kept";
    EXPECT_EQ(test::readFile(copies.front().filePath()), damaged);
}

// A hive that cannot be read is never overwritten, nor written where its folder cannot be made;
// without XDG_CONFIG_HOME it is in ~/.config.
TEST_F(RegistryStoreTest, AHiveThatCannotBeReadIsNeverOverwrittenAndItsPathFollowsTheEnvironment)
{
    ASSERT_TRUE(QDir().mkpath(m_dirs.hivePath())); // a folder in the hive's place
    EXPECT_EQ(Text(u"SOFTWARE\\Orvane\\OptionsFlag"_s, 0), u"before"_s);
    EXPECT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 1), 0);
    EXPECT_TRUE(QFileInfo(m_dirs.hivePath()).isDir());

    test::ScopedEnv env;
    env.unset("XDG_CONFIG_HOME");
    env.set("HOME", QFile::encodeName(m_dirs.path()));
    EXPECT_EQ(HiveRegistryBackend::HivePath(), m_dirs.path() + u"/.config/orvane/registry.reg"_s);
    test::writeFile(m_dirs.path() + u"/.config"_s, "a file where a folder should be");
    EXPECT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 1), 0);
}
