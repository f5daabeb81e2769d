#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QFile>
#include <QFileInfo>

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

    LoadResult ParseBytes(CDataFile &doc, const QByteArray &bytes, ReadContext context = kMay10)
    {
        return doc.Parse(bytes, context);
    }
    LoadFailure ParseFailure(const QByteArray &bytes)
    {
        CDataFile doc(options);
        return ParseBytes(doc, bytes).failure;
    }
};

// A file whose slot `slot` holds the given events; other slots are empty.
QByteArray FileWithSlot(int slot, int count, qint32 month, qint32 day)
{
    ByteBuilder b;
    b.header().defaultUserFields().emptySlots(slot).i32(count);
    for (int i = 0; i < count; ++i)
        b.event(month, "n" + QByteArray::number(i), "", day);
    return b.emptySlots(366 - slot - 1);
}

CEventRecord MakeEvent(const QString &name, int month, int day, int category, int monitoring)
{
    CEventRecord e;
    e.Name = name;
    e.Notes = QStringLiteral("Заметки к «%1» @ дом").arg(name);
    e.Month = month;
    e.Day = day;
    e.Category = category;
    e.Monitoring = monitoring;
    return e;
}

} // namespace

TEST_F(DataFileTest, NewDocumentWritesTheExactDefaultLayout)
{
    const CDataFile doc(options);
    const QByteArray bytes = doc.Serialize(COptionFlags::kDefaultOptions);
    EXPECT_EQ(bytes.size(), 1548);
    EXPECT_EQ(bytes.toHex(), DefaultCalendar().toHex());
    EXPECT_EQ(doc.Serialize(0).mid(21, 2).toHex(), QByteArray("0000")) << "size word without the size option";
}

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
    // Dated in the year being read, each on its own day, flags outside the notice window set.
    const QDate dates[] = {{2026, 1, 1}, {2026, 2, 28}, {2026, 5, 12}, {2026, 12, 31}};
    for (const QDate &date : dates)
        for (int i = 0; i < 3; ++i)
            doc.m_user.Slot(date.dayOfYear() - 1)
                .AddTail(MakeEvent(QStringLiteral("Событие %1").arg(i), date.month(), date.day(), i,
                                   date.month() == 5 ? i % 2 : 1));
    const QByteArray first = doc.Serialize(COptionFlags::kDefaultOptions);

    CDataFile loaded(options);
    ASSERT_TRUE(ParseBytes(loaded, first).ok());
    EXPECT_EQ(loaded.m_nScale, 6);
    EXPECT_TRUE(loaded.m_bLarge);
    EXPECT_EQ(loaded.m_aReserved, doc.m_aReserved);
    EXPECT_TRUE(loaded.m_user == doc.m_user);
    EXPECT_EQ(loaded.Serialize(COptionFlags::kDefaultOptions), first);
    const QByteArray expectedPrefix = QByteArray::fromHex("ff2c01");
    EXPECT_TRUE(first.contains(expectedPrefix + QByteArray(300, '\xEA'))) << "a 300-character category";
}

TEST_F(DataFileTest, RejectsBrokenHeaders)
{
    EXPECT_EQ(ParseFailure(DefaultCalendar().left(12)), LoadFailure::TooShort);
    QByteArray lower = DefaultCalendar();
    lower.replace(1, 6, "orvane");
    EXPECT_EQ(ParseFailure(lower), LoadFailure::BadSignature);
    EXPECT_EQ(ParseFailure(DefaultCalendar(0x1D)), LoadFailure::BadSizeWord);
    EXPECT_EQ(ParseFailure(DefaultCalendar(0x01)), LoadFailure::BadSizeWord);
    for (qint32 users : {0, 101, -1})
        EXPECT_EQ(ParseFailure(ByteBuilder().header(2, users).defaultUserFields().emptySlots(366)),
                  LoadFailure::BadUserCount) << users;
    EXPECT_EQ(ParseFailure(DefaultCalendar().chopped(1)), LoadFailure::UnexpectedEnd);
    EXPECT_EQ(ParseFailure(DefaultCalendar().left(13)), LoadFailure::UnexpectedEnd) << "13 bytes pass the size check";
}

TEST_F(DataFileTest, AcceptsBoundaryHeaders)
{
    struct Case {
        quint16 word;
        quint16 scale;
        bool large;
    };
    for (const Case c : {Case{0, 2, false}, Case{2, 2, false}, Case{12, 12, false}, Case{0x12, 2, true},
                         Case{0x1C, 12, true}}) {
        CDataFile doc(options);
        ASSERT_TRUE(ParseBytes(doc, DefaultCalendar(c.word)).ok()) << c.word;
        EXPECT_EQ(doc.m_nScale, c.scale) << c.word;
        EXPECT_EQ(doc.m_bLarge, c.large) << c.word;
    }
    for (qint32 users : {1, 100}) {
        CDataFile doc(options);
        EXPECT_TRUE(ParseBytes(doc, ByteBuilder().header(2, users).defaultUserFields().emptySlots(366)).ok());
    }
}

