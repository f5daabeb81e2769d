// Starts of the real calendar: a new calendar, a second instance, a broken or unopenable
// calendar answered each way, in the language of the session.
#include "calendar_process.h"

#include "byte_builder.h"
#include "test_env.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tuple>

using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

QStringList BrokenCopies(const CalendarSandbox &sandbox)
{
    return QDir(sandbox.dataDir()).entryList({u"orvane.orvd.broken-*"_s}, QDir::Files | QDir::Hidden);
}

// Whether the single-instance lock is held by process `process`.
bool HoldsTheLock(const CalendarSandbox &sandbox, const QProcess &process)
{
    return readFile(sandbox.lockPath()).split('\n').value(0) == QByteArray::number(process.processId());
}

} // namespace

TEST(OrvaneStartup, CreatesTheCalendarRefusesASecondInstanceAndSavesOnTerm)
{
    CalendarSandbox sandbox;
    QProcess first;
    sandbox.start(first);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath())) << first.readAllStandardError().constData();
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar());
    EXPECT_TRUE(readFile(sandbox.hivePath()).contains("\"OptionsFlag\"=\"13335\""));

    // A second start asks the running one to show itself and ends quietly; where nothing answers
    // (the socket gone) it says why it cannot run.
    for (const bool answered : {true, false}) {
        if (!answered) {
            ASSERT_TRUE(QFile::remove(sandbox.path() + u"/runtime/orvane.socket"_s));
        }
        QProcess second;
        sandbox.start(second);
        ASSERT_TRUE(second.waitForFinished(30000));
        EXPECT_EQ(second.exitCode(), 10);
        EXPECT_EQ(QString::fromUtf8(second.readAllStandardError()).contains(u"единственном экземпляре"_s), !answered);
    }

    // The size option switched off while it runs: the save on the way out writes size word 0.
    sandbox.setOptions(13333);
    EXPECT_EQ(terminate(first), 0);
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar(0));

    QProcess third;
    sandbox.start(third);
    EXPECT_TRUE(waitUntil([&] { return HoldsTheLock(sandbox, third); })) << "the lock of an ended instance is free again";
    EXPECT_EQ(terminate(third), 0);

    // Monitoring with nothing to tell and no tray icon: it ends at once, after saving.
    sandbox.setOptions(13335);
    QProcess monitor;
    sandbox.start(monitor, {u"/monitoring"_s});
    ASSERT_TRUE(monitor.waitForFinished(30000));
    EXPECT_EQ(monitor.exitCode(), 0);
    EXPECT_EQ(readFile(sandbox.calendarPath()), DefaultCalendar());
}

TEST(OrvaneStartup, ABrokenCalendarIsReplacedOnlyWhenTheUserSaysSoAndAskedInTheSessionLanguage)
{
    struct Case {
        QString lang, forced, answer;
        int exitCode;
        const char *question;
    } cases[] = {
        {u"ru_RU.UTF-8"_s, {}, u"no"_s, 14, "Мне очень жаль"},
        {u"de_DE.UTF-8"_s, {}, u"no"_s, 14, "I am very sorry"}, // no German: English
        {u"C.UTF-8"_s, {}, u"no"_s, 14, "I am very sorry"},
        {u"ru_RU.UTF-8"_s, u"en"_s, u"no"_s, 14, "I am very sorry"},
        {u"en_US.UTF-8"_s, u"ru"_s, u"no"_s, 14, "Мне очень жаль"},
        {u"ru_RU.UTF-8"_s, u"xx"_s, u"no"_s, 14, "Мне очень жаль"}, // unknown: the session decides
        {u"ru_RU.UTF-8"_s, u"ru"_s, u"yes"_s, 0, "Мне очень жаль"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.lang + u' ' + c.forced + u' ' + c.answer).toStdString());
        CalendarSandbox sandbox;
        const QByteArray broken = DefaultCalendar().left(700);
        writeFile(sandbox.calendarPath(), broken);
        sandbox.setEnvironment(sessionLocale(c.lang, c.forced));
        QProcess process;
        sandbox.start(process, {}, c.answer);
        if (c.exitCode == 0) {
            // Replaced by a new calendar; the broken one is kept beside it, as it was.
            ASSERT_TRUE(waitUntil([&] { return readFile(sandbox.calendarPath()) == DefaultCalendar(); }));
            EXPECT_EQ(terminate(process), 0);
            ASSERT_EQ(BrokenCopies(sandbox).size(), 1);
            EXPECT_EQ(readFile(sandbox.dataDir() + u'/' + BrokenCopies(sandbox).first()), broken);
        } else {
            ASSERT_TRUE(process.waitForFinished(30000));
            EXPECT_EQ(process.exitCode(), c.exitCode);
            EXPECT_EQ(readFile(sandbox.calendarPath()), broken);
            EXPECT_TRUE(BrokenCopies(sandbox).isEmpty());
        }
        EXPECT_TRUE(process.readAllStandardError().contains(c.question));
    }
}

TEST(OrvaneStartup, ACalendarThatCannotBeOpenedIsNamedAndLeftAlone)
{
    const struct {
        const char *what, *reason;
        std::function<void(const QString &path)> make;
    } cases[] = {
        {"a folder", "На месте файла находится папка.", [](const QString &path) { QDir().mkpath(path); }},
        {"a FIFO, never opened to wait on it", "На месте файла находится не обычный файл, а устройство или канал.",
         [](const QString &path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }},
        {"a link to an endless device", "На месте файла находится не обычный файл, а устройство или канал.",
         [](const QString &path) { QFile::link(u"/dev/zero"_s, path); }},
        {"a file larger than any calendar", "Файл превысил допустимый размер.",
         [](const QString &path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.resize(64 * 1024 * 1024); // sparse: no disk used
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CalendarSandbox sandbox;
        c.make(sandbox.calendarPath());
        const QFileInfo before(sandbox.calendarPath());
        QProcess process;
        sandbox.start(process, {}, u"yes"_s);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 16);
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).trimmed(),
                  u"Невозможно открыть календарь.\n%1\n\n"_s.arg(sandbox.calendarPath()) + QString::fromUtf8(c.reason));
        QByteArray err;
        EXPECT_EQ(sandbox.runCtl({u"dump"_s}, nullptr, &err), 2);
        EXPECT_TRUE(err.startsWith("orvanectl: cannot read calendar: ")) << err.constData();
        const QFileInfo after(sandbox.calendarPath());
        EXPECT_EQ(std::tuple(after.isSymLink(), after.isDir(), after.size()),
                  std::tuple(before.isSymLink(), before.isDir(), before.size()));
        EXPECT_TRUE(BrokenCopies(sandbox).isEmpty());
    }
}
