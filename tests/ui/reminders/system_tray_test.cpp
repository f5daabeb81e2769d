#include "res/menus.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/main/qt_print.h"
#include "ui/reminders/system_tray.h"

#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

TEST(SystemTray, MenuDefaultEntryAndDoubleClick)
{
    CSystemTray tray;
    EXPECT_FALSE(tray.SetTrayTip(u"x"_s)) << "nothing added yet";
    EXPECT_FALSE(tray.AddTrayIcon(u"Your Orvane"_s, LoadIcon(res::IDI_TRAY), 999)) << "no menu 999";
    EXPECT_FALSE(tray.IsEnabled());

    ASSERT_TRUE(tray.AddTrayIcon(u"Your Orvane"_s, LoadIcon(res::IDI_TRAY), res::MenuId::Tray));
    ASSERT_EQ(tray.Menu()->actions().size(), 3); // "Показать", a line, "Закрыть"
    EXPECT_EQ(tray.Menu()->defaultAction(), tray.Menu()->actions().first()) << "drawn bold";

    QSignalSpy commands(&tray, &CSystemTray::command);
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::Trigger);
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(commands.count(), 0) << "a single click or the menu button sends nothing by itself";
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::DoubleClick);
    tray.Menu()->actions().last()->trigger();
    EXPECT_TRUE(tray.SetDefaultMenuItem(res::CommandId::TrayClose, false)) << "the default by command id";
    EXPECT_EQ(tray.Menu()->defaultAction()->text(), u"Закрыть"_s);
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::DoubleClick);
    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands[0][0].toInt(), res::CommandId::TrayShow);
    EXPECT_EQ(commands[1][0].toInt(), res::CommandId::TrayClose);
    EXPECT_EQ(commands[2][0].toInt(), res::CommandId::TrayClose);
}

TEST(SystemTray, RemoveHideAndShowKeepTheIconsData)
{
    CSystemTray tray;
    ASSERT_TRUE(tray.AddTrayIcon(u"Your Orvane"_s, LoadIcon(res::IDI_TRAY), res::MenuId::Tray));
    tray.HideTrayIcon();
    EXPECT_FALSE(tray.Icon()->isVisible());
    EXPECT_FALSE(tray.SetTrayTip(u"Your Orvane"_s)) << "a hidden icon is not in the notification area";
    tray.ShowTrayIcon();
    EXPECT_TRUE(tray.Icon()->isVisible());
    EXPECT_EQ(tray.Icon()->toolTip(), u"Your Orvane"_s);

    tray.RemoveTrayIcon();
    EXPECT_EQ(tray.Icon(), nullptr);
    EXPECT_FALSE(tray.CanRestoreWindow());
    tray.HideTrayIcon(); // nothing to do, nothing breaks
    tray.ShowTrayIcon();
    EXPECT_FALSE(tray.SetTrayTip(u"Your Orvane"_s));
    ASSERT_TRUE(tray.AddTrayIcon(u"Your Orvane"_s, LoadIcon(res::IDI_TRAY), res::MenuId::Tray));
    EXPECT_EQ(tray.CanRestoreWindow(), QSystemTrayIcon::isSystemTrayAvailable());
}

} // namespace
} // namespace orvane
