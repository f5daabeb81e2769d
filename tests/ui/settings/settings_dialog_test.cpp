#include "../controls/look.h"
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

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { m_flags.WriteOptions(13335); }

    CSettingsDialog &Open()
    {
        m_dialog = std::make_unique<CSettingsDialog>(m_flags, m_registry);
        m_dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
        return *m_dialog;
    }
    COptionTree &Tree() const
    {
        return *m_dialog->findChild<COptionTree *>(QString::number(CSettingsDialog::IDC_OPTION_TREE));
    }
    // Clicks row `index` of the tree where its text is.
    void ClickRow(int index)
    {
        const QRect row = Tree().Model().RowRect(index);
        QTest::mouseClick(&Tree(), Qt::LeftButton, {}, QPoint(row.left() + 30, row.center().y()));
    }
    quint32 Stored() { return m_flags.GetOptions(); }

    test::SandboxDirs m_dirs;
    CRegistryStore m_registry;
    COptionFlags m_flags{m_registry};
    std::unique_ptr<CSettingsDialog> m_dialog;
};

TEST_F(SettingsDialogTest, ShowsTheFifteenOptionsWithTheirTextsAndStates)
{
    CSettingsDialog &dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), u"Настройки"_s);
    const std::vector<OptionItem> &items = Tree().Model().Items();
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0].strText, u"Календарь"_s);
    EXPECT_EQ(items[2].strText, u"Сохранять располжение календаря"_s);
    EXPECT_EQ(items[6].strText, u"Оповещать о наступлении событий за"_s);
    EXPECT_EQ(items[14].strText, u"Сохранять расположение окна"_s);
    std::vector<int> states;
    for (const OptionItem &item : items)
        states.push_back(item.nState);
    // 13335: calendar size and position, weekday names, 7 days, autostart, monitor position.
    EXPECT_EQ(states, (std::vector<int>{0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1}));
    EXPECT_FALSE(Tree().ScrollBar()->isVisible()) << "all fifteen rows have room";

    Tree().setFocus();
    QTest::keyClick(&Tree(), Qt::Key_Down);
    const QImage shot = test::Grab(dialog);
    test::SaveForLook(shot, u"settings_dialog"_s);
    EXPECT_GT(test::CountColor(shot, Tree().palette().color(QPalette::Highlight)), 100)
        << "the current row is highlighted while the tree has the focus";
}

TEST_F(SettingsDialogTest, ChangesAreWrittenAtOnceAndTheTrayIconFollowsBeforeOk)
{
    CSettingsDialog &dialog = Open();
    QSignalSpy tray(&dialog, &CSettingsDialog::trayIconToggled);
    QSignalSpy changed(&dialog, &CSettingsDialog::optionsChanged);

    ClickRow(3); // the tray icon
    ASSERT_EQ(tray.count(), 1);
    EXPECT_EQ(tray[0][0].toBool(), true);
    EXPECT_EQ(Stored(), 13335u | OptionBit::TrayIcon);
    ClickRow(3);
    ASSERT_EQ(tray.count(), 2);
    EXPECT_EQ(tray[1][0].toBool(), false);
    EXPECT_EQ(Stored(), 13335u);

    ClickRow(8); // 3 days: 7 days goes off first, in the same click
    EXPECT_EQ(Stored(), (13335u & ~OptionBit::Notice7Days) | OptionBit::Notice3Days);
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(changed[2][0].toUInt(), 13335u & ~OptionBit::Notice7Days);
    EXPECT_EQ(changed.last()[0].toUInt(), Stored());
    EXPECT_EQ(tray.count(), 2);

    const qsizetype writes = changed.count();
    ClickRow(6); // a group heading
    EXPECT_EQ(changed.count(), writes);

    QTest::mouseClick(dialog.findChild<QPushButton *>(u"1"_s), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SettingsDialogTest, AutostartRowWritesTheRunValueWithThisProgramsPath)
{
    m_flags.WriteOptions(13335 & ~OptionBit::Autostart);
    Open();
    ClickRow(13);
    QString run;
    m_registry.GetStringValue(kRootCurrentUser,
                              u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s, run);
    EXPECT_EQ(run, QCoreApplication::applicationFilePath() + u" /monitoring"_s);
    EXPECT_TRUE(QFileInfo::exists(m_dirs.configDir() + u"/autostart/orvane.desktop"_s));
}

// A tree on its own, too small for its rows.
class OptionTreeWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 15; ++i)
            m_tree.AddCheck(res::StringId::OptionHexDays, 0, 1);
        m_tree.resize(320, 4 + 11 * COptionTreeModel::kRowHeight);
        m_tree.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_tree));
    }
    COptionTree m_tree;
};

TEST_F(OptionTreeWidgetTest, ScrollBarWheelAndKeysMoveTheRows)
{
    QScrollBar *bar = m_tree.ScrollBar();
    EXPECT_EQ(bar->objectName(), u"1000"_s);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 4) << "15 rows, 11 shown";
    EXPECT_EQ(bar->pageStep(), 11);
    EXPECT_EQ(bar->geometry().right(), m_tree.width() - 3);

    bar->setValue(9);
    EXPECT_EQ(m_tree.Model().ScrollPosition(), 4);
    bar->setValue(2);
    EXPECT_EQ(m_tree.Model().ScrollPosition(), 2);

    const QPointF inside(50, 50);
    QWheelEvent notchUp(inside, m_tree.mapToGlobal(inside), {}, QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&m_tree, &notchUp);
    EXPECT_EQ(m_tree.Model().ScrollPosition(), 1);
    EXPECT_EQ(bar->value(), 1);

    m_tree.setFocus();
    QTest::keyClick(&m_tree, Qt::Key_End);
    EXPECT_EQ(bar->value(), 4);
    QTest::keyClick(&m_tree, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 3);
    EXPECT_EQ(m_tree.Model().Current(), 14);
    test::SaveForLook(test::Grab(m_tree), u"option_tree_scrolled"_s);
}

} // namespace
} // namespace orvane
