#include "store/archive.h"

#include "byte_builder.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::test::ByteBuilder;

TEST(Archive, StringLengthFormsAtTheirBoundaries)
{
    struct Case {
        int length;
        QByteArray prefix;
    };
    const Case cases[] = {
        {0, QByteArray::fromHex("00")},
        {254, QByteArray::fromHex("fe")},
        {255, QByteArray::fromHex("ffff00")},
        {300, QByteArray::fromHex("ff2c01")},
        {65533, QByteArray::fromHex("fffdff")},
        {65534, QByteArray::fromHex("ffffff" "feff0000")},
        {70000, QByteArray::fromHex("ffffff" "70110100")},
    };
    for (const Case &c : cases) {
        const QString text(c.length, QChar(u'ж'));
        ArchiveWriter writer;
        writer.WriteString(text);
        const QByteArray bytes = writer.Bytes();
        EXPECT_EQ(bytes.left(c.prefix.size()).toHex(), c.prefix.toHex()) << c.length;
        EXPECT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(static_cast<quint8>(bytes.back()), c.length ? 0xE6 : 0);
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text) << c.length;
        EXPECT_EQ(reader.Remaining(), 0);
    }
}

TEST(Archive, ReadsWideCharacterStringsInEveryLengthForm)
{
    const QString text = QStringLiteral("Привет ☺");
    QByteArray utf16;
    for (QChar ch : text)
        utf16.append(static_cast<char>(ch.unicode() & 0xFF)).append(static_cast<char>(ch.unicode() >> 8));
    const QByteArray shortForm = ByteBuilder().u8(0xFF).u16(0xFFFE).u8(8).raw(utf16);
    const QByteArray wordForm = ByteBuilder().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(8).raw(utf16);
    const QByteArray longForm = ByteBuilder().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(8).raw(utf16);
    for (const QByteArray &bytes : {shortForm, wordForm, longForm}) {
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_EQ(reader.Remaining(), 0);
    }
}

TEST(Archive, StringArrayCountForms)
{
    const QByteArray shortCount = ByteBuilder().u16(2).str("a").str("b");
    const QByteArray longCount = ByteBuilder().u16(0xFFFF).u32(2).str("a").str("b");
    for (const QByteArray &bytes : {shortCount, longCount}) {
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadStringArray(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    }
    ArchiveWriter writer;
    writer.WriteStringArray(QStringList(65535, QString()));
    EXPECT_EQ(writer.Bytes().left(6).toHex(), QByteArray("ffffffff0000"));
}

TEST(Archive, LengthsBeyondTheDataEndTheReadInsteadOfAllocating)
{
    const QByteArray cases[] = {
        ByteBuilder().u8(10).raw("short"),
        ByteBuilder().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFFu),
        ByteBuilder().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFFu),
        ByteBuilder().u16(0xFFFF).u32(0xFFFFFFFFu),
        ByteBuilder().u8(0xFF),
    };
    for (const QByteArray &bytes : cases) {
        ArchiveReader reader(bytes);
        EXPECT_THROW(reader.ReadStringArray(), ArchiveEndError);
        ArchiveReader again(bytes);
        EXPECT_THROW(again.ReadString(), ArchiveEndError);
    }
}
