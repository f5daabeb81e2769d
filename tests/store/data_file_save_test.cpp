// Saves the file system refuses, half way or at once: the old calendar stays whole with its mode,
// the user is told why in Russian, and nothing is left beside it.
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "byte_builder.h"
#include "event_maker.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;

namespace {

mode_t ModeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// Runs its scope as an unprivileged user, so that permissions apply to a test run by root.
struct UnprivilegedScope {
    const bool on;
    explicit UnprivilegedScope(bool wanted = true) : on(wanted && ::geteuid() == 0) { EXPECT_TRUE(!on || ::seteuid(65534) == 0); }
    ~UnprivilegedScope() { EXPECT_TRUE(!on || ::seteuid(0) == 0); }
};

class DataFileSaveTest : public ::testing::Test {
protected:
    static QString Path() { return CDataFile::GetFilePath(); }
    // The calendar and the hive in `folder`, which another user may pass through, and a saved calendar.
    void StartIn(const QString &folder)
    {
        ::chmod(QFile::encodeName(folder).constData(), 0711);
        env.set("ORVANE_DATA_DIR", QFile::encodeName(folder + QStringLiteral("/data")));
        env.set("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
        ASSERT_EQ(doc.Save(), 1);
    }
    void ExpectTheSaveRefusedWith(const QString &reason, bool unprivileged = false)
    {
        const QByteArray old = test::readFile(Path());
        const mode_t mode = ModeOf(Path());
        {
            const UnprivilegedScope scope(unprivileged);
            EXPECT_EQ(doc.Save(), 0);
        }
        EXPECT_TRUE(test::readFile(Path()) == old) << "the old calendar is whole";
        EXPECT_EQ(ModeOf(Path()), mode) << "and has its mode again";
        EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Невозможно сохранить календарь\n%1\n\n%2")
                                                  .arg(QDir::toNativeSeparators(Path()), reason)});
        EXPECT_EQ(QFileInfo(Path()).dir().entryList(QDir::Files), QStringList{QStringLiteral("orvane.orvd")})
            << "no temporary file is left";
        messages.texts.clear();
    }

    test::ScopedEnv env;
    QTemporaryDir dir;
    test::MessageRecorder messages;
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile doc{options};
};

} // namespace

TEST_F(DataFileSaveTest, SavesLeaveTheFileReadOnlyAndAFailedOneKeepsTheOldFile)
{
    ASSERT_NO_FATAL_FAILURE(StartIn(dir.path()));
    EXPECT_EQ(test::readFile(Path()), test::DefaultCalendar());
    EXPECT_EQ(ModeOf(Path()), 0444u);
    doc.m_user.Slot(0).AddTail(test::MakeEvent(1, 1, QStringLiteral("Новый год")));
    ::chmod(QFile::encodeName(Path()).constData(), 0640);
    ASSERT_EQ(doc.Save(), 1) << "a read-only calendar is saved over";
    EXPECT_EQ(ModeOf(Path()), 0440u) << "only the write bits go";
    CDataFile loaded(options);
    ASSERT_EQ(loaded.Load(), 1);
    EXPECT_EQ(loaded.m_user, doc.m_user);

    doc.m_user.m_strName = QStringLiteral("другое имя");
    ExpectTheSaveRefusedWith(QStringLiteral("Нет прав доступа"), true); // the folder is someone else's
    test::writeFile(dir.path() + QStringLiteral("/file"), "a file where a folder should be");
    EXPECT_EQ(doc.Write(dir.path() + QStringLiteral("/file/data/orvane.orvd"), 0).reason, QStringLiteral("Часть пути не является папкой"));
}

TEST_F(DataFileSaveTest, ACalendarThatCannotBeOpenedIsNamedWithItsReason)
{
    ASSERT_NO_FATAL_FAILURE(StartIn(dir.path()));
    ::chmod(QFile::encodeName(Path()).constData(), 0);
    LoadFailure failure = LoadFailure::None;
    {
        const UnprivilegedScope unprivileged;
        EXPECT_EQ(doc.Load(&failure), 0);
    }
    EXPECT_EQ(failure, LoadFailure::CannotOpen);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Невозможно открыть календарь.\n%1\n\nНет прав на чтение файла.")
                                              .arg(QDir::toNativeSeparators(Path()))});
}

// A small file system of its own, filled to the last byte.
TEST_F(DataFileSaveTest, OnAFullFileSystem)
{
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root; WhenTheFileMayGrowNoFurther covers the unprivileged case";
    const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
    ASSERT_NO_FATAL_FAILURE(StartIn(dir.path()));
    const QString hive = dir.path() + QStringLiteral("/config/orvane/registry.reg");
    const QByteArray oldHive = test::readFile(hive);
    QFile filler(dir.path() + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    for (const QByteArray &block : {QByteArray(4096, 'f'), QByteArray(1, 'f')})
        while (filler.write(block) == block.size()) {
        }
    doc.m_user.m_strName = QStringLiteral("новое имя");
    ExpectTheSaveRefusedWith(QStringLiteral("Нет места на диске"));
    EXPECT_EQ(registry.WriteString(QStringLiteral("Orvane"), QStringLiteral("Note"), QString(8192, u'x')), 0);
    EXPECT_EQ(test::readFile(hive), oldHive);
    EXPECT_EQ(QFileInfo(hive).dir().entryList(QDir::Files), QStringList{QStringLiteral("registry.reg")});

    filler.close();
    ASSERT_TRUE(filler.remove());
    EXPECT_EQ(doc.Save(), 1) << "with room again the save goes through";
}

// The kernel's limit on the size of a file this process writes: a full disk for the unprivileged.
TEST_F(DataFileSaveTest, WhenTheFileMayGrowNoFurther)
{
    ASSERT_NO_FATAL_FAILURE(StartIn(dir.path()));
    ASSERT_TRUE(doc.Parse(test::FullCalendar(), {QDate(2026, 5, 10), 7}).ok()); // 4.6 MB to save
    {
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of killing us
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        });
        const rlimit limit{256 * 1024, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ExpectTheSaveRefusedWith(QStringLiteral("Файл превысил допустимый размер"));
    }
    EXPECT_EQ(doc.Save(), 1);
    EXPECT_TRUE(test::readFile(Path()) == test::FullCalendar());
}
