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

} // namespace

TEST(UpcomingDays, AYearAheadSharesTheEndOfFebruaryByTheEventsOwnDates)
{
    // Placed for 2027 (common): slot 59 holds 1 March and 29 February. Walking into 2028 (leap).
    CUser user;
    Add(user, 2027, 3, 1, QStringLiteral("март"));
    Add(user, 2027, 2, 29, QStringLiteral("високосный"));
    EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, QDate(2027, 3, 1), 366)),
              QStringLiteral("Сегодня: 1, Март (Понедельник).\n  март\n  високосный\n"
                             "Через 365 дней: 29, Февраль (Вторник).\n  високосный\n"
                             "Через 366 дней: 1, Март (Среда).\n  март\n"));

    // Placed for 2028 (leap), walking into 2029 (common): 29 February comes on 1 March, a Thursday.
    user = CUser();
    Add(user, 2028, 3, 1, QStringLiteral("март"));
    Add(user, 2028, 2, 29, QStringLiteral("високосный"));
    EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, QDate(2028, 3, 2), 366)),
              QStringLiteral("Через 364 дня: 29, Февраль (Четверг).\n  високосный\n  март\n"));
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
