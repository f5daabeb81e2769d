#include "store/upcoming_days.h"
#include "store/user.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

// Puts an event on its own date in the numbering of `year`, as loading does.
void Add(CUser &user, int year, int month, int day, const QString &name, int monitoring = 1)
{
    CEventRecord e;
    e.Name = name;
    e.Month = month;
    e.Day = day;
    e.Monitoring = monitoring;
    user.Slot(CUser::SlotIndex(month, day, year)).AddTail(e);
}

// Every day from `from` through `to` holds one flagged event named after its date.
CUser EveryDay(QDate from, QDate to, int year)
{
    CUser user;
    for (QDate d = from; d <= to; d = d.addDays(1))
        Add(user, year, d.month(), d.day(), d.toString(Qt::ISODate));
    return user;
}

QStringList Dates(const std::vector<UpcomingDay> &days)
{
    QStringList out;
    for (const UpcomingDay &day : days)
        out << day.date.toString(Qt::ISODate);
    return out;
}

QStringList Headings(const std::vector<UpcomingDay> &days)
{
    QStringList out;
    for (const UpcomingDay &day : days)
        out << day.heading;
    return out;
}

QStringList Names(const UpcomingDay &day)
{
    QStringList out;
    for (const CEventRecord *e : day.events)
        out << e->Name;
    return out;
}

const QStringList kTenDayHeadings{
    QStringLiteral("Сегодня:"), QStringLiteral("Завтра:"), QStringLiteral("Послезавтра:"),
    QStringLiteral("Через 3 дня:"), QStringLiteral("Через 4 дня:"), QStringLiteral("Через 5 дней:"),
    QStringLiteral("Через 6 дней:"), QStringLiteral("Через 7 дней:"), QStringLiteral("Через 8 дней:"),
    QStringLiteral("Через 9 дней:"), QStringLiteral("Через 10 дней:")};

} // namespace

TEST(UpcomingDays, TenDaysTakeTheirHeadingsAndDaysWithoutFlaggedEventsAreLeftOut)
{
    const QDate today(2026, 5, 10);
    CUser user = EveryDay(today, today.addDays(10), 2026);
    EXPECT_EQ(Headings(FindUpcomingDays(user, today, 10)), kTenDayHeadings);

    // 12 May: its only event unflagged. 13 May: first an unflagged event of 12 May (kept here
    // when that day was full), then its own unflagged one, then a flagged one.
    user.Slot(CUser::SlotIndex(5, 12, 2026)).begin()->Monitoring = 0;
    CEventList &thirteenth = user.Slot(CUser::SlotIndex(5, 13, 2026));
    thirteenth.begin()->Monitoring = 0;
    CEventRecord kept = *thirteenth.begin();
    kept.Day = 12;
    thirteenth.AddHead(kept);
    CEventRecord flagged = *thirteenth.begin();
    flagged.Name = QStringLiteral("Пётр");
    flagged.Monitoring = 1;
    thirteenth.AddTail(flagged);

    const std::vector<UpcomingDay> days = FindUpcomingDays(user, today, 10);
    EXPECT_FALSE(Dates(days).contains(QStringLiteral("2026-05-12")));
    ASSERT_EQ(days[2].date, QDate(2026, 5, 13));
    EXPECT_EQ(days[2].heading, QStringLiteral("Через 3 дня:"));
    EXPECT_EQ(Names(days[2]), QStringList{QStringLiteral("Пётр")});
    EXPECT_EQ(days[2].dateLine, QStringLiteral("12, Май (Вторник)."));
    EXPECT_EQ(days[0].dateLine, QStringLiteral("10, Май (Воскресенье)."));

    EXPECT_EQ(FindUpcomingDays(user, today, 0).size(), 1u);
    EXPECT_TRUE(FindUpcomingDays(CUser(), today, 10).empty());
}

