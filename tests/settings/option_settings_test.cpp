#include "settings/autostart.h"
#include "settings/option_flags.h"
#include "settings/option_settings.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

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
    flags.WriteOptions(COptionFlags::kDefaultOptions & ~OptionBit::Autostart);
    settings.Load();
    settings.Apply(COptionSettings::kAutostartId, 1);
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
    }
}
