// Strings of the calendar file: every length form, and the Windows-1251 code page of the narrow ones.
#include "store/archive.h"
#include "store/event_text.h"
#include "store/windows1251.h"

#include "byte_builder.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;
using orvane::test::ByteBuilder;

// Narrow strings at the boundaries of each length form are written and read back byte for byte;
// wide ones (UTF-16, after the ff fffe marker) in the byte, word and long forms are read. An
// event's text kept as a part of those bytes, or set as the text, reads and writes as the string.
TEST(Archive, StringsAndArraysInEveryLengthForm)
{
    const QString wide = u"Привет ☺"_s;
    const std::tuple<const char *, QString, bool> cases[] = {
        {"00", QString(), false}, {"fe", QString(254, u'ж'), false}, {"ffff00", QString(255, u'ж'), false},
        {"fffdff", QString(65533, u'ж'), false}, {"fffffffeff0000", QString(65534, u'ж'), false},
        {"ffffff70110100", QString(70000, u'ж'), false}, {"fffeff08", wide, true}, {"fffeffff0800", wide, true},
        {"fffeffffffff08000000", wide, true}};
    for (const auto &[prefix, text, isWide] : cases) {
        SCOPED_TRACE(prefix);
        const QByteArray bytes = QByteArray::fromHex(prefix)
            + (isWide ? QByteArray(reinterpret_cast<const char *>(text.utf16()), 2 * text.size()) // little-endian here
                      : QByteArray(text.size(), '\xE6'));
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_EQ(reader.Remaining(), 0);
        ArchiveWriter writer;
        writer.WriteString(text);
        EXPECT_TRUE(isWide || writer.Bytes() == bytes);
        const auto file = std::make_shared<const QByteArray>(bytes);
        ArchiveReader fileReader(*file);
        for (const CEventText &kept : {CEventText(file, fileReader.ReadRawString()), CEventText(text)}) {
            EXPECT_EQ(kept.Text(), text);
            ArchiveWriter keptWriter;
            kept.Write(keptWriter);
            EXPECT_EQ(keptWriter.Bytes(), writer.Bytes());
        }
    }
    // A string array's count in its word and long forms.
    ArchiveWriter writer;
    writer.WriteStringArray(QStringList(65535, QString()));
    EXPECT_EQ(writer.Bytes().left(6).toHex(), QByteArray("ffffffff0000"));
    for (const QByteArray count : {ByteBuilder().u16(2), ByteBuilder().u16(0xFFFF).u32(2)})
        EXPECT_EQ(ArchiveReader(count + "\x01" "a\x01" "b").ReadStringArray(), (QStringList{u"a"_s, u"b"_s}));
}

TEST(Archive, LengthsBeyondTheDataEndThrowInsteadOfAllocating)
{
    for (const QByteArray bytes :
         {ByteBuilder().u8(10).raw("short"), ByteBuilder().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFFu),
          ByteBuilder().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFFu),
          ByteBuilder().u16(0xFFFF).u32(0xFFFFFFFFu), ByteBuilder().u8(0xFF)}) {
        EXPECT_THROW(ArchiveReader(bytes).ReadStringArray(), ArchiveEndError);
        EXPECT_THROW(ArchiveReader(bytes).ReadString(), ArchiveEndError);
    }
}

// The written-out table against the system's converter, byte by byte, both ways; what the code
// page lacks becomes one question mark a character, a surrogate pair or a lone surrogate.
TEST(Windows1251, TheTableAgreesWithTheSystemConverterAndWhatItLacksBecomesAQuestionMark)
{
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    for (int b = 0; b < 0x100; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(DecodeCp1251(byte), decoder.decode(byte)) << b;
        EXPECT_EQ(EncodeCp1251(DecodeCp1251(byte)), byte) << b;
    }
    const QString lacking = QStringLiteral("Ёж 😀 日本") + QChar(0xD83D) + u'x' + QChar(0xDE00) + QChar(0xD800);
    EXPECT_EQ(EncodeCp1251(lacking), QByteArray("\xA8\xE6 ? ???x??"));
}
