#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "byte_builder.h"
#include "event_maker.h"
#include "test_env.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::test::ByteBuilder;
using orvane::test::DefaultCalendar;

namespace {

const ReadContext kMay10{QDate(2026, 5, 10), 7};

class DataFileTest : public ::testing::Test {
protected:
    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags options{registry};
};

// A file whose slot `slot` holds `count` events of the given date; other slots are empty.
QByteArray FileWithSlot(int slot, int count, qint32 month, qint32 day)
{
    ByteBuilder b;
    b.header().defaultUserFields().emptySlots(slot).i32(count);
    for (int i = 0; i < count; ++i)
        b.event(month, "n" + QByteArray::number(i), "", day);
    return b.emptySlots(366 - slot - 1);
}

QByteArray FileWithUsers(qint32 users)
{
    return ByteBuilder().header(2, users).defaultUserFields().emptySlots(366);
}

} // namespace

TEST_F(DataFileTest, HeadersSlotCountsAndDatesAreChecked)
{
    struct Case {
        QByteArray bytes;
        LoadFailure failure;
        quint16 scale = 2;
        bool large = false;
    };
    const Case cases[] = {
        {DefaultCalendar().left(12), LoadFailure::TooShort}, {DefaultCalendar().left(13), LoadFailure::UnexpectedEnd},
        {QByteArray(DefaultCalendar()).replace(1, 6, "orvane"), LoadFailure::BadSignature},
        {DefaultCalendar(0x1D), LoadFailure::BadSizeWord}, {DefaultCalendar(0x01), LoadFailure::BadSizeWord},
        {DefaultCalendar(0), LoadFailure::None}, {DefaultCalendar(12), LoadFailure::None, 12},
        {DefaultCalendar(0x12), LoadFailure::None, 2, true}, {DefaultCalendar(0x1C), LoadFailure::None, 12, true},
        {FileWithUsers(0), LoadFailure::BadUserCount}, {FileWithUsers(101), LoadFailure::BadUserCount},
        {FileWithUsers(-1), LoadFailure::BadUserCount}, {FileWithUsers(100), LoadFailure::None},
        {DefaultCalendar().chopped(1), LoadFailure::UnexpectedEnd},
        {FileWithSlot(10, 40, 1, 11), LoadFailure::None}, {FileWithSlot(10, 41, 1, 11), LoadFailure::BadSlotCount},
        {FileWithSlot(10, -1, 1, 11), LoadFailure::BadSlotCount}, {FileWithSlot(4, 1, 0, 5), LoadFailure::None},
        {FileWithSlot(4, 1, 5, 40), LoadFailure::None}, {FileWithSlot(4, 1, 0, 0), LoadFailure::BadDate},
        {FileWithSlot(4, 1, 13, 32), LoadFailure::BadDate},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(&c - cases);
        CDataFile doc(options);
        EXPECT_EQ(doc.Parse(c.bytes, kMay10).failure, c.failure);
        if (c.failure == LoadFailure::None) {
            EXPECT_EQ(std::pair(doc.m_nScale, doc.m_bLarge), std::pair(c.scale, c.large));
        }
    }
}

// Every field, a 300-character category, and notes of every length the program keeps (each twice
// and once with its middle letter changed, which must not be taken for the same text): all come
// back as written and are written again byte for byte.
TEST_F(DataFileTest, FilledStoreRoundTripsByteForByte)
{
    CDataFile doc(options);
    doc.m_nScale = 6;
    doc.m_bLarge = true;
    doc.m_aReserved = {1, -2, 3, 0x7FFFFFFF};
    doc.m_user.SetCategories({QStringLiteral("День рождения"), QString(300, QChar(u'к')), QStringLiteral("Остальное")});
    doc.m_user.m_strName = QStringLiteral("Пользователь");
    doc.m_user.m_strPassword = QStringLiteral("секрет");
    doc.m_user.m_strReserved = QStringLiteral("запас");
    doc.m_user.m_nRights = -7;
    for (int length = 0; length <= 255; ++length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'а' + (i * 7 + length) % 32);
        QString changed = text;
        if (length > 0)
            changed[length / 2] = u'Ё';
        for (const QString &notes : {text, text, changed}) // no month: they stay where they are
            doc.m_user.Slot(200 + length / 13).AddTail(test::MakeEvent(0, 1, QStringLiteral("Заметка"), notes));
    }
    const QByteArray first = doc.Serialize(COptionFlags::kDefaultOptions);
    EXPECT_TRUE(first.contains(QByteArray::fromHex("ff2c01") + QByteArray(300, '\xEA'))) << "a 300-character category";

    CDataFile loaded(options);
    ASSERT_TRUE(loaded.Parse(first, kMay10).ok());
    EXPECT_EQ(std::tuple(loaded.m_nScale, loaded.m_bLarge, loaded.m_aReserved), std::tuple(6, true, doc.m_aReserved));
    EXPECT_TRUE(loaded.m_user == doc.m_user);
    EXPECT_EQ(loaded.Serialize(COptionFlags::kDefaultOptions), first);
}
