#include "calendar_process.h"

#include "byte_builder.h"
#include "test_env.h"

#include "calendar_writer.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace orvane::test;

TEST(Orvanectl, DumpsTheCalendarAsJson)
{
    CalendarSandbox sandbox;
    ByteBuilder b;
    b.header(0x13).defaultUserFields().emptySlots(31);
    // 1 February: a birthday, notes with quotes and a line break; today is 10 May, so re-armed.
    b.i32(1).event(2, QByteArray::fromHex("c8e2e0ed"), "\"x\"\n\\", 1, 0, 0);
    b.emptySlots(366 - 32);
    writeFile(sandbox.calendarPath(), b);

    QByteArray out;
    ASSERT_EQ(sandbox.runCtl({QStringLiteral("dump")}, &out), 0);
    EXPECT_EQ(out,
              "{\"version\":[1,2],\"scale\":3,\"large\":true,\"reserved\":[0,0,0,0],\"user\":{\"name\":\"<user>\","
              "\"password\":\"\",\"reserved\":\"\",\"rights\":2,\"categories\":[\"День рождения\",\"Остальное\"],"
              "\"slots\":[{\"slot\":31,\"events\":[{\"name\":\"Иван\",\"notes\":\"\\\"x\\\"\\n\\\\\",\"month\":2,"
              "\"day\":1,\"category\":0,\"monitoring\":1}]}]}}\n");
    EXPECT_TRUE(QJsonDocument::fromJson(out).isObject());

    const QString other = sandbox.dataDir() + QStringLiteral("/other.orvd");
    writeFile(other, ByteBuilder().header().defaultUserFields().emptySlots(366));
    ASSERT_EQ(sandbox.runCtl({QStringLiteral("dump"), QStringLiteral("--file"), other}, &out), 0);
    EXPECT_EQ(QJsonDocument::fromJson(out).object()[QStringLiteral("user")].toObject()[QStringLiteral("slots")].toArray().size(), 0);
}

TEST(Orvanectl, UnreadableCalendarsGiveOneLineAndStatusTwo)
{
    CalendarSandbox sandbox;
    QByteArray out, err;
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("dump")}, &out, &err), 2) << "missing file";
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.startsWith("orvanectl: cannot read calendar: "));
    EXPECT_EQ(err.count('\n'), 1);

    writeFile(sandbox.calendarPath(), QByteArray("short"));
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("dump")}, &out, &err), 2);
    EXPECT_TRUE(err.startsWith("orvanectl: cannot read calendar: "));
    EXPECT_EQ(readFile(sandbox.calendarPath()), QByteArray("short")) << "never writes the calendar";

    EXPECT_EQ(sandbox.runCtl({QStringLiteral("--help")}, &out), 0);
    EXPECT_TRUE(out.contains("dump [--file PATH]"));
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("frobnicate")}, &out, &err), 2);
}

namespace {

// Today in the sandbox is Sunday 10 May 2026.
void WriteUpcomingCalendar(const CalendarSandbox &sandbox)
{
    ASSERT_TRUE(writeCalendar(sandbox.calendarPath(),
                              {{5, 10, QStringLiteral("Уже оповещён"), 0}, // within the span: loading keeps it clear
                               {5, 11, QStringLiteral("Иван")},
                               {5, 11, QStringLiteral("Мария"), 1, 1},
                               {5, 20, QStringLiteral("Юбилей")}}));
}

} // namespace

TEST(Orvanectl, UpcomingListsTheComingDaysAsTextOrJson)
{
    CalendarSandbox sandbox;
    WriteUpcomingCalendar(sandbox);
    const QByteArray before = readFile(sandbox.calendarPath());

    QByteArray out;
    ASSERT_EQ(sandbox.runCtl({QStringLiteral("upcoming")}, &out), 0);
    EXPECT_EQ(QString::fromUtf8(out), QStringLiteral("Завтра: 11, Май (Понедельник).\n  Иван\n  Мария\n"));

    ASSERT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--days"), QStringLiteral("10"),
                              QStringLiteral("--json")}, &out), 0);
    EXPECT_EQ(QString::fromUtf8(out),
              QStringLiteral("{\"today\":\"2026-05-10\",\"days\":10,\"upcoming\":["
                             "{\"offset\":1,\"date\":\"2026-05-11\",\"heading\":\"Завтра:\",\"events\":["
                             "{\"name\":\"Иван\",\"notes\":\"заметка \\\"11\\\"\",\"category\":\"День рождения\"},"
                             "{\"name\":\"Мария\",\"notes\":\"заметка \\\"11\\\"\",\"category\":\"Остальное\"}]},"
                             "{\"offset\":10,\"date\":\"2026-05-20\",\"heading\":\"Через 10 дней:\",\"events\":["
                             "{\"name\":\"Юбилей\",\"notes\":\"заметка \\\"20\\\"\",\"category\":\"День рождения\"}]}]}\n"));

    // The span of the options: 1 day (0x0080) still reaches tomorrow; 0 days lists nothing.
    writeFile(sandbox.hivePath(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                                  "\"OptionsFlag\"=\"129\"\n");
    const QByteArray hive = readFile(sandbox.hivePath());
    ASSERT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--json")}, &out), 0);
    EXPECT_TRUE(out.contains("\"days\":1,")) << out.constData();
    ASSERT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--days"), QStringLiteral("0")}, &out), 1);
    EXPECT_TRUE(out.isEmpty());
    ASSERT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--days"), QStringLiteral("0"),
                              QStringLiteral("--json")}, &out), 1);
    EXPECT_EQ(out, "{\"today\":\"2026-05-10\",\"days\":0,\"upcoming\":[]}\n");

    EXPECT_EQ(readFile(sandbox.calendarPath()), before) << "never writes the calendar";
    EXPECT_EQ(readFile(sandbox.hivePath()), hive) << "never writes the settings";
}

TEST(Orvanectl, UpcomingRefusesBadSpansAndUnreadableCalendars)
{
    CalendarSandbox sandbox;
    QByteArray out, err;
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("upcoming")}, &out, &err), 2) << "missing file";
    EXPECT_TRUE(err.startsWith("orvanectl: cannot read calendar: "));
    EXPECT_EQ(err.count('\n'), 1);
    EXPECT_FALSE(QFileInfo::exists(sandbox.hivePath())) << "the default options are not written back";

    WriteUpcomingCalendar(sandbox);
    for (const char *days : {"367", "-1", "7x", ""}) {
        EXPECT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--days"), QString::fromLatin1(days)},
                                 &out, &err), 2) << days;
        EXPECT_TRUE(out.isEmpty());
        EXPECT_TRUE(err.startsWith("orvanectl: upcoming: --days")) << err.constData();
    }
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--days")}, &out, &err), 2);
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--days"), QStringLiteral("366")}, &out), 0);
    EXPECT_EQ(sandbox.runCtl({QStringLiteral("upcoming"), QStringLiteral("--file"),
                              sandbox.dataDir() + QStringLiteral("/none.orvd")}, &out, &err), 2);
    EXPECT_TRUE(err.startsWith("orvanectl: cannot read calendar: "));

    EXPECT_EQ(sandbox.runCtl({QStringLiteral("--help")}, &out), 0);
    EXPECT_TRUE(out.contains("upcoming [--days N] [--json] [--file PATH]"));
}
