#include "store/upcoming_days.h"
#include "store/user.h"

#include "event_maker.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

// Puts an event on its own date in the numbering of `year`, as loading does.
static CEventRecord &Add(CUser &user, int year, int month, int day, const QString &name)
{
    return *user.Slot(CUser::SlotIndex(month, day, year)).AddTail(test::MakeEvent(month, day, name));
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
