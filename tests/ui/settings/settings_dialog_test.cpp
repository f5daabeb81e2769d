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

// Calendar size and position, weekday names, 7 days, autostart, monitor position.
constexpr quint32 kOptions = 13335;

class SettingsDialogTest : public ::testing::Test {
protected:
    CSettingsDialog &Open()
    {
        flags.WriteOptions(kOptions);
        dialog = std::make_unique<CSettingsDialog>(flags, registry);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        tree = dialog->findChild<COptionTree *>(QString::number(CSettingsDialog::IDC_OPTION_TREE));
        return *dialog;
    }
    // Clicks row `index` of the tree where its text is.
    void ClickRow(int index)
    {
        const QRect row = tree->Model().RowRect(index);
        QTest::mouseClick(tree, Qt::LeftButton, {}, QPoint(row.left() + 30, row.center().y()));
    }

    test::SandboxDirs dirs;
    CRegistryStore registry;
    COptionFlags flags{registry};
    std::unique_ptr<CSettingsDialog> dialog;
    COptionTree *tree = nullptr;
};

TEST_F(SettingsDialogTest, ShowsTheFifteenOptionsWithTheirTextsAndStates)
{
    Open();
    const std::vector<OptionItem> &items = tree->Model().Items();
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0].strText, u"Календарь"_s);
    EXPECT_EQ(items[2].strText, u"Сохранять располжение календаря"_s);
    EXPECT_EQ(items[6].strText, u"Оповещать о наступлении событий за"_s);
    EXPECT_EQ(items[14].strText, u"Сохранять расположение окна"_s);
    std::vector<int> states;
    for (const OptionItem &item : items)
        states.push_back(item.nState);
    EXPECT_EQ(states, (std::vector<int>{0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1}));
    EXPECT_FALSE(tree->ScrollBar()->isVisible()) << "all fifteen rows have room";
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(tree->Model().Current(), 1);
}

TEST_F(SettingsDialogTest, ChangesAreWrittenAtOnceAndTheTrayIconFollowsBeforeOk)
{
    CSettingsDialog &d = Open();
    QSignalSpy tray(&d, &CSettingsDialog::trayIconToggled);
    QSignalSpy changed(&d, &CSettingsDialog::optionsChanged);
    ClickRow(3); // the tray icon
    EXPECT_EQ(flags.GetOptions(), kOptions | OptionBit::TrayIcon);
    ClickRow(3);
    EXPECT_EQ(flags.GetOptions(), kOptions);
    ASSERT_EQ(tray.count(), 2);
    EXPECT_EQ(std::pair(tray[0][0].toBool(), tray[1][0].toBool()), std::pair(true, false));

    ClickRow(8); // 3 days: 7 days goes off first, in the same click
    EXPECT_EQ(flags.GetOptions(), (kOptions & ~OptionBit::Notice7Days) | OptionBit::Notice3Days);
    ClickRow(6); // a group heading: nothing
    ASSERT_EQ(changed.count(), 4);
    EXPECT_EQ(changed[2][0].toUInt(), kOptions & ~OptionBit::Notice7Days);
    EXPECT_EQ(changed[3][0].toUInt(), flags.GetOptions());
    EXPECT_EQ(tray.count(), 2);
    ClickRow(13); // autostart off and on again: the Run value names this program
    ClickRow(13);
    QString run;
    registry.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s, run);
    EXPECT_EQ(run, QCoreApplication::applicationFilePath() + u" /monitoring"_s);
    EXPECT_TRUE(QFileInfo::exists(dirs.configDir() + u"/autostart/orvane.desktop"_s));
    QTest::mouseClick(d.findChild<QPushButton *>(u"1"_s), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
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
    EXPECT_GT(test::CountColor(tree, tree.palette().color(QPalette::Base)), 0) << "drawn scrolled";
}

} // namespace
} // namespace orvane
