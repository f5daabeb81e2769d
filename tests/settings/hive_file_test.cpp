#include "settings/hive_file.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

const QString kKey = u"HKEY_CURRENT_USER\\SOFTWARE\\Orvane"_s;

TEST(HiveFileTest, ReadsWhatRegistryEditorsWrite)
{
    const HiveFile hive = HiveFile::Parse(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; exported by hand\r\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\r\n"
        "\"OptionsFlag\" = \"13335\"\r\n"
        "@=\"\xD0\x9A\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xBD\xD0\xB4\xD0\xB0\xD1\x80\xD1\x8C\"\r\n"
        "\"Long\"=hex:01,02,\\\r\n"
        "  03,FF\r\n"
        "\"Dword\"=DWORD:0000000D\r\n"
        "\r\n"
        "[hkey_current_user\\software\\orvane]\r\n"
        "\"optionsflag\"=\"42\"\r\n");
    EXPECT_EQ(hive.SkippedLines(), 0);
    EXPECT_EQ(*hive.Find(kKey, u"OptionsFlag"_s), RegistryValue::String(u"42"_s)) << "the later line wins";
    EXPECT_EQ(*hive.Find(kKey, QString()), RegistryValue::String(u"Календарь"_s));
    EXPECT_EQ(*hive.Find(kKey, u"Long"_s), (RegistryValue{RegistryType::kBinary, QByteArray("\x01\x02\x03\xFF", 4)}));
    EXPECT_EQ(*hive.Find(kKey, u"Dword"_s), RegistryValue::Dword(13));
    EXPECT_TRUE(hive.HasKey(u"HKEY_CURRENT_USER\\Software"_s));
    EXPECT_FALSE(hive.HasKey(u"HKEY_CURRENT_USER\\Soft"_s));
}

TEST(HiveFileTest, EmptyTextIsAnEmptyHive)
{
    for (const QByteArray &text : {QByteArray(), QByteArray("\n\n"), QByteArray("Windows Registry Editor Version 5.00\n")}) {
        const HiveFile hive = HiveFile::Parse(text);
        EXPECT_EQ(hive.SkippedLines(), 0) << text.constData();
        EXPECT_FALSE(hive.HasKey(u"HKEY_CURRENT_USER"_s));
    }
}

TEST(HiveFileTest, PassesOverMalformedLinesAndKeepsTheRest)
{
    const QByteArray header = "Windows Registry Editor Version 5.00\n\n";
    const QByteArray key = "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n";
    const QByteArray badValueLines[] = {
        "\"Value\"=\"C:\\temp\"\n",
        "\"Value\"=\"unterminated\n",
        "\"Value\"=\"text\" trailing\n",
        "\"Value\"=-\n",
        "\"Value\"=dword:123456789\n",
        "\"Value\"=dword:\n",
        "\"Value\"=hex:1,2g\n",
        "\"Value\"=hex:100\n",
        "\"Value\"=hex(x):00\n",
        "Value=\"unquoted name\"\n",
        "\"Value\"=\"\xFF\xFE invalid UTF-8\"\n",
    };
    for (const QByteArray &bad : badValueLines) {
        const HiveFile hive = HiveFile::Parse(header + key + "\"Before\"=dword:1\n" + bad + "\"After\"=\"2\"\n");
        EXPECT_EQ(hive.SkippedLines(), 1) << bad.constData();
        EXPECT_TRUE(hive.Find(kKey, u"Before"_s)) << bad.constData();
        EXPECT_TRUE(hive.Find(kKey, u"After"_s)) << bad.constData();
        EXPECT_FALSE(hive.Find(kKey, u"Value"_s)) << bad.constData();
        EXPECT_EQ(HiveFile::Parse(hive.Serialize()).SkippedLines(), 0) << "written anew, cleanly";
    }

    // The values of a key whose line cannot be read go with it; the next key is read again.
    const QByteArray other = "[HKEY_CURRENT_USER\\SOFTWARE\\Other]\n\"Kept\"=\"yes\"\n";
    for (const QByteArray &badKey : {QByteArray("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\n"),
                                     QByteArray("[-HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"),
                                     QByteArray("[HKEY_CURRENT_USER\\\\Orvane]\n")}) {
        const HiveFile hive = HiveFile::Parse(header + badKey + "\"Lost\"=\"1\"\n" + other);
        EXPECT_EQ(hive.SkippedLines(), 2) << badKey.constData();
        EXPECT_TRUE(hive.Find(u"HKEY_CURRENT_USER\\SOFTWARE\\Other"_s, u"Kept"_s)) << badKey.constData();
    }

    const HiveFile valueBeforeAnyKey = HiveFile::Parse(header + "\"Value\"=\"x\"\n" + key + "\"A\"=\"1\"\n");
    EXPECT_EQ(valueBeforeAnyKey.SkippedLines(), 1);
    EXPECT_TRUE(valueBeforeAnyKey.Find(kKey, u"A"_s));

    const HiveFile withoutHeader = HiveFile::Parse("REGEDIT4\n\n" + key + "\"A\"=\"1\"\n");
    EXPECT_GT(withoutHeader.SkippedLines(), 0);
    EXPECT_TRUE(withoutHeader.Find(kKey, u"A"_s));
    EXPECT_TRUE(withoutHeader.Serialize().startsWith(header));
}

