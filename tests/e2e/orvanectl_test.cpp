#include "calendar_process.h"

#include "byte_builder.h"
#include "test_env.h"

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
