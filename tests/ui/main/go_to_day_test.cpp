#include "store/clock.h"
#include "store/user.h"
#include "ui/main/go_to_day_dialog.h"

#include "../controls/look.h"
#include "qt_print.h"

#include <QComboBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;
using Days = std::vector<std::pair<int, int>>;

TEST(GoToDayTest, OpensOnTodayFitsTheDayToTheMonthChosenAndOpensTheTypedDayUntilEscape)
{
    QDate today(2025, 9, 12);
    Clock::SetSource([&today] { return today; });
    const auto restore = qScopeGuard([] { Clock::SetSource({}); });
    CUser user;
    Days opened;
    std::unique_ptr<CGoToDayDlg> dialog;
    QComboBox *months = nullptr;
    QSpinBox *days = nullptr;
    const auto open = [&] {
        dialog = std::make_unique<CGoToDayDlg>(user, [&opened](int month, int day) { opened.emplace_back(month, day); });
        dialog->show();
        months = dialog->findChild<QComboBox *>(QString::number(CGoToDayDlg::IDC_MONTH));
        days = dialog->findChild<QSpinBox *>(QString::number(CGoToDayDlg::IDC_DAY));
    };
    const auto choose = [&](int month) { months->setCurrentIndex(month - 1); };
    const auto type = [&](const char *digits) {
        days->setFocus();
        days->selectAll();
        QTest::keyClicks(days, QString::fromLatin1(digits));
    };
    open();
    test::SaveForLook(dialog->grab().toImage(), u"go_to_day_dialog"_s);
    EXPECT_EQ(dialog->windowTitle(), u"Просмотреть день..."_s);
    EXPECT_EQ(QStringList({months->itemText(0), months->itemText(11), months->currentText()}),
              QStringList({u"Январь"_s, u"Декабрь"_s, u"Сентябрь"_s}));
    EXPECT_EQ(QList<int>({months->count(), days->value(), days->maximum()}), QList<int>({12, 12, 31}));
    EXPECT_EQ(std::make_pair(int{user.m_selected.month}, int{user.m_selected.day}), std::make_pair(9, 12));

    // A month chosen lowers the day only where the month is shorter, in today's year: today, the
    // month chosen and the day then, a day typed, the next month and the day then.
    const std::tuple<QDate, int, int, const char *, int, int> rows[] = {
        {{2024, 1, 30}, 2, 29, "", 3, 29}, {{2025, 1, 30}, 2, 28, "", 1, 28}, {{2025, 3, 31}, 4, 30, "31", 5, 31}};
    for (const auto &[date, month, day, typed, nextMonth, nextDay] : rows) {
        today = date;
        open();
        choose(month);
        EXPECT_EQ(days->value(), day) << month;
        type(typed);
        choose(nextMonth);
        EXPECT_EQ(days->value(), nextDay) << nextMonth;
    }

    open();
    choose(4);
    type("31"); // typed, not fitted: the store maps 31 April to the slot of 1 May
    QTest::mouseClick(dialog->findChild<QPushButton *>(QString::number(CGoToDayDlg::IDC_OPEN)), Qt::LeftButton);
    EXPECT_EQ(opened, (Days{{4, 31}}));
    EXPECT_EQ(&user.GetSelectedDayEvents(), &user.GetDayEvents(5, 1));
    // Enter in the day box is the default button; a number outside 1..31 cannot be typed.
    type("45");
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(opened, (Days{{4, 31}, {4, 4}}));
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(opened.size(), 2u);
}

} // namespace
} // namespace orvane
