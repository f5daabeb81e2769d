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

TEST(FitDayToMonthTest, LowersOnlyADayTheMonthDoesNotHave)
{
    EXPECT_EQ(FitDayToMonth(30, 2, 2024), 29);
    EXPECT_EQ(FitDayToMonth(30, 2, 2025), 28);
    EXPECT_EQ(FitDayToMonth(31, 4, 2025), 30);
    EXPECT_EQ(FitDayToMonth(30, 1, 2025), 30);
}

class GoToDayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([this] { return today; });
    }
    void TearDown() override
    {
        dialog.reset();
        Clock::SetSource({});
    }

    CGoToDayDlg &Open()
    {
        dialog = std::make_unique<CGoToDayDlg>(user, [this](int month, int day) {
            opened.emplace_back(month, day);
        });
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }
    QComboBox &Months() const
    {
        return *dialog->findChild<QComboBox *>(QString::number(CGoToDayDlg::IDC_MONTH));
    }
    QSpinBox &Days() const
    {
        return *dialog->findChild<QSpinBox *>(QString::number(CGoToDayDlg::IDC_DAY));
    }
    QPushButton &OpenButton() const
    {
        return *dialog->findChild<QPushButton *>(QString::number(CGoToDayDlg::IDC_OPEN));
    }
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

TEST_F(GoToDayTest, OpensOnTodayWhichBecomesTheSelectedDate)
{
    Open();
    EXPECT_EQ(dialog->windowTitle(), u"Просмотреть день..."_s);
    EXPECT_EQ(Months().count(), 12);
    EXPECT_EQ(Months().itemText(0), u"Январь"_s);
    EXPECT_EQ(Months().itemText(11), u"Декабрь"_s);
    EXPECT_EQ(Months().currentText(), u"Сентябрь"_s);
    EXPECT_EQ(Days().value(), 12);
    EXPECT_EQ(Days().minimum(), 1);
    EXPECT_EQ(Days().maximum(), 31);
    EXPECT_EQ(user.m_selected.month, 9);
    EXPECT_EQ(user.m_selected.day, 12);
    EXPECT_TRUE(opened.empty());
    test::SaveForLook(dialog->grab().toImage(), u"go_to_day_dialog"_s);
}

TEST_F(GoToDayTest, ChoosingAMonthFitsTheDayToItsLength)
{
    today = QDate(2024, 1, 30);
    Open();
    ChooseMonth(2);
    EXPECT_EQ(Days().value(), 29); // 2024 is a leap year
    ChooseMonth(3);
    EXPECT_EQ(Days().value(), 29); // a longer month does not raise it again

    today = QDate(2025, 1, 30);
    Open();
    ChooseMonth(2);
    EXPECT_EQ(Days().value(), 28);

    today = QDate(2025, 3, 31);
    Open();
    ChooseMonth(4);
    EXPECT_EQ(Days().value(), 30);
    TypeDay("31");
    ChooseMonth(5);
    EXPECT_EQ(Days().value(), 31);
}

TEST_F(GoToDayTest, OpensTheTypedDayAndStaysOpenUntilEscape)
{
    Open();
    ChooseMonth(4);
    TypeDay("31"); // typed, not fitted: the store maps 31 April to the slot of 1 May
    QTest::mouseClick(&OpenButton(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_pair(4, 31));
    EXPECT_EQ(user.m_selected.month, 4);
    EXPECT_EQ(user.m_selected.day, 31);
    EXPECT_EQ(&user.GetSelectedDayEvents(), &user.GetDayEvents(5, 1));
    EXPECT_TRUE(dialog->isVisible());

    // Enter in the day box is the default button; a number outside 1..31 cannot be typed.
    TypeDay("45");
    EXPECT_EQ(Days().value(), 4);
    QTest::keyClick(&Days(), Qt::Key_Return);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], std::make_pair(4, 4));
    EXPECT_TRUE(dialog->isVisible());

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(opened.size(), 2u);
}

} // namespace
} // namespace orvane
