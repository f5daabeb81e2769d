#include "store/clock.h"
#include "store/user.h"
#include "ui/main/go_to_day_dialog.h"

#include "../controls/look.h"
#include "qt_print.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

class GoToDayTest : public ::testing::Test {
protected:
    GoToDayTest() { Clock::SetSource([this] { return today; }); }
    ~GoToDayTest() override
    {
        dialog.reset();
        Clock::SetSource({});
    }

    void Open()
    {
        dialog = std::make_unique<CGoToDayDlg>(user, [this](int month, int day) { opened.emplace_back(month, day); });
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    template <typename Widget>
    Widget &Find(int id) const
    {
        return *dialog->findChild<Widget *>(QString::number(id));
    }
    QComboBox &Months() const { return Find<QComboBox>(CGoToDayDlg::IDC_MONTH); }
    QSpinBox &Days() const { return Find<QSpinBox>(CGoToDayDlg::IDC_DAY); }
    // Chooses a month with the keyboard, as a user stepping through the closed list does.
    void ChooseMonth(int month)
    {
        Months().setFocus();
        while (Months().currentIndex() + 1 != month) {
            const int before = Months().currentIndex();
            QTest::keyClick(&Months(), before + 1 < month ? Qt::Key_Down : Qt::Key_Up);
            ASSERT_NE(Months().currentIndex(), before);
        }
    }
    void TypeDay(const char *digits)
    {
        Days().setFocus();
        Days().selectAll();
        QTest::keyClicks(&Days(), QString::fromLatin1(digits));
    }

    QDate today{2025, 9, 12};
    CUser user;
    std::unique_ptr<CGoToDayDlg> dialog;
    std::vector<std::pair<int, int>> opened;
};

TEST_F(GoToDayTest, OpensOnTodayAndChoosingAMonthFitsTheDayToItsLength)
{
    Open();
    test::SaveForLook(dialog->grab().toImage(), u"go_to_day_dialog"_s);
    EXPECT_EQ(dialog->windowTitle(), u"Просмотреть день..."_s);
    EXPECT_EQ(Months().count(), 12);
    EXPECT_EQ(Months().itemText(0), u"Январь"_s);
    EXPECT_EQ(Months().itemText(11), u"Декабрь"_s);
    EXPECT_EQ(Months().currentText(), u"Сентябрь"_s);
    EXPECT_EQ(Days().value(), 12);
    EXPECT_EQ(std::make_pair(Days().minimum(), Days().maximum()), std::make_pair(1, 31));
    EXPECT_EQ(std::make_pair(int{user.m_selected.month}, int{user.m_selected.day}), std::make_pair(9, 12));

    // A month chosen lowers the day only where the month is shorter, in today's year.
    const struct {
        QDate today;
        int month, day;
        const char *typed;
        int nextMonth, nextDay;
    } rows[] = {{{2024, 1, 30}, 2, 29, nullptr, 3, 29}, {{2025, 1, 30}, 2, 28, nullptr, 1, 28},
                {{2025, 3, 31}, 4, 30, "31", 5, 31}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.month);
        today = row.today;
        Open();
        ChooseMonth(row.month);
        EXPECT_EQ(Days().value(), row.day);
        if (row.typed)
            TypeDay(row.typed);
        ChooseMonth(row.nextMonth);
        EXPECT_EQ(Days().value(), row.nextDay);
    }
}

TEST_F(GoToDayTest, OpensTheTypedDayAndStaysOpenUntilEscape)
{
    Open();
    ChooseMonth(4);
    TypeDay("31"); // typed, not fitted: the store maps 31 April to the slot of 1 May
    QTest::mouseClick(&Find<QPushButton>(CGoToDayDlg::IDC_OPEN), Qt::LeftButton);
    EXPECT_EQ(opened, (std::vector<std::pair<int, int>>{{4, 31}}));
    EXPECT_EQ(std::make_pair(int{user.m_selected.month}, int{user.m_selected.day}), std::make_pair(4, 31));
    EXPECT_EQ(&user.GetSelectedDayEvents(), &user.GetDayEvents(5, 1));

    // Enter in the day box is the default button; a number outside 1..31 cannot be typed.
    TypeDay("45");
    EXPECT_EQ(Days().value(), 4);
    QTest::keyClick(&Days(), Qt::Key_Return);
    EXPECT_EQ(opened, (std::vector<std::pair<int, int>>{{4, 31}, {4, 4}}));
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(opened.size(), 2u);
}

} // namespace
} // namespace orvane
