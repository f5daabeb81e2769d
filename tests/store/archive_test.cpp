#include "store/archive.h"

#include "byte_builder.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;
using orvane::test::ByteBuilder;

// Narrow strings at the boundaries of each length form are written and read back byte for byte;
// wide ones (UTF-16, after the ff fffe marker) in the byte, word and long forms are read.
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
