#include "store/clock.h"
#include "store/user.h"
#include "ui/main/go_to_day_dialog.h"

#include "qt_print.h"

#include <QComboBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orvane {
namespace {

using Days = std::vector<std::pair<int, int>>;

TEST(GoToDayTest, OpensOnTodayFitsTheDayToTheMonthChosenAndOpensTheTypedDay)
{
    QDate today(2025, 9, 12);
    Clock::SetSource([&today] { return today; });
    const auto restore = qScopeGuard([] { Clock::SetSource({}); });
    CUser user;
    Days opened;
    CGoToDayDlg dialog(user, [&opened](int month, int day) { opened.emplace_back(month, day); });
    dialog.show();
    auto *months = dialog.findChild<QComboBox *>(QString::number(CGoToDayDlg::IDC_MONTH));
    auto *days = dialog.findChild<QSpinBox *>(QString::number(CGoToDayDlg::IDC_DAY));
    const auto type = [days](const char *digits) {
        days->selectAll();
        QTest::keyClicks(days, QString::fromLatin1(digits));
    };
    EXPECT_EQ(std::make_pair(months->currentIndex() + 1, days->value()), std::make_pair(9, 12));

    // A month chosen lowers the day only where the month is shorter, in today's year: the year,
    // a day typed (not yet taken), the month chosen and the day then.
    const std::tuple<int, const char *, int, int> steps[] = {
        {2024, "30", 2, 29}, {2024, "", 3, 29}, {2025, "30", 2, 28}, {2025, "31", 4, 30}, {2025, "31", 5, 31}};
    for (const auto &[year, typed, month, day] : steps) {
        today.setDate(year, 9, 12);
        type(typed);
        months->setCurrentIndex(month - 1);
        EXPECT_EQ(days->value(), day) << year << "-" << month;
    }

    months->setCurrentIndex(3);
    type("31"); // typed, not fitted: the store maps 31 April to the slot of 1 May
    QTest::mouseClick(dialog.findChild<QPushButton *>(QString::number(CGoToDayDlg::IDC_OPEN)), Qt::LeftButton);
    EXPECT_EQ(opened, (Days{{4, 31}}));
    EXPECT_EQ(&user.GetSelectedDayEvents(), &user.GetDayEvents(5, 1));
}

} // namespace
} // namespace orvane
