#include "settings/option_tree_model.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

void PrintTo(const OptionChange &change, std::ostream *os)
{
    *os << "{" << change.nId << ", " << change.nState << "}";
}

namespace {

using Changes = std::vector<OptionChange>;
constexpr int kRow = COptionTreeModel::kRowHeight;

// A laid-out tree whose every text is 100 pixels wide, with room for `rows` whole rows.
void LayOut(COptionTreeModel &tree, int rows, int extraHeight = 0)
{
    tree.SetScrollBarWidth(16);
    tree.SetClientSize(QSize(300, 2 * COptionTreeModel::kBorder + rows * kRow + extraHeight));
    tree.Layout([](const QString &) { return 100; });
}

// The centre of item `index`'s row as it stands now.
QPoint On(const COptionTreeModel &tree, int index)
{
    return tree.RowRect(index).center();
}

int State(const COptionTreeModel &tree, int index)
{
    return tree.Items()[static_cast<size_t>(index)].nState;
}

// Fifteen rows as in the settings: a group, five checks, a group with a run of five radios,
// a group and two checks.
COptionTreeModel SettingsLikeTree(int rows)
{
    COptionTreeModel tree;
    tree.AddGroup(u"Календарь"_s, 0, 0);
    for (int id = 1; id <= 5; ++id)
        tree.AddCheck(u"check"_s, 0, 1, id);
    tree.AddGroup(u"span"_s, 1, 1);
    for (int id = 10; id <= 14; ++id)
        tree.AddRadio(u"radio"_s, id == 13 ? 1 : 0, 2, id);
    tree.AddGroup(u"Монитор"_s, 0, 2);
    tree.AddCheck(u"check"_s, 1, 1, 16);
    tree.AddCheck(u"check"_s, 0, 1, 17);
    LayOut(tree, rows);
    return tree;
}

TEST(OptionTreeModelTest, RadioRunsSwitchOffFirstAndIgnoreTheRadioThatIsOn)
{
    COptionTreeModel tree = SettingsLikeTree(20);
    EXPECT_EQ(tree.Click(On(tree, 10)), Changes{}) << "the radio that is on";
    EXPECT_EQ(State(tree, 10), 1);

    EXPECT_EQ(tree.Click(On(tree, 8)), (Changes{{13, 0}, {11, 1}}));
    EXPECT_EQ(tree.Current(), 8);
    EXPECT_EQ(tree.Click(On(tree, 11)), (Changes{{11, 0}, {14, 1}}))
        << "the radio going off comes first, whether above or below";

    // Check boxes flip both ways; a group changes nothing but takes the cursor.
    EXPECT_EQ(tree.Click(On(tree, 13)), (Changes{{16, 0}}));
    EXPECT_EQ(tree.Click(On(tree, 13)), (Changes{{16, 1}}));
    EXPECT_EQ(tree.Click(On(tree, 6)), Changes{});
    EXPECT_EQ(tree.Current(), 6);
}

TEST(OptionTreeModelTest, RunsSeparatedByACheckOrAGroupAreIndependent)
{
    COptionTreeModel tree;
    tree.AddRadio(u"a"_s, 1, 0, 1);
    tree.AddRadio(u"b"_s, 0, 0, 2);
    tree.AddCheck(u"c"_s, 0, 0, 3);
    tree.AddRadio(u"d"_s, 1, 0, 4);
    tree.AddGroup(u"g"_s, 0, 0);
    tree.AddRadio(u"e"_s, 1, 0, 5);
    tree.AddRadio(u"f"_s, 0, 0, 6);
    LayOut(tree, 10);
    EXPECT_EQ(tree.Click(On(tree, 1)), (Changes{{1, 0}, {2, 1}}));
    EXPECT_EQ(tree.Click(On(tree, 6)), (Changes{{5, 0}, {6, 1}}));
    EXPECT_EQ(State(tree, 3), 1);
}

TEST(OptionTreeModelTest, FifteenRowsInRoomForElevenScrollWithinTheirRange)
{
    COptionTreeModel tree = SettingsLikeTree(11);
    EXPECT_EQ(tree.RowRect(7), QRect(42, 2 + 7 * kRow, 120, 16)) << "indented by level";
    const OptionScrollBar bar = tree.ScrollBar();
    EXPECT_TRUE(bar.bVisible);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 14);
    EXPECT_EQ(bar.nPage, 11);
    EXPECT_EQ(tree.View(), QRect(2, 2, 300 - 4 - 16, 11 * kRow)) << "less the scroll bar";

