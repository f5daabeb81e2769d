#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "test_env.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

class OptionFlagsTest : public ::testing::Test {
protected:
    QString StoredText()
    {
        QString text;
        m_store.GetStringValue(kRootCurrentUser, u"SOFTWARE\\Orvane\\OptionsFlag"_s, text);
        return text;
    }

    test::SandboxDirs m_dirs;
    CRegistryStore m_store;
    COptionFlags m_flags{m_store};
};

TEST_F(OptionFlagsTest, MissingFlagsGiveTheDefaultAndWriteItBack)
{
    EXPECT_EQ(m_flags.m_nOptions, 0u);
    EXPECT_EQ(m_flags.GetOptions(), 13335u);
    EXPECT_EQ(m_flags.m_nOptions, 13335u);
    EXPECT_EQ(StoredText(), u"13335"_s);
    EXPECT_EQ(m_flags.GetMonitorDays(), 7);
}

TEST_F(OptionFlagsTest, UnreadableFlagsAreReplacedByTheDefault)
{
    test::writeFile(m_dirs.hivePath(), "Windows Registry Editor Version 5.00\n\n"
                                       "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
                                       "\"OptionsFlag\"=hex:80,01,00,00\n");
    EXPECT_EQ(m_flags.GetOptions(), 13335u);
    EXPECT_EQ(StoredText(), u"13335"_s);
}

TEST_F(OptionFlagsTest, EveryCallRereadsTheRegistry)
{
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, 0x0180), 1);
    EXPECT_EQ(m_flags.GetOptions(), 0x0180u);
    EXPECT_EQ(m_flags.GetMonitorDays(), 1);

    // Bits above the known ones pass through, the top bit as a negative decimal.
    ASSERT_EQ(m_store.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(0x80000800u)), 1);
    EXPECT_EQ(m_flags.GetOptions(), 0x80000800u);
    EXPECT_EQ(m_flags.GetMonitorDays(), 10);
}

TEST(OptionFlagsDaysTest, TheFirstSpanBitDecides)
{
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x0180), 1);
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x0300), 3);
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x0E00), 5);
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x0C00), 7);
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x0800), 10);
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x0000), 7);
    EXPECT_EQ(COptionFlags::MonitorDaysOf(0x307F), 7);
}

} // namespace
} // namespace orvane
