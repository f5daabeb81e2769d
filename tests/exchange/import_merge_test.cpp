#include "exchange/import_merge.h"
#include "store/clock.h"
#include "store/user.h"

#include "event_maker.h"
#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

class ImportMergeTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetSource([this] { return today; }); }
    void TearDown() override { Clock::SetSource({}); }

    void Import(int month, int day, const QString &name, const QString &category = u"День рождения"_s,
                const QString &notes = {}, bool selected = true)
    {
        CImportedEvent record{test::MakeEvent(month, day, name, notes), category};
        record.Selected = selected ? 1 : 0;
        list.AddTail(record);
    }
    CEventRecord &Existing(int month, int day, int category)
    {
        return *user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, u"old"_s, {}, category));
    }
    const CEventRecord &Last(int month, int day)
    {
        const CEventList &slot = user.GetDayEvents(month, day);
        EXPECT_FALSE(slot.IsEmpty());
        return *std::prev(slot.end());
    }
    MergeReport Merge() { return MergeImportedEvents(user, list); }

    QDate today{2026, 5, 10};
    CUser user;
    CImportList list;
};

TEST_F(ImportMergeTest, NewCategoryNamesGoBeforeTheLastOnceAndExistingEventsKeepTheirs)
{
    CEventRecord &birthday = Existing(1, 1, 0);
    CEventRecord &other = Existing(1, 1, 1);
    CEventRecord &outside = Existing(1, 2, 7); // shown under the second category
    Import(3, 8, u"a"_s, u"Коллеги"_s);
    Import(3, 8, u"b"_s, u"Коллеги"_s);
    Import(3, 9, u"c"_s, u"коллеги"_s); // another name: case counts
    Import(3, 9, u"d"_s, u"Остальное"_s);

    const MergeReport report = Merge();
    EXPECT_EQ(report.added, 4);
    EXPECT_TRUE(report.notes.empty());
    EXPECT_EQ(user.Categories(), (QStringList{u"День рождения"_s, u"Коллеги"_s, u"коллеги"_s, u"Остальное"_s}));
    const CEventList &eighth = user.GetDayEvents(3, 8);
    EXPECT_EQ(eighth.begin()->Category, 1);
    EXPECT_EQ(std::next(eighth.begin())->Category, 1);
    EXPECT_EQ(user.GetDayEvents(3, 9).begin()->Category, 2);
    EXPECT_EQ(Last(3, 9).Category, 3);
    EXPECT_EQ(birthday.Category, 0);
    EXPECT_EQ(other.Category, 3) << "still \"Остальное\"";
    EXPECT_EQ(outside.Category, 3) << "still shown under the old second category";

    const CEventRecord &added = *eighth.begin();
    EXPECT_EQ(added.Month, 3);
    EXPECT_EQ(added.Day, 8);
    EXPECT_EQ(added.Monitoring, 1);
    EXPECT_EQ(added.Selected, 0);
}

TEST_F(ImportMergeTest, OnlyRealDatesAreAddedAndEachLandsInItsSlot)
{
    for (const auto &[month, day] : {std::pair{13, 1}, {0, 5}, {-1, 1}, {1, 0}, {1, 32}, {2, 30}, {4, 31}, {11, 31}})
        Import(month, day, u"bad %1/%2"_s.arg(month).arg(day));
    Import(2, 29, u"leap"_s);
    Import(12, 31, u"eve"_s);
    Import(3, 1, u"march"_s);

    const MergeReport report = Merge();
    EXPECT_EQ(report.added, 3);
    EXPECT_EQ(report.skipped, 8);
    EXPECT_EQ(report.Count(MergeReason::NoSuchDate), 8);
    EXPECT_EQ(report.notes.front().name, u"bad 13/1"_s);
    EXPECT_FALSE(report.notes.front().Added());
    // 2026 is a common year: 29 February shares its slot with 1 March, as on the grid.
    EXPECT_EQ(user.Slot(59).GetCount(), 2);
    EXPECT_EQ(user.Slot(364).GetCount(), 1);
    int total = 0;
    for (int i = 0; i < kDaySlots; ++i)
        total += user.Slot(i).GetCount();
    EXPECT_EQ(total, 3);
}

TEST_F(ImportMergeTest, ADayNeverPassesFortyEvents)
{
    for (int i = 0; i < 39; ++i)
        Existing(5, 10, 0);
    Import(5, 10, u"fits"_s, u"Новая"_s);
    Import(5, 10, u"too many"_s, u"Ещё одна"_s);
    const MergeReport report = Merge();
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(report.Count(MergeReason::DayFull), 1);
    EXPECT_EQ(user.GetDayEvents(5, 10).GetCount(), 40);
    EXPECT_EQ(Last(5, 10).Name, u"fits"_s);
    EXPECT_FALSE(user.Categories().contains(u"Ещё одна"_s)) << "no category for an event not added";
}