TEST(UpcomingDays, TheWalkFollowsRealDatesAcrossFebruaryAndTheNewYear)
{
    // A leap year from 28 December: 28..31 December (slots 362..365), then 1..7 January.
    const QDate leapDecember(2024, 12, 28);
    CUser user = EveryDay(QDate(2024, 12, 28), QDate(2024, 12, 31), 2024);
    for (int day = 1; day <= 7; ++day)
        Add(user, 2024, 1, day, QStringLiteral("2025-01-0%1").arg(day));
    std::vector<UpcomingDay> days = FindUpcomingDays(user, leapDecember, 10);
    EXPECT_EQ(Names(days.back()), QStringList{QStringLiteral("2025-01-07")});
    EXPECT_EQ(Dates(days), (QStringList{QStringLiteral("2024-12-28"), QStringLiteral("2024-12-29"),
                                        QStringLiteral("2024-12-30"), QStringLiteral("2024-12-31"),
                                        QStringLiteral("2025-01-01"), QStringLiteral("2025-01-02"),
                                        QStringLiteral("2025-01-03"), QStringLiteral("2025-01-04"),
                                        QStringLiteral("2025-01-05"), QStringLiteral("2025-01-06"),
                                        QStringLiteral("2025-01-07")}));
    EXPECT_EQ(Headings(days), kTenDayHeadings);
    EXPECT_EQ(days[4].dateLine, QStringLiteral("1, Январь (Среда).")) << "the weekday of the new year";

    // A common year from 31 December: slot 365 holds no date and is not taken for 1 January.
    user = EveryDay(QDate(2025, 12, 31), QDate(2025, 12, 31), 2025);
    for (int day = 1; day <= 10; ++day)
        Add(user, 2025, 1, day, QString::number(day));
    Add(user, 2025, 12, 31, QStringLiteral("orphan"));
    user.Slot(365).AddTail(*user.Slot(364).begin());
    days = FindUpcomingDays(user, QDate(2025, 12, 31), 10);
    ASSERT_EQ(days.size(), 11u);
    EXPECT_EQ(Headings(days), kTenDayHeadings);
    EXPECT_EQ(days[1].date, QDate(2026, 1, 1));
    EXPECT_EQ(Names(days[1]), QStringList{QStringLiteral("1")});
    EXPECT_EQ(days[10].date, QDate(2026, 1, 10));

    // 26 February through 8 March: 29 February only in the leap year, 1 March in both.
    for (const int year : {2024, 2025}) {
        user = EveryDay(QDate(year, 2, 26), QDate(year, 3, 8), year);
        days = FindUpcomingDays(user, QDate(year, 2, 26), 10);
        ASSERT_EQ(days.size(), 11u) << year;
        EXPECT_EQ(Dates(days).contains(QStringLiteral("%1-02-29").arg(year)), year == 2024);
        EXPECT_EQ(Names(days[3]), QStringList{year == 2024 ? QStringLiteral("2024-02-29") : QStringLiteral("2025-03-01")});
        EXPECT_EQ(days.back().date, year == 2024 ? QDate(2024, 3, 7) : QDate(2025, 3, 8));
        EXPECT_EQ(days.back().dateLine, year == 2024 ? QStringLiteral("7, Март (Четверг).") : QStringLiteral("8, Март (Суббота)."));
    }
}

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

TEST(UpcomingDays, HeadingsPastTenDaysAndTheTextForm)
{
    EXPECT_EQ(UpcomingHeading(11), QStringLiteral("Через 11 дней:"));
    EXPECT_EQ(UpcomingHeading(21), QStringLiteral("Через 21 день:"));
    EXPECT_EQ(UpcomingHeading(22), QStringLiteral("Через 22 дня:"));
    EXPECT_EQ(UpcomingHeading(112), QStringLiteral("Через 112 дней:"));
    EXPECT_EQ(UpcomingHeading(101), QStringLiteral("Через 101 день:"));

    CUser user;
    Add(user, 2026, 5, 11, QStringLiteral("Иван"));
    Add(user, 2026, 5, 11, QStringLiteral("Мария"));
    EXPECT_EQ(UpcomingDaysText(FindUpcomingDays(user, QDate(2026, 5, 10), 7)),
              QStringLiteral("Завтра: 11, Май (Понедельник).\n  Иван\n  Мария\n"));
}

TEST(UpcomingDays, TheNewYearPlacesTheEventsForItsOwnNumbering)
{
    CUser user;
    Add(user, 2027, 3, 1, QStringLiteral("март"));
    Add(user, 2027, 2, 29, QStringLiteral("високосный"));
    Add(user, 2027, 12, 31, QStringLiteral("год"));
    user.PlaceForYear(2028);
    EXPECT_EQ(user.Slot(59).begin()->Name, QStringLiteral("високосный"));
    EXPECT_EQ(user.Slot(59).GetCount(), 1);
    EXPECT_EQ(user.Slot(60).begin()->Name, QStringLiteral("март"));
    EXPECT_EQ(user.Slot(365).begin()->Name, QStringLiteral("год"));

    user.PlaceForYear(2029);
    EXPECT_EQ(user.Slot(59).GetCount(), 2);
    EXPECT_EQ(user.Slot(364).begin()->Name, QStringLiteral("год"));
    EXPECT_TRUE(user.Slot(60).IsEmpty());
    EXPECT_TRUE(user.Slot(365).IsEmpty());

    // A full slot keeps what it cannot take where it was, and no slot passes 40.
    for (int i = 0; i < CEventList::kMaxEvents; ++i)
        Add(user, 2029, 3, 2, QString::number(i));
    user.PlaceForYear(2032);
    EXPECT_EQ(user.Slot(61).GetCount(), CEventList::kMaxEvents);
    EXPECT_EQ(user.Slot(60).GetCount(), 1);
    for (int i = 0; i < kDaySlots; ++i)
        ASSERT_LE(user.Slot(i).GetCount(), CEventList::kMaxEvents);
}
