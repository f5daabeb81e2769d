// Saves that the file system refuses half way: the old calendar and hive stay whole, the user
// is told why in Russian, and nothing is left beside them.
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace orvane;

namespace {

const ReadContext kMay10{QDate(2026, 5, 10), 7};

class DiskFullTest : public ::testing::Test {
protected:
    // The calendar and the hive in `folder`, a saved calendar there to keep.
    void StartIn(const QString &folder)
    {
        m_env.set("ORVANE_DATA_DIR", QFile::encodeName(folder + QStringLiteral("/data")));
        m_env.set("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
        ASSERT_EQ(registry.WriteInt(QStringLiteral("Orvane"), QStringLiteral("OptionsFlag"), 13335), 1);
        ASSERT_EQ(doc.Save(), 1);
        m_oldCalendar = test::readFile(CDataFile::GetFilePath());
        m_oldHive = test::readFile(folder + QStringLiteral("/config/orvane/registry.reg"));
        m_folder = folder;
    }

    // A full calendar to save: 4.6 MB.
    void FillTheCalendar() { ASSERT_TRUE(doc.Parse(test::FullCalendar(), kMay10).ok()); }

    void ExpectTheSaveRefusedWith(const QString &reason)
    {
        EXPECT_EQ(doc.Save(), 0);
        const QString path = CDataFile::GetFilePath();
        EXPECT_EQ(test::readFile(path), m_oldCalendar) << "the old calendar is whole";
        EXPECT_FALSE(QFileInfo(path).permissions() & QFile::WriteOwner) << "and read-only again";
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts.front(), QStringLiteral("Невозможно сохранить календарь\n%1\n\n%2")
                                              .arg(QDir::toNativeSeparators(path), reason))
            << qPrintable(messages.texts.front());
        EXPECT_EQ(QDir(m_folder + QStringLiteral("/data")).entryList(QDir::Files),
                  QStringList{QStringLiteral("orvane.orvd")}) << "no temporary file is left";
    }

    void ExpectTheHiveWriteRefused()
    {
        EXPECT_EQ(registry.WriteString(QStringLiteral("Orvane"), QStringLiteral("Note"), QString(8192, u'x')), 0);
        EXPECT_EQ(test::readFile(m_folder + QStringLiteral("/config/orvane/registry.reg")), m_oldHive);
        EXPECT_EQ(QDir(m_folder + QStringLiteral("/config/orvane")).entryList(QDir::Files),
                  QStringList{QStringLiteral("registry.reg")});
    }

    test::ScopedEnv m_env;
    test::MessageRecorder messages;
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile doc{options};
    QString m_folder;
    QByteArray m_oldCalendar;
    QByteArray m_oldHive;
};

// A small file system of its own, filled to the last byte.
class SmallTmpfs {
public:
    SmallTmpfs()
    {
        if (::geteuid() != 0 || !m_dir.isValid())
            return;
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

    // Writes a filler file until the file system has no room left.
    void Fill() const
    {
        QFile filler(m_dir.path() + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) == 1) {
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// The kernel's limit on the size of a file this process writes (a full disk for the unprivileged).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of killing us
        const rlimit limit{bytes, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

TEST_F(DiskFullTest, OnAFullFileSystem)
{
    const SmallTmpfs tmpfs;
    if (!tmpfs.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root; WhenTheFileMayGrowNoFurther covers the unprivileged case";
    ASSERT_NO_FATAL_FAILURE(StartIn(tmpfs.path()));
    ASSERT_NO_FATAL_FAILURE(tmpfs.Fill());
    doc.m_user.m_strName = QStringLiteral("новое имя");
    ASSERT_NO_FATAL_FAILURE(ExpectTheSaveRefusedWith(QStringLiteral("Нет места на диске")));
    ExpectTheHiveWriteRefused();

    ASSERT_TRUE(QFile::remove(tmpfs.path() + QStringLiteral("/filler")));
    EXPECT_EQ(doc.Save(), 1) << "with room again the save goes through";
}

TEST_F(DiskFullTest, WhenTheFileMayGrowNoFurther)
{
    const QTemporaryDir dir;
    ASSERT_NO_FATAL_FAILURE(StartIn(dir.path()));
    ASSERT_NO_FATAL_FAILURE(FillTheCalendar());
    {
        const FileSizeLimit limit(256 * 1024);
        ASSERT_NO_FATAL_FAILURE(ExpectTheSaveRefusedWith(QStringLiteral("Файл превысил допустимый размер")));
    }
    EXPECT_EQ(doc.Save(), 1);
    EXPECT_EQ(test::readFile(CDataFile::GetFilePath()).size(), test::FullCalendar().size());
}
