#include "../controls/widget_grab.h"
#include "../events/sandbox_calendar.h"
#include "res/string_table.h"
#include "ui/main/qt_print.h"
#include "ui/settings/option_tree.h"
#include "ui/settings/settings_dialog.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// Options 13335: calendar size and position, weekday names, 7 days, autostart, monitor position.
// Each click is written at once; the tray icon follows its row before OK.
using SettingsDialog = test::SandboxCalendar;

TEST_F(SettingsDialog, ShowsTheFifteenOptionsAndWritesEachChangeAtOnce)
{
    constexpr quint32 options = 13335;
    flags.WriteOptions(options);
    CSettingsDialog dialog(flags, registry);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto &tree = *dialog.findChild<COptionTree *>(QString::number(CSettingsDialog::IDC_OPTION_TREE));
    std::vector<int> states;
    for (const OptionItem &item : tree.Model().Items())
        states.push_back(item.nState);
    // Autostart's bit is on, but no entry starts the program: its row is off.
    EXPECT_EQ(states, (std::vector<int>{0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1}));

    QSignalSpy tray(&dialog, &CSettingsDialog::trayIconToggled);
    QSignalSpy changed(&dialog, &CSettingsDialog::optionsChanged);
    const auto click = [&tree](int row) { // where the row's text is
        const QRect rect = tree.Model().RowRect(row);
        QTest::mouseClick(&tree, Qt::LeftButton, {}, QPoint(rect.left() + 30, rect.center().y()));
    };
    click(3); // the tray icon, on and off
    click(3);
    EXPECT_EQ(tray, (QList<QVariantList>{{true}, {false}}));
    click(8); // 3 days: 7 days goes off first, in the same click
    EXPECT_EQ(flags.GetOptions(), (options & ~OptionBit::Notice7Days) | OptionBit::Notice3Days);
    click(6); // a group heading: nothing
    ASSERT_EQ(changed.count(), 4) << "a signal for each row that changed";
    EXPECT_EQ(changed[2][0].toUInt(), options & ~OptionBit::Notice7Days);
}

// Assistive technology reads the rows as a tree of items, each group holding its rows, with
// their roles and checks; the keyboard's row is the focused item. (The events that announce
// them reach a listener only through a platform's bridge, which offscreen has not.)
TEST_F(SettingsDialog, TheRowsAreATreeOfItemsForAssistiveTechnology)
{
    CSettingsDialog dialog(flags, registry);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto *tree = dialog.findChild<COptionTree *>(QString::number(CSettingsDialog::IDC_OPTION_TREE));
    QStringList rows; // "level role checked text", depth first
    const std::function<void(QAccessibleInterface *, int)> walk = [&](QAccessibleInterface *parent, int level) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface *item = parent->child(i);
            if (item->role() == QAccessible::ScrollBar)
                continue;
            EXPECT_TRUE(item->parent() == parent && parent->indexOfChild(item) == i && item->rect().isValid()) << i;
            rows << u"%1 %2 %3 %4"_s.arg(level).arg(item->role()).arg(item->state().checked).arg(item->text(QAccessible::Name));
            walk(item, level + 1);
        }
    };
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(tree);
    ASSERT_EQ(root->role(), QAccessible::Tree);
    walk(root, 0);
    QStringList expected;
    const QAccessible::Role roles[] = {QAccessible::TreeItem, QAccessible::CheckBox, QAccessible::RadioButton};
    for (const OptionItem &item : tree->Model().Items())
        expected << u"%1 %2 %3 %4"_s.arg(item.nLevel).arg(roles[item.nKind]).arg(item.nState).arg(item.strText);
    EXPECT_EQ(rows, expected);

    const OptionItem second = tree->Model().Items()[1];
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Space);
    const QAccessibleInterface *focused = root->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(std::tuple(focused->text(QAccessible::Name), bool(focused->state().focused), int(focused->state().checked)),
              std::tuple(second.strText, true, 1 - second.nState));
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
    EXPECT_EQ(std::tuple(bar->isVisible(), bar->maximum(), bar->pageStep()), std::tuple(true, 4, 11));
    bar->setValue(2);
    const QPointF inside(50, 50);
    QWheelEvent notchUp(inside, tree.mapToGlobal(inside), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QApplication::sendEvent(&tree, &notchUp);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(&tree, Qt::Key_Down);
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
