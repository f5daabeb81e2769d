#include "look.h"
#include "store/event_list.h"
#include "ui/main/qt_print.h"
#include "ui/reminders/day_popup.h"
#include "ui/reminders/day_popup_layout.h"
#include "widget_grab.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace orvane {
namespace {

const QColor kFill(180, 255, 100);

CEventList Day(const QStringList &names)
{
    CEventList list;
    for (const QString &name : names) {
        CEventRecord event;
        event.Name = name;
        list.AddTail(event);
    }
    return list;
}

const QStringList kThree = {QStringLiteral("День рождения Маши"), QStringLiteral("Свадьба"),
                            QStringLiteral("Зубной врач в 10:00")};

TEST(DayPopupLayout, LinesAndTextFollowTheDayInListOrder)
{
    EXPECT_EQ(DayPopupLines(Day(kThree)), kThree);
    EXPECT_EQ(DayPopupText(kThree),
              QStringLiteral("День рождения Маши\nСвадьба\nЗубной врач в 10:00\n"));
    EXPECT_TRUE(DayPopupLines(CEventList()).isEmpty());
    EXPECT_EQ(DayPopupText({}), QString());
}

// Three events: three line heights plus 3 pixels tall, 5 pixels wider than the widest line.
TEST(DayPopupLayout, SizeIsWidestLinePlus5ByLinesTimesHeightPlus3)
{
    const QFontMetrics metrics(CDayPopup::PopupFont());
    int widest = 0;
    for (const QString &line : kThree)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    EXPECT_EQ(DayPopupSize(kThree, metrics), QSize(widest + 5, 3 * metrics.height() + 3));
    EXPECT_EQ(DayPopupSize({QString()}, metrics), QSize(5, metrics.height() + 3));
    EXPECT_EQ(DayPopupSize({}, metrics), QSize(5, 3));
}

TEST(DayPopupLayout, PlacedBesideTheCellAndKeptOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1000);
    const QSize size(100, 50);

    // Room on the right and below: 2 px right of the cell, level with its top.
    EXPECT_EQ(DayPopupPosition(QRect(300, 200, 28, 28), size, screen), QPoint(330, 200));
    // Just fits on the right (its right edge on the screen's last column) and at the bottom.
    EXPECT_EQ(DayPopupPosition(QRect(1150, 950, 28, 28), size, screen), QPoint(1180, 950));
    // One pixel short on the right: left of the cell, 4 px away.
    EXPECT_EQ(DayPopupPosition(QRect(1151, 200, 28, 28), size, screen), QPoint(1047, 200));
    // One pixel short below: above the cell, its bottom 2 px over the cell's top.
    EXPECT_EQ(DayPopupPosition(QRect(300, 951, 28, 28), size, screen), QPoint(330, 899));
    // Bottom-right corner: left and above.
    EXPECT_EQ(DayPopupPosition(QRect(1240, 960, 28, 28), size, screen), QPoint(1136, 908));
    // A pop-up taller than the room above and below: at the top of the screen.
    EXPECT_EQ(DayPopupPosition(QRect(300, 500, 28, 28), QSize(100, 700), screen), QPoint(330, 0));
    // Wider than the room on either side: at the screen's left edge rather than off it.
    EXPECT_EQ(DayPopupPosition(QRect(60, 200, 28, 28), QSize(1250, 50), screen), QPoint(0, 200));
}

TEST(DayPopupLayout, FollowsTheScreenTheCellIsOn)
{
    // A second screen right of the first, its work area below a 30-pixel panel.
    const QRect screen(1280, 30, 1920, 1050);
    const QSize size(100, 60);
    EXPECT_EQ(DayPopupPosition(QRect(3100, 100, 28, 28), size, screen), QPoint(2996, 100));
    EXPECT_EQ(DayPopupPosition(QRect(1400, 1040, 28, 28), size, screen), QPoint(1430, 978));
    EXPECT_EQ(DayPopupPosition(QRect(1400, 60, 28, 28), QSize(100, 1040), screen),
              QPoint(1430, 30));
}

class DayPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The owner stands clear of where the tests place the pop-up.
        m_owner.setGeometry(QRect(Available().topLeft() + QPoint(600, 400), QSize(300, 200)));
        m_owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_owner));
    }

    QRect Available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QWidget m_owner;
    CDayPopup m_popup{&m_owner};
};

