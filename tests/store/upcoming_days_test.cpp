#include "store/upcoming_days.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

// Puts an event on its own date in the numbering of `year`, as loading does.
void Add(CUser &user, int year, int month, int day, const QString &name)
{
    user.Slot(CUser::SlotIndex(month, day, year)).AddTail(test::MakeEvent(month, day, name));
}

QStringList Names(const UpcomingDay &day)
{
    QStringList out;
    for (const CEventRecord *e : day.events)
        out << e->Name;
    return out;
}

} // namespace

TEST(UpcomingDays, AYearAheadSharesTheEndOfFebruaryByTheEventsOwnDates)
{
    // Placed for 2027 (common): slot 59 holds 1 March and 29 February. Walking into 2028 (leap).
    CUser user;
    Add(user, 2027, 3, 1, QStringLiteral("март"));
    Add(user, 2027, 2, 29, QStringLiteral("високосный"));
    std::vector<UpcomingDay> days = FindUpcomingDays(user, QDate(2027, 3, 1), 366);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(Names(days[0]), (QStringList{QStringLiteral("март"), QStringLiteral("високосный")}));
    EXPECT_EQ(days[1].date, QDate(2028, 2, 29));
    EXPECT_EQ(days[1].heading, QStringLiteral("Через 365 дней:"));
    EXPECT_EQ(Names(days[1]), QStringList{QStringLiteral("високосный")});
    EXPECT_EQ(days[2].date, QDate(2028, 3, 1));
    EXPECT_EQ(Names(days[2]), QStringList{QStringLiteral("март")});

    // Placed for 2028 (leap), walking into 2029 (common): 29 February comes on 1 March.
    user = CUser();
    Add(user, 2028, 3, 1, QStringLiteral("март"));
    Add(user, 2028, 2, 29, QStringLiteral("високосный"));
    days = FindUpcomingDays(user, QDate(2028, 3, 2), 366);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].date, QDate(2029, 3, 1));
    EXPECT_EQ(Names(days[0]), (QStringList{QStringLiteral("високосный"), QStringLiteral("март")}));
    EXPECT_EQ(days[0].dateLine, QStringLiteral("29, Февраль (Четверг).")) << "1 March 2029 is a Thursday";
}

TEST(UpcomingDays, HeadingsAndTheTextForm)
{
    const std::pair<int, const char *> headings[] = {
        {0, "Сегодня:"}, {1, "Завтра:"}, {2, "Послезавтра:"}, {3, "Через 3 дня:"}, {4, "Через 4 дня:"},
        {5, "Через 5 дней:"}, {10, "Через 10 дней:"}, {11, "Через 11 дней:"}, {21, "Через 21 день:"},
        {22, "Через 22 дня:"}, {101, "Через 101 день:"}, {112, "Через 112 дней:"}};
    for (const auto &[offset, heading] : headings)
        EXPECT_EQ(UpcomingHeading(offset), QString::fromUtf8(heading));
    CUser user;
    Add(user, 2026, 5, 11, QStringLiteral("Иван"));
    Add(user, 2026, 5, 11, QStringLiteral("Мария"));
    user.Slot(CUser::SlotIndex(5, 12, 2026)).AddTail(test::MakeEvent(5, 12, QStringLiteral("без оповещения")))->Monitoring = 0;
    EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, QDate(2026, 5, 10), 7)),
              QStringLiteral("Завтра: 11, Май (Понедельник).\n  Иван\n  Мария\n"));
}
