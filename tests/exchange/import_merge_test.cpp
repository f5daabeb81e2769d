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
    void SetUp() override { Clock::SetSource([] { return QDate(2026, 5, 10); }); }
    void TearDown() override { Clock::SetSource({}); }

    void Import(int month, int day, const QString &name, const QString &category = u"День рождения"_s,
                const QString &notes = {}, bool selected = true)
    {
        list.AddTail({test::MakeEvent(month, day, name, notes), category})->Selected = selected;
    }
    CEventRecord &Existing(int month, int day, int category)
    {
        return *user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, u"old"_s, {}, category));
    }
    std::vector<CEventRecord> Day(int month, int day) { return {user.GetDayEvents(month, day).begin(), user.GetDayEvents(month, day).end()}; }

    CUser user;
    CImportList list;
};

// Records without a real date or room in their day are left out; texts are cut and recoded to
// what the calendar holds; new categories go before the last, existing events keep theirs; the
// message counts each reason.
TEST_F(ImportMergeTest, EachRecordIsAddedFittedOrLeftOutAndTheMessageSaysWhy)
{
    const CEventRecord &birthday = Existing(1, 1, 0);
    const CEventRecord &other = Existing(1, 1, 1);
    const CEventRecord &outside = Existing(1, 2, 7); // shown under the second category
    for (const auto &[month, day] : {std::pair{13, 1}, {0, 5}, {-1, 1}, {1, 0}, {1, 32}, {2, 30}, {4, 31}, {11, 31}})
        Import(month, day, u"bad %1/%2"_s.arg(month).arg(day));
    Import(2, 29, u"leap"_s);
    Import(12, 31, u"eve"_s, u"Остальное"_s);
    Import(3, 1, u"march"_s, u"новая"_s); // another name: case counts
    for (int i = 0; i < 39; ++i)
        Existing(5, 10, 0);
    Import(5, 10, u"fits"_s, u"Новая"_s);
    Import(5, 10, u"too many"_s, u"Ещё одна"_s);
    Import(6, 1, QString(45, u'Я'), QString(25, u'к'), QString(300, u'n'));
    Import(6, 1, u"Смайлик 😀 日本"_s, u"Друзья ✓"_s, u"ok"_s);
    Import(6, 1, u"no category"_s, QString());
    list.AddTail({test::MakeEvent(6, 1, u"none expected"_s), QString(), false})->Selected = 1; // no note
    Import(6, 1, u"again"_s, u"Новая"_s);
    Import(7, 7, u"unchecked"_s, u"Никогда"_s, {}, false);

    const MergeReport report = MergeImportedEvents(user, list);
    EXPECT_EQ(user.Slot(59).GetCount(), 2) << "2026 is a common year: 29 February shares its slot with 1 March";
    EXPECT_EQ(user.Categories(), (QStringList{u"День рождения"_s, u"новая"_s, u"Новая"_s, QString(20, u'к'), u"Друзья ?"_s, u"Остальное"_s}));
    EXPECT_EQ(std::tuple(birthday.Category, other.Category, outside.Category), std::tuple(0, 5, 5));
    const std::vector<CEventRecord> day = Day(6, 1);
    ASSERT_EQ(day.size(), 5u);
    EXPECT_EQ(std::tuple(day[0].Name, day[0].Notes, day[0].Category), std::tuple(QString(40, u'Я'), QString(255, u'n'), 3));
    EXPECT_EQ(std::tuple(day[1].Name, day[1].Category, day[2].Category, day[3].Category, day[4].Category),
              std::tuple(u"Смайлик ? ??"_s, 4, 5, 5, 2));
    EXPECT_EQ(MergeReportMessage(report),
              u"Добавлено событий: 9.\n\n"
              "Не добавлено событий: 9\n    неверная дата: 8\n    в этом дне уже 40 событий: 1\n\n"
              "Добавлено с изменениями: 3\n    категория не указана, событие отнесено к последней: 1\n"
              "    название категории сокращено до 20 символов: 1\n    название сокращено до 40 символов: 1\n"
              "    описание сокращено до 255 символов: 1\n    недопустимые символы заменены на \"?\": 1"_s);
}

TEST_F(ImportMergeTest, TheCategoryListStopsAtTen)
{
    for (int i = 0; i < 7; ++i)
        user.InsertCategory(1, u"c%1"_s.arg(i));
    Import(1, 1, u"ninth category"_s, u"Девятая"_s); // 10 entries now
    Import(1, 1, u"would be eleventh"_s, u"Лишняя"_s);
    Import(1, 1, u"existing"_s, u"c3"_s);
    const MergeReport report = MergeImportedEvents(user, list);
    EXPECT_EQ(std::tuple(report.added, report.changed, report.Count(MergeReason::CategoryListFull)), std::tuple(3, 1, 1));
    EXPECT_EQ(user.Categories().mid(8), (QStringList{u"Девятая"_s, u"Остальное"_s})) << "ten in all";
    EXPECT_EQ(Day(1, 1)[1].Category, 9);
    EXPECT_EQ(user.GetCategory(Day(1, 1)[2].Category), u"c3"_s);
}

} // namespace
} // namespace orvane
