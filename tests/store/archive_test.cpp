#include "store/archive.h"

#include "byte_builder.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::test::ByteBuilder;

TEST(Archive, StringLengthFormsAtTheirBoundaries)
{
    const std::pair<int, const char *> cases[] = {{0, "00"},         {254, "fe"},       {255, "ffff00"},
                                                  {65533, "fffdff"}, {65534, "fffffffeff0000"}, {70000, "ffffff70110100"}};
    for (const auto &[length, prefix] : cases) {
        SCOPED_TRACE(length);
        const QString text(length, QChar(u'ж'));
        ArchiveWriter writer;
        writer.WriteString(text);
        const QByteArray expected = QByteArray::fromHex(prefix) + QByteArray(length, '\xE6');
        EXPECT_EQ(writer.Bytes(), expected);
        ArchiveReader reader(expected);
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_EQ(reader.Remaining(), 0);
    }
    ArchiveWriter writer;
    writer.WriteStringArray(QStringList(65535, QString()));
    EXPECT_EQ(writer.Bytes().left(6).toHex(), QByteArray("ffffffff0000"));
}

// Wide strings in the byte, word and long length forms; string arrays with both count forms.
TEST(Archive, ReadsEveryLengthAndCountForm)
{
    const QString text = QStringLiteral("Привет ☺");
    const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), 16); // little-endian here
    const QByteArray wide = ByteBuilder().u8(0xFF).u16(0xFFFE);
    for (const QByteArray bytes : {ByteBuilder().raw(wide).u8(8).raw(utf16), ByteBuilder().raw(wide).u8(0xFF).u16(8).raw(utf16),
                                    ByteBuilder().raw(wide).u8(0xFF).u16(0xFFFF).u32(8).raw(utf16)}) {
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_EQ(reader.Remaining(), 0);
    }
    for (const QByteArray bytes : {ByteBuilder().u16(2).str("a").str("b"), ByteBuilder().u16(0xFFFF).u32(2).str("a").str("b")})
        EXPECT_EQ(ArchiveReader(bytes).ReadStringArray(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
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