TEST_F(DataFileTest, SlotCountsAndEventDates)
{
    EXPECT_EQ(ParseFailure(FileWithSlot(10, 40, 1, 11)), LoadFailure::None);
    EXPECT_EQ(ParseFailure(FileWithSlot(10, 41, 1, 11)), LoadFailure::BadSlotCount);
    EXPECT_EQ(ParseFailure(FileWithSlot(10, -1, 1, 11)), LoadFailure::BadSlotCount);
    EXPECT_EQ(ParseFailure(FileWithSlot(4, 1, 0, 5)), LoadFailure::None);
    EXPECT_EQ(ParseFailure(FileWithSlot(4, 1, 5, 40)), LoadFailure::None);
    EXPECT_EQ(ParseFailure(FileWithSlot(4, 1, 0, 0)), LoadFailure::BadDate);
    EXPECT_EQ(ParseFailure(FileWithSlot(4, 1, 13, 32)), LoadFailure::BadDate);
}

TEST_F(DataFileTest, FailedParseKeepsWhatWasReadBefore)
{
    ByteBuilder b;
    b.header(0x13).u16(1).str("cat").str("name").str("pw").str("res").i32(5);
    b.i32(1).event(1, "kept", "n", 1).i32(41);
    CDataFile doc(options);
    EXPECT_EQ(ParseBytes(doc, b).failure, LoadFailure::BadSlotCount);
    EXPECT_EQ(doc.m_user.Categories(), QStringList{QStringLiteral("cat")});
    EXPECT_EQ(doc.m_user.m_strName, QStringLiteral("name"));
    EXPECT_EQ(doc.m_nScale, 3);
    EXPECT_TRUE(doc.m_bLarge);
    ASSERT_EQ(doc.m_user.Slot(0).GetCount(), 1);
    EXPECT_EQ(doc.m_user.Slot(0).begin()->Name, QStringLiteral("kept"));
}

TEST_F(DataFileTest, EventsLandOnTheirOwnDayInLeapAndCommonYears)
{
    // Saved in a leap year: 29 February in slot 59, 1 March in slot 60.
    ByteBuilder b;
    b.header().defaultUserFields().emptySlots(59);
    b.i32(1).event(2, "feb29", "", 29).i32(1).event(3, "mar1", "", 1);
    b.i32(1).event(0, "nomonth", "", 9);
    b.emptySlots(366 - 62);

    CDataFile common(options);
    ASSERT_TRUE(ParseBytes(common, b, {QDate(2025, 5, 10), 7}).ok());
    ASSERT_EQ(common.m_user.Slot(59).GetCount(), 2) << "29 February falls on 1 March";
    EXPECT_EQ(common.m_user.Slot(59).begin()->Name, QStringLiteral("feb29"));
    EXPECT_EQ(std::next(common.m_user.Slot(59).begin())->Name, QStringLiteral("mar1"));
    EXPECT_EQ(common.m_user.Slot(60).GetCount(), 0);
    EXPECT_EQ(common.m_user.Slot(61).GetCount(), 1) << "an event without a month stays where it was read";

    CDataFile leap(options);
    ASSERT_TRUE(ParseBytes(leap, b, {QDate(2028, 5, 10), 7}).ok());
    EXPECT_EQ(leap.m_user.Slot(59).begin()->Name, QStringLiteral("feb29"));
    EXPECT_EQ(leap.m_user.Slot(60).begin()->Name, QStringLiteral("mar1"));
}

TEST_F(DataFileTest, MovingEventsToTheirDayNeverOverfillsASlot)
{
    // In a leap-year file, 40 events on 29 February and 40 on 1 March both belong to slot 59 in a
    // common year; the day slot 60 itself also holds 40 events of 2 March.
    ByteBuilder b;
    b.header().defaultUserFields().emptySlots(59);
    for (const auto &[month, day] : {std::pair{2, 29}, std::pair{3, 1}, std::pair{3, 2}}) {
        b.i32(40);
        for (int i = 0; i < 40; ++i)
            b.event(month, "e", "", day);
    }
    b.emptySlots(366 - 62);
    CDataFile doc(options);
    ASSERT_TRUE(ParseBytes(doc, b, {QDate(2025, 5, 10), 7}).ok());
    int total = 0;
    for (int i = 0; i < kDaySlots; ++i) {
        EXPECT_LE(doc.m_user.Slot(i).GetCount(), 40) << i;
        total += doc.m_user.Slot(i).GetCount();
    }
    EXPECT_EQ(total, 120);
    const QByteArray saved = doc.Serialize(COptionFlags::kDefaultOptions);
    CDataFile again(options);
    EXPECT_TRUE(ParseBytes(again, saved, {QDate(2025, 5, 10), 7}).ok()) << "what was saved loads again";
}

