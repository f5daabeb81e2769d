// The calendar on a Wayland compositor (sway): it reads and writes no window place there, takes
// no size the compositor would give it for the user's, is shaped by transparency and comes back
// from its StatusNotifier icon.
#include "calendar_process.h"
#include "calendar_writer.h"
#include "test_env.h"
#include "wayland_session.h"

#include <gtest/gtest.h>

using namespace orvane::test;
using namespace Qt::StringLiterals;

TEST(WaylandDesktop, NoPlaceNoImposedSizeAShapeOfItsOwnAndTheIconTogglesTheWindow)
{
    WaylandSession wayland;
    if (!wayland.failure().isEmpty())
        GTEST_SKIP() << wayland.failure().toStdString();
    CalendarSandbox sandbox;
    sandbox.setEnvironment(wayland.environment());
    ASSERT_TRUE(TestCalendar({{5, 10, u"Иван"_s}}).write(sandbox.calendarPath()));
    const QByteArray sizeWord = readFile(sandbox.calendarPath()).mid(21, 2);
    const QByteArray hive = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                            "\"OptionsFlag\"=\"13399\"\n\"OrvanePositionX\"=\"77\"\n\"OrvanePositionY\"=\"88\"\n";
    writeFile(sandbox.hivePath(), hive);
    QProcess process;
    sandbox.start(process);
    const auto shown = [&](WaylandSession::Window *out = nullptr) {
        const QList<WaylandSession::Window> windows = wayland.windowsOf(process.processId());
        if (out && !windows.isEmpty())
            *out = windows.first();
        return !windows.isEmpty() && windows.first().visible;
    };
    WaylandSession::Window window;
    ASSERT_TRUE(waitUntil([&] { return shown(&window) && window.focused; })) << process.readAllStandardError().constData();
    EXPECT_TRUE(window.floating) << "a tiling compositor gave it a tile";
    EXPECT_LT(window.rect.width(), 640);

    const QString shot = QStringLiteral(ORVANE_BINARY_DIR "/screenshots/orvane-wayland.png");
    ASSERT_TRUE(wayland.photographWith({u"grim"_s}, shot));
    const QString desktop = wayland.pixel(shot, {4, 1020});
    EXPECT_EQ(wayland.pixel(shot, window.rect.topLeft() + QPoint(6, 6)), desktop) << "outside the shape: the desktop";
    EXPECT_NE(wayland.pixel(shot, window.rect.topLeft() + QPoint(60, 60)), desktop) << "inside: the calendar";

    wayland.keys({u"Escape"_s}); // hidden behind the icon
    ASSERT_TRUE(waitUntil([&] { return !shown(); }));
    wayland.activateTrayItem();
    ASSERT_TRUE(waitUntil([&] { return shown(); })) << "the icon brings it back";
    wayland.activateTrayItem();
    ASSERT_TRUE(waitUntil([&] { return !shown(); })) << "and hides it again";

    EXPECT_EQ(terminate(process), 0) << process.readAllStandardError().constData();
    EXPECT_EQ(readFile(sandbox.hivePath()), hive) << "the X11 places stay as they were";
    EXPECT_EQ(readFile(sandbox.calendarPath()).mid(21, 2), sizeWord) << "the months and rows stay the user's";
}
