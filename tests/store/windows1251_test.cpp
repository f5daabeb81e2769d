#include "store/windows1251.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace orvane;

TEST(Windows1251, RoundTripsEveryCharacterOfTheCodePage)
{
    QByteArray all;
    for (int b = 1; b < 0x100; ++b)
        if (b != 0x98) // the one byte the code page leaves undefined
            all.append(static_cast<char>(b));
    const QString text = DecodeCp1251(all);
    EXPECT_EQ(text.size(), all.size());
    EXPECT_TRUE(FitsCp1251(text));
    EXPECT_EQ(EncodeCp1251(text), all);
    EXPECT_EQ(DecodeCp1251(QByteArray::fromHex("c4e5edfc b9 88")), QStringLiteral("День№€"));
}

// The written-out table against the system's converter, byte by byte.
TEST(Windows1251, TheTableAgreesWithTheSystemConverter)
{
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    ASSERT_TRUE(decoder.isValid());
    for (int b = 0; b < 0x100; ++b) {
        const char byte = static_cast<char>(b);
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        ASSERT_EQ(decoded.size(), 1) << b;
        EXPECT_EQ(Cp1251Characters()[static_cast<size_t>(b)], decoded.front().unicode()) << b;
        EXPECT_EQ(Cp1251Bytes()[decoded.front().unicode()], b) << b;
    }
}

TEST(Windows1251, CharactersOutsideTheCodePageAreDetected)
{
    EXPECT_FALSE(FitsCp1251(QStringLiteral("Отпуск 😀")));
    EXPECT_FALSE(FitsCp1251(QStringLiteral("日本")));
    EXPECT_TRUE(FitsCp1251(QStringLiteral("Ёлка – «праздник»")));
}

TEST(Windows1251, CharactersOutsideTheCodePageAreWrittenAsQuestionMarks)
{
    EXPECT_EQ(EncodeCp1251(QStringLiteral("a日本b")), QByteArray("a??b"));
    EXPECT_EQ(EncodeCp1251(QStringLiteral("Отпуск 😀!")), QByteArray("\xCE\xF2\xEF\xF3\xF1\xEA ?!"))
        << "a character beyond the basic plane is one question mark";
    const QString lone[] = {QString(QChar(0xD83D)) + u'x', u'x' + QString(QChar(0xDE00))};
    EXPECT_EQ(EncodeCp1251(lone[0]), QByteArray("?x"));
    EXPECT_EQ(EncodeCp1251(lone[1]), QByteArray("x?"));
    EXPECT_EQ(EncodeCp1251(QString(QChar(0x1A))), QByteArray("\x1A")) << "a stored 0x1A is kept as it was";
}

TEST(Windows1251, ReplacingWhatTheCodePageLacksGivesOneQuestionMarkPerCharacter)
{
    EXPECT_EQ(ReplaceOutsideCp1251(QStringLiteral("Ёлка 😀 日本 №")), QStringLiteral("Ёлка ? ?? №"));
    EXPECT_EQ(ReplaceOutsideCp1251(QStringLiteral("без замен")), QStringLiteral("без замен"));
    EXPECT_EQ(ReplaceOutsideCp1251(QString(QChar(0xD800))), QStringLiteral("?")) << "a lone surrogate";
}