TEST_F(DataFileTest, SaveIsAtomicAndLeavesTheFileReadOnly)
{
    CDataFile doc(options);
    ASSERT_EQ(doc.Save(), 1);
    const QString path = sandbox.calendarPath();
    ASSERT_EQ(CDataFile::GetFilePath(), path);
    EXPECT_EQ(test::readFile(path), DefaultCalendar());
    EXPECT_FALSE(QFileInfo(path).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    EXPECT_EQ(options.GetOptions(), COptionFlags::kDefaultOptions);

    doc.m_user.Slot(0).AddTail(MakeEvent(QStringLiteral("Новый год"), 1, 1, 1, 1));
    ASSERT_EQ(doc.Save(), 1) << "a read-only calendar is saved over";
    CDataFile loaded(options);
    ASSERT_EQ(loaded.Load(), 1);
    EXPECT_EQ(loaded.m_user.Slot(0).begin()->Name, QStringLiteral("Новый год"));

    // A save that cannot write leaves the previous file whole.
    const QByteArray before = test::readFile(path);
    const QString blocked = sandbox.path() + QStringLiteral("/blocked");
    test::writeFile(blocked, "file, not a folder");
    EXPECT_FALSE(doc.Write(blocked + QStringLiteral("/orvane.orvd"), 0).ok);
    EXPECT_EQ(test::readFile(path), before);
}

TEST_F(DataFileTest, LoadOfAMissingFileFailsWithoutTouchingTheDocument)
{
    CDataFile doc(options);
    EXPECT_FALSE(doc.Exists());
    const LoadResult result = doc.Read(sandbox.calendarPath(), kMay10);
    EXPECT_EQ(result.failure, LoadFailure::CannotOpen);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_TRUE(doc.m_user == CUser());
}

TEST_F(DataFileTest, EqualNamesAndNotesLoadAsOneSharedText)
{
    CDataFile doc(options);
    for (int slot = 0; slot < 3; ++slot) {
        doc.m_user.Slot(slot).AddTail(MakeEvent(QStringLiteral("Праздник"), 1, slot + 1, 0, 1));
        doc.m_user.Slot(slot).AddTail(MakeEvent(QStringLiteral("Встреча %1").arg(slot), 1, slot + 1, 0, 1));
    }
    const QByteArray bytes = doc.Serialize(COptionFlags::kDefaultOptions);
    CDataFile loaded(options);
    ASSERT_TRUE(ParseBytes(loaded, bytes).ok());
    ASSERT_TRUE(loaded.m_user == doc.m_user);

    const CEventRecord &first = *loaded.m_user.Slot(0).begin();
    const CEventRecord &third = *loaded.m_user.Slot(2).begin();
    EXPECT_EQ(first.Name.constData(), third.Name.constData());
    EXPECT_EQ(first.Notes.constData(), third.Notes.constData());
}

// Notes of every length the program keeps, each twice and once with its middle letter changed:
// every text comes back as written, the two equal ones as one shared text, the changed one as a
// text of its own.
TEST_F(DataFileTest, TextsOfEveryLengthLoadAsWrittenAndShareOnlyWhenEqual)
{
    CDataFile doc(options);
    for (int length = 0; length <= 255; ++length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'а' + (i * 7 + length) % 32);
        QString changed = text;
        if (length > 0)
            changed[length / 2] = u'Ё';
        CEventList &slot = doc.m_user.Slot(length / 13);
        for (const QString &notes : {text, text, changed})
            slot.AddTail(MakeEvent(QStringLiteral("Заметка"), 1, length / 13 + 1, 0, 1))->Notes = notes;
    }
    CDataFile loaded(options);
    ASSERT_TRUE(ParseBytes(loaded, doc.Serialize(COptionFlags::kDefaultOptions)).ok());
    ASSERT_TRUE(loaded.m_user == doc.m_user);
    for (int length = 1; length <= 255; ++length) {
        SCOPED_TRACE(length);
        const CEventList &slot = loaded.m_user.Slot(length / 13);
        auto event = std::next(slot.begin(), 3 * (length % 13));
        const CEventRecord &copy1 = *event++;
        const CEventRecord &copy2 = *event++;
        const CEventRecord &changed = *event;
        EXPECT_EQ(copy1.Notes.constData(), copy2.Notes.constData());
        EXPECT_NE(copy1.Notes, changed.Notes);
    }
}
