#include "store/windows1251.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace orvane;

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
