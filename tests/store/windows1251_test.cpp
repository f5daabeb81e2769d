#include "store/windows1251.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace orvane;

// The written-out table against the system's converter, byte by byte, both ways.
TEST(Windows1251, TheTableAgreesWithTheSystemConverter)
{
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    ASSERT_TRUE(decoder.isValid());
    for (int b = 0; b < 0x100; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QString decoded = decoder.decode(byte);
        ASSERT_EQ(decoded.size(), 1) << b;
        EXPECT_EQ(DecodeCp1251(byte), decoded) << b;
        EXPECT_EQ(EncodeCp1251(decoded), byte) << b;
    }
}

TEST(Windows1251, WhatTheCodePageLacksBecomesOneQuestionMarkPerCharacter)
{
    EXPECT_EQ(EncodeCp1251(QStringLiteral("a日本b")), QByteArray("a??b"));
    EXPECT_EQ(EncodeCp1251(QStringLiteral("Отпуск 😀!")), QByteArray("\xCE\xF2\xEF\xF3\xF1\xEA ?!"));
    EXPECT_EQ(EncodeCp1251(QString(QChar(0xD83D)) + u'x'), QByteArray("?x")) << "lone surrogates";
    EXPECT_EQ(EncodeCp1251(u'x' + QString(QChar(0xDE00))), QByteArray("x?"));
    EXPECT_EQ(EncodeCp1251(QString(QChar(0x1A))), QByteArray("\x1A")) << "a stored 0x1A is kept as it was";
    EXPECT_EQ(ReplaceOutsideCp1251(QStringLiteral("Ёлка 😀 日本 №")), QStringLiteral("Ёлка ? ?? №"));
    EXPECT_EQ(ReplaceOutsideCp1251(QString(QChar(0xD800))), QStringLiteral("?")) << "a lone surrogate";
}