TEST(HiveFileTest, EveryValueSurvivesSerializeAndParse)
{
    struct Entry {
        QString name;
        RegistryValue value;
    };
    const Entry entries[] = {
        {QString(), RegistryValue::String(u"default"_s)},
        {u"Escapes \"\\"_s, RegistryValue::String(u"C:\\dir\\\"quoted\" ; [x]"_s)},
        {u"Cyrillic"_s, RegistryValue::String(u"Сохранять расположение окна"_s)},
        {u"Empty"_s, RegistryValue::String(QString())},
        {u"Lines"_s, RegistryValue::String(u"one\r\ntwo"_s)},
        {u"Emoji"_s, RegistryValue::String(u"\U0001F600"_s)},
        {u"NoTerminator"_s, RegistryValue{RegistryType::kSz, QByteArray("a\0", 2)}},
        {u"Expand"_s, RegistryValue::String(u"%TEMP%"_s, RegistryType::kExpandSz)},
        {u"Dword"_s, RegistryValue::Dword(0xFFFFFFFFu)},
        {u"ShortDword"_s, RegistryValue{RegistryType::kDword, QByteArray("\x07", 1)}},
        {u"Binary"_s, RegistryValue{RegistryType::kBinary, QByteArray("\0\x01\xFF", 3)}},
        {u"NoBytes"_s, RegistryValue{RegistryType::kBinary, {}}},
        {u"None"_s, RegistryValue{RegistryType::kNone, QByteArray("\x10", 1)}},
        {u"Multi"_s, RegistryValue{RegistryType::kMultiSz, QByteArray("a\0\0\0\0\0", 6)}},
        {u"Qword"_s, RegistryValue{RegistryType::kQword, QByteArray(8, '\x05')}},
    };
    HiveFile hive;
    for (const Entry &entry : entries)
        ASSERT_TRUE(hive.Set(kKey, entry.name, entry.value)) << qPrintable(entry.name);
    ASSERT_TRUE(hive.Set(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane [1]"_s, u"x"_s, RegistryValue::Dword(1)));

    const QByteArray text = hive.Serialize();
    const HiveFile reread = HiveFile::Parse(text);
    EXPECT_EQ(reread.SkippedLines(), 0) << text.constData();
    for (const Entry &entry : entries) {
        const RegistryValue *value = reread.Find(kKey, entry.name);
        ASSERT_TRUE(value) << qPrintable(entry.name);
        EXPECT_EQ(*value, entry.value) << qPrintable(entry.name);
    }
    EXPECT_EQ(*reread.Find(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane [1]"_s, u"x"_s), RegistryValue::Dword(1));
    EXPECT_EQ(reread.Serialize(), text);
}

TEST(HiveFileTest, RefusesNamesTheSyntaxCannotHold)
{
    HiveFile hive;
    EXPECT_FALSE(hive.Set(kKey, u"two\nlines"_s, RegistryValue::Dword(1)));
    EXPECT_FALSE(hive.Set(u"HKEY_CURRENT_USER\\\\Orvane"_s, u"x"_s, RegistryValue::Dword(1)));
    EXPECT_FALSE(hive.Set(u"HKEY_CURRENT_USER\\Orvane\\"_s, u"x"_s, RegistryValue::Dword(1)));
    EXPECT_FALSE(hive.HasKey(u"HKEY_CURRENT_USER"_s));
}

} // namespace
} // namespace orvane
