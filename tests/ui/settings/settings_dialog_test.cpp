#include "../controls/widget_grab.h"
#include "res/string_table.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "test_env.h"
#include "ui/main/qt_print.h"
#include "ui/settings/option_tree.h"
#include "ui/settings/settings_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

// Options 13335: calendar size and position, weekday names, 7 days, autostart, monitor position.
// Each click is written at once; the tray icon follows its row before OK.
TEST(SettingsDialog, ShowsTheFifteenOptionsAndWritesEachChangeAtOnce)
{
    test::SandboxDirs dirs;
    CRegistryStore registry;
    COptionFlags flags(registry);
    constexpr quint32 options = 13335;
    flags.WriteOptions(options);
    CSettingsDialog dialog(flags, registry);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto &tree = *dialog.findChild<COptionTree *>(QString::number(CSettingsDialog::IDC_OPTION_TREE));
    const std::vector<OptionItem> &items = tree.Model().Items();
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0].strText, u"Календарь"_s);
    EXPECT_EQ(items[2].strText, u"Сохранять располжение календаря"_s);
    EXPECT_EQ(items[6].strText, u"Оповещать о наступлении событий за"_s);
    EXPECT_EQ(items[14].strText, u"Сохранять расположение окна"_s);
    std::vector<int> states;
    for (const OptionItem &item : items)
        states.push_back(item.nState);
    EXPECT_EQ(states, (std::vector<int>{0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1}));
    EXPECT_FALSE(tree.ScrollBar()->isVisible()) << "all fifteen rows have room";
    QTest::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(tree.Model().Current(), 1);

    QSignalSpy tray(&dialog, &CSettingsDialog::trayIconToggled);
    QSignalSpy changed(&dialog, &CSettingsDialog::optionsChanged);
    const auto click = [&tree](int row) { // where the row's text is
        const QRect rect = tree.Model().RowRect(row);
        QTest::mouseClick(&tree, Qt::LeftButton, {}, QPoint(rect.left() + 30, rect.center().y()));
    };
    click(3); // the tray icon
    EXPECT_EQ(flags.GetOptions(), options | OptionBit::TrayIcon);
    click(3);
    EXPECT_EQ(flags.GetOptions(), options);
    ASSERT_EQ(tray.count(), 2);
    EXPECT_EQ(std::pair(tray[0][0].toBool(), tray[1][0].toBool()), std::pair(true, false));
    click(8); // 3 days: 7 days goes off first, in the same click
    EXPECT_EQ(flags.GetOptions(), (options & ~OptionBit::Notice7Days) | OptionBit::Notice3Days);
    click(6); // a group heading: nothing
    ASSERT_EQ(changed.count(), 4);
    EXPECT_EQ(changed[2][0].toUInt(), options & ~OptionBit::Notice7Days);
    EXPECT_EQ(changed[3][0].toUInt(), flags.GetOptions());
    EXPECT_EQ(tray.count(), 2);
    click(13); // autostart off and on again: the Run value names this program
    click(13);
    QString run;
    registry.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s, run);
    EXPECT_EQ(run, QCoreApplication::applicationFilePath() + u" /monitoring"_s);
    EXPECT_TRUE(QFileInfo::exists(dirs.configDir() + u"/autostart/orvane.desktop"_s));
    QTest::mouseClick(dialog.findChild<QPushButton *>(u"1"_s), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Fifteen rows with room for eleven.
TEST(OptionTreeWidgetTest, ScrollBarWheelAndKeysMoveTheRows)
{
    COptionTree tree;
    for (int i = 0; i < 15; ++i)
        tree.AddCheck(res::StringId::OptionHexDays, 0, 1);
    tree.resize(320, 4 + 11 * COptionTreeModel::kRowHeight);
    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
    QScrollBar *bar = tree.ScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(std::pair(bar->maximum(), bar->pageStep()), std::pair(4, 11));
    EXPECT_EQ(bar->geometry().right(), tree.width() - 3);
    bar->setValue(2);
    EXPECT_EQ(tree.Model().ScrollPosition(), 2);
    const QPointF inside(50, 50);
    QWheelEvent notchUp(inside, tree.mapToGlobal(inside), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&tree, &notchUp);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(&tree, Qt::Key_End);
    EXPECT_EQ(bar->value(), 4);
    QTest::keyClick(&tree, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 3);
    QTest::keyClick(&tree, Qt::Key_A);
    EXPECT_EQ(tree.Model().Current(), 14) << "Ctrl+Up and other keys leave the current row";
    EXPECT_GT(test::CountColor(test::Grab(tree), tree.palette().color(QPalette::Base)), 0) << "drawn scrolled";
}

} // namespace
} // namespace orvane
