#include "settings/hive_file.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

const QString kKey = u"HKEY_CURRENT_USER\\SOFTWARE\\Orvane"_s;
const QByteArray kHeader = "Windows Registry Editor Version 5.00\n\n";
const QByteArray kKeyLine = "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n";

TEST(HiveFileTest, PassesOverMalformedLinesAndKeepsTheRest)
{
    EXPECT_EQ(HiveFile::Parse({}).SkippedLines(), 0) << "an empty file is an empty hive";
    for (const char *bad : {"\"Value\"=\"C:\\temp\"", "\"Value\"=\"unterminated", "\"Value\"=\"text\" trailing",
                            "\"Value\"=-", "\"Value\"=dword:123456789", "\"Value\"=dword:", "\"Value\"=hex:1,2g",
                            "\"Value\"=hex:100", "\"Value\"=hex(x):00", "Value=\"unquoted name\"",
                            "\"Value\"=\"\xFF\xFE invalid UTF-8\""}) {
        const HiveFile hive = HiveFile::Parse(kHeader + kKeyLine + "\"A\"=dword:1\n" + bad + "\n\"B\"=\"2\"\n");
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
    const HiveFile withoutHeader = HiveFile::Parse("REGEDIT4\n\n" + kKeyLine + "\"A\"=\"1\"\n");
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
