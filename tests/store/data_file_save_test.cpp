#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;

namespace {

constexpr uid_t kNobody = 65534;

mode_t ModeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

void SetMode(const QString &path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Runs the rest of the scope as an unprivileged user, so that permissions apply to a test run
// by root; as another user the test already is one.
class UnprivilegedScope {
public:
    UnprivilegedScope() : m_wasRoot(::geteuid() == 0)
    {
        if (m_wasRoot) {
            EXPECT_EQ(::seteuid(kNobody), 0);
        }
    }
    ~UnprivilegedScope()
    {
        if (m_wasRoot) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

private:
    bool m_wasRoot;
};

class DataFileSaveTest : public ::testing::Test {
protected:
    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile doc{options};
    test::MessageRecorder messages;

    QString NativePath() const { return QDir::toNativeSeparators(sandbox.calendarPath()); }
    // Lets another user reach the data folder.
    void OpenTheWayToTheData() const
    {
        SetMode(sandbox.path(), 0711);
        SetMode(sandbox.dataDir(), 0755);
    }
};

TEST_F(DataFileSaveTest, SaveTakesAwayOnlyTheWriteBits)
{
    struct Case {
        mode_t before;
        mode_t after;
    };
    for (const Case c : {Case{0600, 0400}, Case{0644, 0444}, Case{0660, 0440}, Case{0444, 0444}, Case{0640, 0440}}) {
        test::writeFile(sandbox.calendarPath(), "old");
        SetMode(sandbox.calendarPath(), c.before);
        ASSERT_EQ(doc.Save(), 1) << std::oct << c.before;
        EXPECT_EQ(ModeOf(sandbox.calendarPath()), c.after) << std::oct << c.before;
    }

    QFile::remove(sandbox.calendarPath());
    const mode_t umask = ::umask(027);
    EXPECT_EQ(doc.Save(), 1);
    ::umask(umask);
    EXPECT_EQ(ModeOf(sandbox.calendarPath()), 0440u) << "a new calendar follows the umask";
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(DataFileSaveTest, ACalendarThatCannotBeOpenedIsNamedWithItsReason)
{
    ASSERT_TRUE(QDir().mkpath(sandbox.calendarPath()));
    LoadFailure failure = LoadFailure::None;
    EXPECT_EQ(doc.Load(&failure), 0);
    EXPECT_EQ(failure, LoadFailure::CannotOpen);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts.front(),
              QStringLiteral("Невозможно открыть календарь.\n%1\n\nНа месте файла находится папка.").arg(NativePath()));
    ASSERT_TRUE(QDir().rmdir(sandbox.calendarPath()));

    test::writeFile(sandbox.calendarPath(), test::DefaultCalendar());
    SetMode(sandbox.calendarPath(), 0);
    OpenTheWayToTheData();
    {
        UnprivilegedScope unprivileged;
        EXPECT_EQ(doc.Load(&failure), 0);
    }
    EXPECT_EQ(failure, LoadFailure::CannotOpen);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(messages.texts.back(),
              QStringLiteral("Невозможно открыть календарь.\n%1\n\nНет прав на чтение файла.").arg(NativePath()));
}

TEST_F(DataFileSaveTest, AFailedSaveIsToldInRussianAndKeepsTheOldFileAndItsMode)
{
    ASSERT_EQ(doc.Save(), 1);
    const QByteArray before = test::readFile(sandbox.calendarPath());
    doc.m_user.m_strName = QStringLiteral("другое имя");

    // A folder that belongs to someone else.
    OpenTheWayToTheData();
    {
        UnprivilegedScope unprivileged;
        EXPECT_EQ(doc.Save(), 0);
    }
    EXPECT_EQ(test::readFile(sandbox.calendarPath()), before);
    EXPECT_EQ(ModeOf(sandbox.calendarPath()), 0444u);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts.front(),
              QStringLiteral("Невозможно сохранить календарь\n%1\n\nНет прав доступа").arg(NativePath()));

    // A file where a folder of the path should be.
    test::writeFile(sandbox.path() + QStringLiteral("/blocked"), "a file");
    test::ScopedEnv env("ORVANE_DATA_DIR", QFile::encodeName(sandbox.path() + QStringLiteral("/blocked/data")));
    EXPECT_EQ(doc.Save(), 0);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts.back().endsWith(QStringLiteral("\n\nЧасть пути не является папкой")))
        << qPrintable(messages.texts.back());
}

} // namespace