TEST_F(ImportMergeTest, TheCategoryListStopsAtTen)
{
    for (int i = 0; i < 7; ++i)
        user.InsertCategory(1, u"c%1"_s.arg(i));
    Import(1, 1, u"ninth category"_s, u"Девятая"_s);   // 10 entries now
    Import(1, 1, u"would be eleventh"_s, u"Лишняя"_s);
    Import(1, 1, u"existing"_s, u"c3"_s);
    const MergeReport report = Merge();
    EXPECT_EQ(user.GetCategoryCount(), 10);
    EXPECT_EQ(user.GetCategory(8), u"Девятая"_s);
    EXPECT_EQ(user.GetCategory(9), u"Остальное"_s);
    EXPECT_EQ(report.added, 3);
    EXPECT_EQ(report.changed, 1);
    EXPECT_EQ(report.Count(MergeReason::CategoryListFull), 1);
    EXPECT_EQ(std::next(user.GetDayEvents(1, 1).begin())->Category, 9);
    EXPECT_EQ(user.GetCategory(Last(1, 1).Category), u"c3"_s);
}

TEST_F(ImportMergeTest, TextsAreBroughtWithinWhatTheCalendarHolds)
{
    Import(6, 1, QString(45, u'Я'), QString(25, u'к'), QString(300, u'n'));
    Import(6, 1, u"Смайлик 😀 日本"_s, u"Друзья ✓"_s, u"ok"_s);
    Import(6, 1, u"no category"_s, QString());
    Import(6, 1, u"plain"_s);

    const MergeReport report = Merge();
    EXPECT_EQ(report.added, 4);
    EXPECT_EQ(report.changed, 3);
    EXPECT_EQ(report.skipped, 0);
    const std::vector<CEventRecord> day(user.GetDayEvents(6, 1).begin(), user.GetDayEvents(6, 1).end());
    ASSERT_EQ(day.size(), 4u);
    EXPECT_EQ(day[0].Name, QString(40, u'Я'));
    EXPECT_EQ(day[0].Notes, QString(255, u'n'));
    EXPECT_EQ(user.GetCategory(day[0].Category), QString(20, u'к'));
    EXPECT_EQ(day[1].Name, u"Смайлик ? ??"_s);
    EXPECT_EQ(user.GetCategory(day[1].Category), u"Друзья ?"_s);
    EXPECT_EQ(day[2].Category, user.GetCategoryCount() - 1);
    EXPECT_EQ(report.notes[0].reasons,
              (std::vector{MergeReason::NameCut, MergeReason::NotesCut, MergeReason::CategoryCut}));
    EXPECT_EQ(report.notes[1].reasons, (std::vector{MergeReason::OutsideCodePage}));
    EXPECT_EQ(report.notes[2].reasons, (std::vector{MergeReason::NoCategory}));
    EXPECT_TRUE(report.notes[0].Added());
}

TEST_F(ImportMergeTest, UncheckedRecordsAreLeftOutAndDuplicatesAreAddedAgain)
{
    Import(7, 7, u"twice"_s);
    Import(7, 7, u"unchecked"_s, u"Никогда"_s, {}, false);
    EXPECT_EQ(Merge().added, 1);
    EXPECT_EQ(Merge().added, 1);
    EXPECT_EQ(user.GetDayEvents(7, 7).GetCount(), 2);
    EXPECT_FALSE(user.Categories().contains(u"Никогда"_s));
}

TEST_F(ImportMergeTest, TheMessageCountsWhatWasAddedSkippedAndChanged)
{
    Import(1, 1, u"ok"_s);
    EXPECT_EQ(MergeReportMessage(Merge()), u"Добавлено событий: 1."_s);

    list.RemoveAll();
    Import(2, 30, u"no date"_s);
    Import(13, 1, u"no date either"_s);
    Import(1, 1, QString(41, u'x'));
    Import(1, 1, u"😀"_s);
    EXPECT_EQ(MergeReportMessage(Merge()),
              u"Добавлено событий: 2.\n\n"
              "Не добавлено событий: 2\n    неверная дата: 2\n\n"
              "Добавлено с изменениями: 2\n    название сокращено до 40 символов: 1\n"
              "    недопустимые символы заменены на \"?\": 1"_s);
}

} // namespace
} // namespace orvane
