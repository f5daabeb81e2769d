#include "settings/autostart.h"
#include "settings/option_flags.h"
#include "settings/option_settings.h"
#include "settings/option_tree_model.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

class OptionSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { Store(13335); }

    void Store(quint32 options) { m_flags.WriteOptions(options); }
    quint32 Stored()
    {
        qint32 value = -1;
        m_registry.ReadInt(u"Orvane"_s, u"OptionsFlag"_s, value);
        return static_cast<quint32>(value);
    }
    QString RunValue()
    {
        QString text;
        m_registry.GetStringValue(kRootCurrentUser,
                                  u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\orvane"_s, text);
        return text;
    }

    test::SandboxDirs m_dirs;
    CRegistryStore m_registry;
    COptionFlags m_flags{m_registry};
    CAutostart m_autostart{m_registry, u"/opt/orvane dir/bin/orvane"_s};
    COptionSettings m_settings{m_flags, m_autostart};
};

TEST_F(OptionSettingsTest, RowsComeInTheDialogsOrderAndAreOnWhenTheirBitIs)
{
    const auto &rows = COptionSettings::Rows();
    std::vector<int> ids;
    for (const SettingsRow &row : rows)
        ids.push_back(row.nStringId);
    EXPECT_EQ(ids, (std::vector<int>{60006, 60004, 60015, 60008, 60003, 60001, 60009, 60010, 60011,
                                     60012, 60013, 60014, 60007, 60016, 60000}));
    quint32 bits = 0;
    for (const SettingsRow &row : rows) {
        EXPECT_EQ(row.nBit == 0, row.nKind == kOptionGroup) << row.nStringId;
        EXPECT_EQ(bits & row.nBit, 0u) << "one row per bit";
        bits |= row.nBit;
    }
    EXPECT_EQ(bits, 0x3fdbu) << "every bit but the two without a row";

    Store(0x0081);
    m_settings.Load();
    for (const SettingsRow &row : rows)
        EXPECT_EQ(m_settings.IsOn(row), row.nStringId == 60010 || row.nStringId == 60000)
            << row.nStringId;
}

TEST_F(OptionSettingsTest, EachChangeWritesItsBitAndNothingElseAtOnce)
{
    // Bits without a row and above the known ones pass through.
    const quint32 start = 0x0004 | 0x0020 | 0x40000;
    for (const SettingsRow &row : COptionSettings::Rows()) {
        if (row.nKind == kOptionGroup || row.nStringId == COptionSettings::kAutostartId)
            continue;
        Store(start);
        m_settings.Load();
        m_settings.Apply(row.nStringId, 1);
        EXPECT_EQ(Stored(), start | row.nBit) << row.nStringId;
        m_settings.Apply(row.nStringId, 0);
        EXPECT_EQ(Stored(), start) << row.nStringId;
    }
    // An identifier of no row, a group's for one, changes nothing but still writes.
    Store(start);
    m_settings.Load();
    Store(1);
    EXPECT_EQ(m_settings.Apply(60006, 1), std::nullopt);
    EXPECT_EQ(Stored(), start);
}

TEST_F(OptionSettingsTest, OnlyTheTrayRowAsksForTheTrayIcon)
{
    m_settings.Load();
    EXPECT_EQ(m_settings.Apply(COptionSettings::kTrayIconId, 1), std::optional<bool>(true));
    EXPECT_EQ(m_settings.Apply(COptionSettings::kTrayIconId, 0), std::optional<bool>(false));
    EXPECT_EQ(m_settings.Apply(60001, 1), std::nullopt);
}

TEST_F(OptionSettingsTest, AutostartWritesAndRemovesTheRunValueAndTheDesktopEntry)
{
    const QString entry = m_dirs.configDir() + u"/autostart/orvane.desktop"_s;
    EXPECT_EQ(CAutostart::DesktopEntryPath(), entry);
    Store(13335 & ~OptionBit::Autostart);
    m_settings.Load();
    m_settings.Apply(COptionSettings::kAutostartId, 1);
    EXPECT_EQ(Stored(), 13335u);
    EXPECT_EQ(RunValue(), u"/opt/orvane dir/bin/orvane /monitoring"_s);
    EXPECT_TRUE(test::readFile(entry).contains("\nExec=\"/opt/orvane dir/bin/orvane\" /monitoring\n"));

    m_settings.Apply(COptionSettings::kAutostartId, 0);
    EXPECT_EQ(Stored(), 13335u & ~OptionBit::Autostart) << "the monitor position bit stays";
    EXPECT_EQ(RunValue(), QString());
    EXPECT_TRUE(test::readFile(m_dirs.hivePath()).contains("CurrentVersion\\Run]"))
        << "the key stays, only the value goes";
    EXPECT_FALSE(QFileInfo::exists(entry));

    // Switching off what is not there reports nothing and harms nothing.
    m_settings.Apply(COptionSettings::kAutostartId, 0);
    EXPECT_EQ(Stored(), 13335u & ~OptionBit::Autostart);
}

TEST(AutostartEntryTest, AnyPathIsQuotedForTheExecLineAndTheEntryIsValid)
{
    test::SandboxDirs dirs;
    CRegistryStore registry;
    const QString path = u"/tmp/My \"odd\" $HOME `x` 100% back\\slash\ttab/orvane"_s;
    CAutostart autostart(registry, path);
    autostart.Enable();
    // Quoted with \ before " ` $ \ and %% for %, then the string escapes: \ doubles, tab is \t.
    EXPECT_TRUE(QString::fromUtf8(test::readFile(CAutostart::DesktopEntryPath()))
                    .contains(uR"(Exec="/tmp/My \\"odd\\" \\$HOME \\`x\\` 100%% back\\\\slash\ttab/orvane" /monitoring)"_s));

    QProcess validate;
    validate.start(u"desktop-file-validate"_s, {CAutostart::DesktopEntryPath()});
    ASSERT_TRUE(validate.waitForFinished(30000)) << "desktop-file-validate (desktop-file-utils)";
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().constData();
    EXPECT_EQ(validate.readAllStandardOutput(), QByteArray()) << "no warnings either";
}

} // namespace
} // namespace orvane
