#include "res/string_table.h"
#include "ui/main/status_hint_tracker.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

TEST(StatusHintTrackerTest, HintsForANewDayAndForTheRestingCursor)
{
    CStatusHintTracker hints;
    EXPECT_EQ(hints.Tick(0, 0, true), res::StringId::PropertiesHint);
    EXPECT_EQ(hints.Tick(0, 0, true), res::StringId::PropertiesHint);
    EXPECT_EQ(hints.Tick(0, 0, false), 0); // on a move strip or outside the window
    EXPECT_EQ(hints.Tick(5, 12, true), res::StringId::AddEventHint);
    EXPECT_EQ(hints.Tick(5, 12, true), 0); // still the same day
    EXPECT_EQ(hints.Tick(5, 13, true), res::StringId::AddEventHint);
    EXPECT_EQ(hints.Tick(0, 0, true), 0);  // just left the days
    EXPECT_EQ(hints.Tick(0, 0, true), res::StringId::PropertiesHint);
    EXPECT_EQ(hints.Tick(6, 13, true), res::StringId::AddEventHint);
    EXPECT_EQ(hints.Tick(7, 13, true), 0); // another month, the same day number
}

TEST(StringTableTest, HintsAndMissingEntries)
{
    EXPECT_EQ(res::LoadString(res::StringId::MoveWindow), u"Переместить..."_s);
    EXPECT_EQ(res::LoadString(res::StringId::WeekdayFormat), u"%s  "_s);
    EXPECT_TRUE(res::LoadString(4242).isNull());
}

} // namespace
} // namespace orvane
