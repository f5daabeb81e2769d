#include "settings/autostart.h"
#include "settings/option_flags.h"
#include "settings/option_settings.h"
#include "settings/option_tree_model.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

class OptionSettingsTest : public ::testing::Test {
protected:
    quint32 Stored() { return m_flags.GetOptions(); } // read from the registry at every call
    QByteArray Hive() const { return test::readFile(m_dirs.hivePath()); }
    void Start(quint32 options)
    {
        m_flags.WriteOptions(options);
        m_settings.Load();
    }

    test::SandboxDirs m_dirs;
    CRegistryStore m_registry;
    COptionFlags m_flags{m_registry};
    CAutostart m_autostart{m_registry, u"/opt/orvane dir/bin/orvane"_s};
    COptionSettings m_settings{m_flags, m_autostart};
};

TEST_F(OptionSettingsTest, EachChangeWritesItsBitAndNothingElseAtOnce)
{
    // Bits without a row and above the known ones pass through; a group's row has no bit to change.
    const quint32 start = 0x0004 | 0x0020 | 0x40000;
    for (const SettingsRow &row : COptionSettings::Rows()) {
        if (row.nStringId == COptionSettings::kAutostartId)
            continue; // tested below
        Start(start);
        const bool tray = row.nStringId == COptionSettings::kTrayIconId;
        EXPECT_EQ(m_settings.Apply(row.nStringId, 1), tray ? std::optional(true) : std::nullopt) << row.nStringId;
        EXPECT_EQ(Stored(), start | row.nBit) << row.nStringId;
        EXPECT_EQ(m_settings.Apply(row.nStringId, 0), tray ? std::optional(false) : std::nullopt) << row.nStringId;
        EXPECT_EQ(Stored(), start) << row.nStringId;
    }
}

TEST(OptionFlagsTest, TheFirstSpanBitDecidesTheNoticeDays)
{
    for (const auto &[options, days] : {std::pair{0x0180u, 1}, std::pair{0x0300u, 3}, std::pair{0x0E00u, 5},
                                        std::pair{0x0C00u, 7}, std::pair{0x0800u, 10}, std::pair{0x0000u, 7},
                                        std::pair{0x307Fu, 7}})
        EXPECT_EQ(COptionFlags::MonitorDaysOf(options), days) << options;
}

TEST_F(OptionSettingsTest, AutostartWritesAndRemovesTheRunValueAndTheDesktopEntry)
{
    const QString entry = m_dirs.configDir() + u"/autostart/orvane.desktop"_s;
    Start(13335 & ~OptionBit::Autostart);
    m_settings.Apply(COptionSettings::kAutostartId, 1);
    EXPECT_EQ(Stored(), 13335u);
    EXPECT_TRUE(Hive().contains("\\Run]\n\"orvane\"=\"/opt/orvane dir/bin/orvane /monitoring\"\n")) << Hive().constData();
    EXPECT_TRUE(test::readFile(entry).contains("\nExec=\"/opt/orvane dir/bin/orvane\" /monitoring\n"));

    for (int i = 0; i < 2; ++i) { // switching off what is not there harms nothing
        m_settings.Apply(COptionSettings::kAutostartId, 0);
        EXPECT_EQ(Stored(), 13335u & ~OptionBit::Autostart) << "the monitor position bit stays";
        EXPECT_TRUE(Hive().contains("\\Run]\n") && !Hive().contains("\"orvane\"=")) << "the key stays, only the value goes";
        EXPECT_FALSE(QFileInfo::exists(entry));
    }
}

TEST_F(OptionSettingsTest, AnyPathIsQuotedForTheExecLineAndTheEntryIsValid)
{
    CAutostart(m_registry, u"/tmp/My \"odd\" $HOME `x` 100% back\\slash\ttab/orvane"_s).Enable();
    // Quoted with \ before " ` $ \ and %% for %, then the string escapes: \ doubles, tab is \t.
    EXPECT_TRUE(QString::fromUtf8(test::readFile(CAutostart::DesktopEntryPath()))
                    .contains(uR"(Exec="/tmp/My \\"odd\\" \\$HOME \\`x\\` 100%% back\\\\slash\ttab/orvane" /monitoring)"_s));
    QProcess validate;
    validate.start(u"desktop-file-validate"_s, {CAutostart::DesktopEntryPath()});
    ASSERT_TRUE(validate.waitForFinished(30000)) << "desktop-file-validate (desktop-file-utils)";
    EXPECT_EQ(validate.exitCode(), 0);
    EXPECT_EQ(validate.readAllStandardOutput(), QByteArray()) << "no warnings either";
}

} // namespace
} // namespace orvane
