// The options: autostart switched on and off, and the tree of options the settings show.
#include "settings/autostart.h"
#include "settings/option_flags.h"
#include "settings/option_settings.h"
#include "settings/option_tree_model.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

using Changes = std::vector<OptionChange>;

// Autostart switched on writes the Run value and a desktop entry whose Exec line quotes any path;
// switched off, twice, it takes both away and leaves the other bits as they were.
TEST(OptionSettingsTest, AutostartQuotesAnyPathAndSwitchedOffLeavesNothing)
{
    const test::SandboxDirs dirs;
    CRegistryStore registry;
    COptionFlags flags{registry};
    const QString program = u"/tmp/My \"odd\" $HOME `x` 100% back\\slash\ttab/orvane"_s;
    CAutostart autostart{registry, program};
    COptionSettings settings{flags, autostart};
    // A fresh configuration's bit alone starts nothing: the row shows off until switched on.
    const SettingsRow &row = COptionSettings::Rows()[13];
    ASSERT_EQ(row.nStringId, COptionSettings::kAutostartId);
    settings.Load();
    EXPECT_FALSE(settings.IsOn(row));
    settings.Apply(COptionSettings::kAutostartId, 1);
    EXPECT_TRUE(settings.IsOn(row));
    EXPECT_EQ(flags.GetOptions(), COptionFlags::kDefaultOptions);
    const QString runValue = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s;
    QString run;
    EXPECT_EQ(registry.GetStringValue(kRootCurrentUser, runValue, run), 1);
    EXPECT_EQ(run, program + u" /monitoring"_s);
    // Quoted with \ before " ` $ \ and %% for %, then the string escapes: \ doubles, tab is \t.
    EXPECT_TRUE(QString::fromUtf8(test::readFile(CAutostart::DesktopEntryPath()))
                    .contains(uR"(Exec="/tmp/My \\"odd\\" \\$HOME \\`x\\` 100%% back\\\\slash\ttab/orvane" /monitoring)"_s));

    settings.Apply(COptionSettings::Rows().front().nStringId, 0); // a group's row, with no bit to change
    for (int i = 0; i < 2; ++i) { // switching off what is not there harms nothing
        settings.Apply(COptionSettings::kAutostartId, 0);
        EXPECT_EQ(flags.GetOptions(), COptionFlags::kDefaultOptions & ~OptionBit::Autostart);
        EXPECT_EQ(registry.GetStringValue(kRootCurrentUser, runValue, run), 0);
        EXPECT_FALSE(QFileInfo::exists(CAutostart::DesktopEntryPath()));
        EXPECT_FALSE(settings.IsOn(row));
    }
}

// A tree written as letters, one a row: g a group, c a check, r a radio, upper case for one that is
// on; each row's identifier is its index. Laid out with every text 100 pixels wide and room for
// `rows` whole rows and `extra` pixels.
static COptionTreeModel Tree(QStringView letters, int rows, int extra = 0)
{
    COptionTreeModel tree;
    for (int i = 0; i < letters.size(); ++i) {
        if (letters[i] == u'g')
            tree.AddGroup(u"group"_s, 0, 0);
        else if (letters[i].toLower() == u'c')
            tree.AddCheck(u"item"_s, letters[i].isUpper(), 1, i);
        else
            tree.AddRadio(u"item"_s, letters[i].isUpper(), 1, i);
    }
    tree.SetScrollBarWidth(16);
    tree.SetClientSize(QSize(300, 2 * COptionTreeModel::kBorder + rows * COptionTreeModel::kRowHeight + extra));
    tree.Layout([](const QString &) { return 100; });
    return tree;
}

// Fifteen rows as in the settings: a group, five checks, a group with a run of five radios, a group and two checks.
constexpr QStringView kSettingsLike = u"gcccccgrrrRrgCc";

static QPoint On(const COptionTreeModel &tree, int index) { return tree.RowRect(index).center(); }

TEST(OptionTreeModelTest, KeysKeepTheCursorInViewAndClicksSwitchRadiosOffFirstButNotOnAPartlyShownRow)
{
    COptionTreeModel tree = Tree(kSettingsLike, 11, 10); // room for 11 rows and 10 pixels of the twelfth
    EXPECT_EQ(std::pair(tree.IsRowShown(10), tree.IsRowShown(11)), std::pair(true, false));
    EXPECT_EQ(tree.Click(QPoint(On(tree, 11).x(), tree.RowRect(11).top() + 3)), Changes{});
    // Beside a row's text nothing is hit either.
    EXPECT_EQ(tree.HitTest(QPoint(tree.RowRect(1).right() + 5, On(tree, 1).y())), -1);

    // Each key with the cursor and scroll position it leaves.
    using enum OptionKey;
    const std::tuple<OptionKey, bool, int, int> steps[] = {
        {Up, false, 0, 0},      {PageDown, false, 10, 0}, {Down, false, 11, 1},  {PageDown, false, 14, 4},
        {PageUp, false, 4, 4},  {Up, false, 3, 3},        {Down, true, 3, 4},    {Up, true, 3, 3},
        {Home, false, 0, 0},    {PageUp, false, 0, 0},    {End, false, 14, 4},   {PageDown, false, 14, 4},
        {End, false, 14, 4},    {Down, false, 14, 4},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        const auto &[key, control, current, scroll] = steps[i];
        EXPECT_EQ(tree.KeyDown(key, control), Changes{});
        EXPECT_EQ(std::pair(tree.Current(), tree.ScrollPosition()), std::pair(current, scroll));
    }
    EXPECT_EQ(tree.KeyDown(OptionKey::Space, false), (Changes{{14, 1}}));
    EXPECT_EQ(tree.HitTest(QPoint(30, 1)), -1) << "above the view once scrolled";

    // Clicks: a radio going on switches the one that was on off first, above it or below.
    EXPECT_EQ(tree.Click(On(tree, 10)), Changes{}) << "the radio that is on";
    EXPECT_EQ(tree.Click(On(tree, 8)), (Changes{{10, 0}, {8, 1}}));
    EXPECT_EQ(tree.Click(On(tree, 11)), (Changes{{8, 0}, {11, 1}}));
    EXPECT_EQ(tree.Click(On(tree, 13)), (Changes{{13, 0}}));
    EXPECT_EQ(tree.Click(On(tree, 6)), Changes{}) << "a group changes nothing";
    EXPECT_EQ(tree.Current(), 6) << "but takes the cursor";
    COptionTreeModel runs = Tree(u"RrcRgRr", 10); // runs separated by a check or a group are independent
    EXPECT_EQ(runs.Click(On(runs, 1)), (Changes{{0, 0}, {1, 1}}));
    EXPECT_EQ(runs.Click(On(runs, 6)), (Changes{{5, 0}, {6, 1}}));
}