TEST_F(DayPopupTest, IsAToolWindowOfItsOwnerThatNeverTakesFocus)
{
    EXPECT_TRUE(m_popup.isWindow());
    EXPECT_EQ(m_popup.parentWidget(), &m_owner);
    EXPECT_EQ(m_popup.windowType(), Qt::ToolTip);
    EXPECT_TRUE(m_popup.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(m_popup.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(m_popup.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(m_popup.isVisible());
    EXPECT_EQ(m_popup.font().pixelSize(), 14);
}

TEST_F(DayPopupTest, ListsTheDayBesideItsCellOrHidesWhenEmpty)
{
    const QRect cell(Available().topLeft() + QPoint(200, 150), QSize(28, 28));
    m_popup.ShowDayEvents(Day(kThree), cell);
    ASSERT_TRUE(m_popup.isVisible());
    EXPECT_EQ(m_popup.Text(), DayPopupText(kThree));
    const QSize size = DayPopupSize(kThree, QFontMetrics(m_popup.font()));
    EXPECT_EQ(m_popup.geometry(), QRect(DayPopupPosition(cell, size, Available()), size));
    EXPECT_EQ(m_popup.pos(), cell.topLeft() + QPoint(30, 0));

    // Near the screen's bottom-right corner it opens to the left and above.
    const QRect corner(Available().bottomRight() - QPoint(30, 30), QSize(28, 28));
    m_popup.ShowDayEvents(Day(kThree), corner);
    EXPECT_EQ(m_popup.geometry().right(), corner.left() - 5);
    EXPECT_EQ(m_popup.geometry().bottom(), corner.top() - 3);

    m_popup.ShowDayEvents(CEventList(), cell);
    EXPECT_FALSE(m_popup.isVisible());
}

TEST_F(DayPopupTest, DragKeepsTheSizeAndFollowsThePointer)
{
    m_popup.ShowDayEvents(Day(kThree), QRect(Available().topLeft() + QPoint(200, 150), QSize(28, 28)));
    const QSize size = m_popup.size();
    m_popup.FollowDrag(Available().topLeft() + QPoint(50, 60));
    EXPECT_EQ(m_popup.pos(), Available().topLeft() + QPoint(55, 65));
    EXPECT_EQ(m_popup.size(), size);
    EXPECT_TRUE(m_popup.isVisible());
}

// One line per event: dark text in each line band, light-green fill, black frame.
TEST_F(DayPopupTest, PaintsFrameFillAndOneLinePerEvent)
{
    m_popup.ShowDayEvents(Day(kThree), QRect(Available().topLeft() + QPoint(200, 150), QSize(28, 28)));
    const QImage image = test::Grab(m_popup);
    test::SaveForLook(image, QStringLiteral("day_popup"));
    const int w = image.width(), h = image.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(image.pixelColor(corner), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), kFill);
    EXPECT_EQ(image.pixelColor(w - 2, h - 2), kFill);

    const int line = QFontMetrics(m_popup.font()).height();
    for (int i = 0; i < 3; ++i) {
        int dark = 0;
        for (int y = 1 + i * line; y < 1 + (i + 1) * line; ++y)
            for (int x = 1; x < w - 1; ++x)
                dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        EXPECT_GT(dark, 20) << "line " << i;
    }
}

TEST_F(DayPopupTest, EmptyTextPaintsOnlyFrameAndFill)
{
    m_popup.SetText(QString());
    m_popup.resize(40, 20);
    const QImage image = test::Grab(m_popup);
    EXPECT_EQ(test::CountColor(image, Qt::black), 2 * 40 + 2 * 20 - 4);
    EXPECT_EQ(test::CountColor(image, kFill), 38 * 18);
}

TEST_F(DayPopupTest, HidesWhenThePointerComesOntoIt)
{
    m_popup.ShowDayEvents(Day(kThree), QRect(Available().topLeft() + QPoint(200, 150), QSize(28, 28)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_popup));
    QTest::mouseMove(&m_popup, QPoint(10, 5));
    EXPECT_FALSE(m_popup.isVisible());
}

} // namespace
} // namespace orvane
