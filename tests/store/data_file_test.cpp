#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "store/save_leftovers.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;
using orvane::test::ByteBuilder;
using orvane::test::DefaultCalendar;

static mode_t ModeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// Runs its scope as an unprivileged user, so that permissions apply to a test run by root.
struct UnprivilegedScope {
    const bool on;
    UnprivilegedScope() : on(::geteuid() == 0) { EXPECT_TRUE(!on || ::seteuid(65534) == 0); }
    ~UnprivilegedScope() { EXPECT_TRUE(!on || ::seteuid(0) == 0); }
};

const ReadContext kMay10{QDate(2026, 5, 10), 7};

// A file whose slot `slot` holds `count` events of the given date; other slots are empty.
static QByteArray FileWithSlot(int slot, int count, qint32 month, qint32 day)
{
    ByteBuilder b;
    b.header().defaultUserFields().emptySlots(slot).i32(count);
    for (int i = 0; i < count; ++i)
        b.event(month, "n" + QByteArray::number(i), "", day);
    return b.emptySlots(366 - slot - 1);
}

class DataFileTest : public ::testing::Test {
protected:
    QString Path() const { return dir.calendarPath(); }
    // The calendar and the hive in a folder another user may pass through, and a saved calendar.
    void SetUp() override
    {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0711);
        ASSERT_EQ(doc.Save(), 1);
    }
    test::SandboxDirs dir;
    test::MessageRecorder messages;
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile doc{options};
};

TEST_F(DataFileTest, HeadersSlotCountsAndDatesAreChecked)
{
    struct Case { QByteArray bytes; LoadFailure failure; quint16 scale = 2; bool large = false; };
    const Case cases[] = {
        {DefaultCalendar().left(12), LoadFailure::TooShort}, {DefaultCalendar().left(13), LoadFailure::UnexpectedEnd},
        {QByteArray(DefaultCalendar()).replace(1, 6, "orvane"), LoadFailure::BadSignature},
        {DefaultCalendar(0x1D), LoadFailure::BadSizeWord}, {DefaultCalendar(0x01), LoadFailure::BadSizeWord},
        {DefaultCalendar(0), LoadFailure::None}, {DefaultCalendar(12), LoadFailure::None, 12},
        {DefaultCalendar(0x12), LoadFailure::None, 2, true}, {DefaultCalendar(0x1C), LoadFailure::None, 12, true},
        {DefaultCalendar(2, 0), LoadFailure::BadUserCount}, {DefaultCalendar(2, 101), LoadFailure::BadUserCount},
        {DefaultCalendar(2, 100), LoadFailure::None}, {DefaultCalendar().chopped(1), LoadFailure::UnexpectedEnd},
        {FileWithSlot(10, 40, 1, 11), LoadFailure::None}, {FileWithSlot(10, 41, 1, 11), LoadFailure::BadSlotCount},
        {FileWithSlot(10, -1, 1, 11), LoadFailure::BadSlotCount}, {FileWithSlot(4, 1, 0, 5), LoadFailure::None},
        {FileWithSlot(4, 1, 5, 40), LoadFailure::None}, {FileWithSlot(4, 1, 0, 0), LoadFailure::BadDate},
        {FileWithSlot(4, 1, 13, 32), LoadFailure::BadDate},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(&c - cases);
        CDataFile parsed(options);
        EXPECT_EQ(parsed.Parse(c.bytes, kMay10).failure, c.failure);
        if (c.failure == LoadFailure::None) {
            EXPECT_EQ(std::pair(parsed.m_nScale, parsed.m_bLarge), std::pair(c.scale, c.large));
            const QByteArray sizeWord = ByteBuilder().u16(static_cast<quint16>(c.large ? c.scale | 0x10 : c.scale));
            EXPECT_EQ(parsed.Serialize(COptionFlags::kDefaultOptions).mid(19, 2), sizeWord) << "written back";
        }
    }
}

// Saves the file system refuses, half way or at once: the old calendar stays whole with its mode,
// the user is told why, and nothing is left beside it.
TEST_F(DataFileTest, SavesLeaveTheFileReadOnlyAndFailuresAreToldWithTheirReason)
{
    ::chmod(QFile::encodeName(Path()).constData(), 0640);
    ASSERT_EQ(doc.Save(), 1) << "a read-only calendar is saved over";
    EXPECT_EQ(ModeOf(Path()), 0440u) << "only the write bits go";

    doc.m_user.m_strName = u"другое имя"_s;
    const QByteArray old = test::readFile(Path());
    {
        const UnprivilegedScope unprivileged; // the folder is someone else's
        EXPECT_EQ(doc.Save(), 0);
    }
    EXPECT_TRUE(test::readFile(Path()) == old) << "the old calendar is whole";
    EXPECT_EQ(ModeOf(Path()), 0440u) << "and has its mode again";
    EXPECT_EQ(std::exchange(messages.texts, {}), QStringList{u"Невозможно сохранить календарь\n%1\n\nНет прав доступа"_s.arg(
                                                     QDir::toNativeSeparators(Path()))});
    EXPECT_EQ(QFileInfo(Path()).dir().entryList(QDir::Files), QStringList{u"orvane.orvd"_s}) << "nothing is left";
    test::writeFile(dir.path() + u"/file"_s, "a file where a folder should be");
    EXPECT_EQ(doc.Write(dir.path() + u"/file/data/orvane.orvd"_s, 0).reason, u"Часть пути не является папкой"_s);

    ::chmod(QFile::encodeName(Path()).constData(), 0);
    {
        const UnprivilegedScope unprivileged;
        EXPECT_EQ(doc.Load(), 0);
    }
    EXPECT_EQ(messages.texts, QStringList{u"Невозможно открыть календарь.\n%1\n\nНет прав на чтение файла."_s.arg(
                                  QDir::toNativeSeparators(Path()))});
}

// Only the temporary names a save of the same file leaves go: a user's own copies, names too long,
// a broken copy, other files, a folder and a link stay (names tell case apart).
TEST_F(DataFileTest, OnlyTheTemporaryNamesOfItsSavesAreCleanedAway)
{
    QStringList kept = {u"orvane.orvd"_s, u"orvane.orvd.backup"_s, u"orvane.orvd.BACKUP"_s, u"orvane.orvd.Copy01"_s,
                        u"orvane.orvd.AbCdEfG"_s, u"orvane.orvd.broken-20260510-101010"_s, u"other.orvd.AbCdEf"_s,
                        u"Orvane.orvd.AbCdEf"_s};
    for (const QString &name : kept + QStringList{u"orvane.orvd.AbCdEf"_s, u"orvane.orvd.qwERty"_s})
        test::writeFile(dir.dataDir() + u'/' + name, "x");
    ASSERT_TRUE(QDir(dir.dataDir()).mkdir(u"orvane.orvd.FolDer"_s));
    ASSERT_TRUE(QFile::link(Path(), Path() + u".LinKed"_s));
    EXPECT_EQ(RemoveSaveLeftovers(Path()), 2);
    kept << u"orvane.orvd.FolDer"_s << u"orvane.orvd.LinKed"_s;
    kept.sort();
    EXPECT_EQ(QDir(dir.dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name), kept);
    EXPECT_EQ(RemoveSaveLeftovers(dir.dataDir() + u"/missing/orvane.orvd"_s), 0);
}