    tree.ScrollTo(100);
    EXPECT_EQ(tree.ScrollPosition(), 4);
    EXPECT_EQ(tree.RowRect(4).top(), 2);
    tree.ScrollTo(-3);
    EXPECT_EQ(tree.ScrollPosition(), 0);

    // The wheel: a notch up at the top leaves it; a notch down is one row; small steps add up.
    tree.Wheel(120);
    EXPECT_EQ(tree.ScrollPosition(), 0);
    tree.Wheel(-120);
    EXPECT_EQ(tree.ScrollPosition(), 1);
    tree.Wheel(-60);
    EXPECT_EQ(tree.ScrollPosition(), 1);
    tree.Wheel(-60);
    EXPECT_EQ(tree.ScrollPosition(), 2);

    COptionTreeModel roomy = SettingsLikeTree(15);
    EXPECT_FALSE(roomy.ScrollBar().bVisible);
    EXPECT_EQ(roomy.View().width(), 300 - 4);
}

TEST(OptionTreeModelTest, APartlyShownRowIsNeitherHitNorDrawn)
{
    COptionTreeModel tree = SettingsLikeTree(11);
    LayOut(tree, 11, 10); // room for 11 rows and 10 pixels of the twelfth
    EXPECT_EQ(tree.HitTest(On(tree, 10)), 10);
    EXPECT_TRUE(tree.IsRowShown(10));
    const QPoint partly(On(tree, 11).x(), tree.RowRect(11).top() + 3);
    EXPECT_EQ(tree.HitTest(partly), -1);
    EXPECT_FALSE(tree.IsRowShown(11));
    EXPECT_EQ(tree.Click(partly), Changes{});
    EXPECT_EQ(tree.Current(), 0);

    // Beside a row's text, or above the view once scrolled, nothing is hit either.
    EXPECT_EQ(tree.HitTest(QPoint(tree.RowRect(1).right() + 5, On(tree, 1).y())), -1);
    tree.ScrollTo(2);
    EXPECT_EQ(tree.HitTest(QPoint(30, 1)), -1);
    EXPECT_EQ(tree.HitTest(On(tree, 2)), 2);
}

TEST(OptionTreeModelTest, KeysMoveTheCursorAndKeepItInView)
{
    COptionTreeModel tree = SettingsLikeTree(11);
    for (int i = 0; i < 10; ++i)
        tree.KeyDown(OptionKey::Down, false);
    EXPECT_EQ(tree.Current(), 10);
    EXPECT_EQ(tree.ScrollPosition(), 0);
    tree.KeyDown(OptionKey::Down, false);
    EXPECT_EQ(tree.Current(), 11);
    EXPECT_EQ(tree.ScrollPosition(), 1) << "the last visible row scrolls one row";

    tree.KeyDown(OptionKey::PageDown, false);
    EXPECT_EQ(tree.Current(), 14) << "ten rows on, bounded to the last";
    tree.KeyDown(OptionKey::PageUp, false);
    EXPECT_EQ(tree.Current(), 4);
    EXPECT_EQ(tree.ScrollPosition(), 4);
    tree.KeyDown(OptionKey::Up, false);
    EXPECT_EQ(tree.ScrollPosition(), 3) << "the first visible row scrolls one row";
    tree.KeyDown(OptionKey::Down, true);
    EXPECT_EQ(tree.Current(), 3) << "Ctrl scrolls without moving the cursor";
    EXPECT_EQ(tree.ScrollPosition(), 4);
    tree.KeyDown(OptionKey::Home, false);
    EXPECT_EQ(tree.Current(), 0);
    EXPECT_EQ(tree.ScrollPosition(), 0);
    tree.KeyDown(OptionKey::Up, false);
    EXPECT_EQ(tree.Current(), 0);

    tree.KeyDown(OptionKey::End, false);
    EXPECT_EQ(tree.KeyDown(OptionKey::Space, false), (Changes{{17, 1}}));
}

} // namespace
} // namespace orvane
