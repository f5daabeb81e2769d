// Days of the calendar: where a date's events are kept, an edit of a day, and the days to come.
#include "store/coming_days.h"
#include "store/day_addressing.h"
#include "store/day_edit.h"
#include "store/upcoming_days.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

TEST(DayAddressing, DaysAndSlotsAcrossLeapAndCommonYears)
{
    // Month, day, year and the day of the year; the day is not checked against the month.
    const std::array<int, 4> cases[] = {{3, 1, 2004, 61}, {3, 1, 2005, 60}, {3, 1, 2100, 60}, {12, 31, 2000, 366},
                                        {12, 31, 2001, 365}, {2, 31, 2005, 62}, {13, 1, 2005, 0}, {0, 1, 2005, 0},
                                        {1, 32, 2005, 0}, {1, 0, 2005, 0}};
    for (const auto &[month, day, year, dayOfYear] : cases) {
        EXPECT_EQ(DayOfYear(month, day, year), dayOfYear) << month << '/' << day << '/' << year;
        EXPECT_EQ(CUser::SlotIndex(month, day, year), dayOfYear - 1);
    }
    EXPECT_EQ(DaysInMonth(0, 2000), 0);
    EXPECT_EQ(CUser::SlotIndex(2, 29, 2025), 59) << "29 February of a common year is 1 March";

    // So both are in slot 59 when placed for a common year: an event whose own slot is full stays where it was.
    CUser user;
    for (int i = 0; i < CEventList::kMaxEvents; ++i)
        user.Slot(59).AddTail(test::MakeEvent(2, 29, u"e"_s));
    user.Slot(60).AddTail(test::MakeEvent(3, 1, u"март"_s));
    user.PlaceForYear(2025);
    EXPECT_EQ(std::pair(user.Slot(59).GetCount(), user.Slot(60).GetCount()), std::pair(CEventList::kMaxEvents, 1));
}

// An edit that deletes "Работа" and inserts a category before the last renumbers the other days'
// events: a deleted category's go to the last, and those outside the list follow the second
// category, deleted here, to the last.
TEST(DayEdit, OtherDaysEventsFollowTheirCategories)
{
    CUser user;
    user.SetCategories({u"День рождения"_s, u"Работа"_s, u"Дача"_s, u"Остальное"_s});
    for (const int category : {0, 1, 2, 3, 7, -1})
        user.Slot(0).AddTail(test::MakeEvent(1, 1, QString::number(category), {}, category));
    CommitDayEdit(user, 3, 5, {{u"День рождения"_s, 0}, {u"Дача"_s, 2}, {u"Отпуск"_s, -1}, {u"Остальное"_s, 3}}, {});
    QList<int> categories;
    for (const CEventRecord &event : user.Slot(0))
        categories << event.Category;
    EXPECT_EQ(categories, (QList<int>{0, 3, 1, 3, 3, 3}));
}

// Puts an event on its own date in the numbering of `year`, as loading does.
static CEventRecord &Add(CUser &user, int year, int month, int day, const QString &name)
{
    return *user.Slot(CUser::SlotIndex(month, day, year)).AddTail(test::MakeEvent(month, day, name));
}

// An event keeps its notify flag at load while its next occurrence is within the span, across
// month and year ends; 29 February's comes with 1 March in a common year, as it is announced.
TEST(ComingDays, FollowRealDatesAcrossMonthAndYearEnds)
{
    const struct {
        QDate today;
        int span, month, day;
        bool coming;
    } cases[] = {
        {{2026, 12, 28}, 10, 1, 1, true},   {{2026, 12, 20}, 10, 1, 1, false}, {{2026, 2, 26}, 3, 3, 1, true},
        {{2026, 5, 10}, 10, 5, 9, false},   {{2026, 5, 10}, 0, 5, 10, true},   {{2027, 2, 27}, 5, 2, 29, true},
        {{2028, 2, 27}, 1, 2, 29, false},   {{2028, 2, 27}, 2, 2, 29, true},   {{2026, 1, 1}, 400, 12, 31, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CComingDays(c.today, c.span).Contains(c.month, c.day), c.coming)
            << c.today.toString(Qt::ISODate).toStdString() << " +" << c.span << ": " << c.month << "/" << c.day;
}

TEST(UpcomingDays, AYearAheadSharesTheEndOfFebruaryByTheEventsOwnDatesInHeadingsWithPlurals)
{
    // Placed for 2027 (common): slot 59 holds 1 March and 29 February. Walking into 2028 (leap).
    CUser user;
    Add(user, 2027, 3, 1, u"март"_s);
    Add(user, 2027, 2, 29, u"високосный"_s);
    Add(user, 2027, 3, 2, u"без оповещения"_s).Monitoring = 0;
    EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, QDate(2027, 3, 1), 366)),
              u"Сегодня: 1, Март (Понедельник).\n  март\n  високосный\n"
              "Через 365 дней: 29, Февраль (Вторник).\n  високосный\n"
              "Через 366 дней: 1, Март (Среда).\n  март\n"_s);

    // Placed for 2028 (leap), walking into 2029 (common): 29 February comes on 1 March, a Thursday.
    user = CUser();
    Add(user, 2028, 3, 1, u"март"_s);
    Add(user, 2028, 2, 29, u"високосный"_s);
    EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, QDate(2028, 3, 2), 366)),
              u"Через 364 дня: 29, Февраль (Четверг).\n  високосный\n  март\n"_s);

    // The plural after the number goes by its last two digits.
    for (const auto &[offset, heading] : {std::pair{11, u"Через 11 дней:"_s}, std::pair{101, u"Через 101 день:"_s},
                                          std::pair{112, u"Через 112 дней:"_s}, std::pair{122, u"Через 122 дня:"_s}})
        EXPECT_EQ(UpcomingHeading(offset), heading);
}

// The days after the last announced one up to yesterday, 31 at most, come first under one
// heading, on their real dates across New Year and the end of February.
TEST(UpcomingDays, MissedDaysFollowRealDatesUpToThirtyOne)
{
    const struct {
        QDate today, through;
        QString text;
    } cases[] = {
        {{2028, 1, 2}, {2027, 12, 29}, u"Пропущено: 31, Декабрь (Пятница).\n  декабрь\n1, Январь (Суббота).\n  январь\n"_s},
        {{2028, 3, 2}, {2028, 2, 27}, u"Пропущено: 29, Февраль (Вторник).\n  високосный\n1, Март (Среда).\n  март\n"_s},
        {{2027, 3, 2}, {2027, 2, 27}, u"Пропущено: 29, Февраль (Понедельник).\n  високосный\n  март\n"_s},
        {{2026, 5, 10}, {2025, 1, 1}, u"Пропущено: 9, Апрель (Четверг).\n  9 апреля\n"_s},
        {{2026, 5, 10}, {2026, 5, 9}, {}},
    };
    for (const auto &c : cases) {
        CUser user;
        for (const auto &[month, day, name] : {std::tuple{12, 31, u"декабрь"_s}, std::tuple{1, 1, u"январь"_s},
                                               std::tuple{2, 29, u"високосный"_s}, std::tuple{3, 1, u"март"_s},
                                               std::tuple{4, 8, u"8 апреля"_s}, std::tuple{4, 9, u"9 апреля"_s}})
            Add(user, c.today.year(), month, day, name);
        EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, c.today, 0, c.through)), c.text) << c.today.toString(Qt::ISODate).toStdString();
    }
}
