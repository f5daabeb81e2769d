#include "res/resource_ids.h"
#include "ui/controls/bitmap_button_ex.h"
#include "ui/controls/menu_button.h"
#include "ui/controls/tool_tip_button.h"
#include "ui/main/qt_print.h"
#include "widget_grab.h"

#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Normal, pressed and focused show the first, second and third image of the strip.
TEST(BitmapButtonEx, LoadsOnlyAStripItCanShowAndDrawsNothingWithout)
{
    EXPECT_EQ(StripSourceX(kStatePressed, 20), 20);
    EXPECT_EQ(StripSourceX(kStateFocused, 20), 40);
    CBitmapButtonEx button;
    button.resize(20, 20);
    EXPECT_EQ(test::CountColor(test::Grab(button), QColor(kBackColor)), 0);
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 501), 0);
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 0), 0);
    EXPECT_EQ(button.LoadStrip(999, 20), 0);
    EXPECT_EQ(button.State(), kStateNone);
    ASSERT_EQ(button.LoadStrip(res::IDB_CLOSE, 20), 1);
    EXPECT_EQ(button.LoadStrip(999, 20), 0) << "a failed load keeps the strip";
    EXPECT_EQ(button.ImageSize(), QSize(20, 20));
    EXPECT_EQ(button.State(), kStateNormal);
}

TEST(MenuButton, IsExactlyAsLargeAsItsTextAndColoursItByState)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(14);
    CMenuButton button;
    button.SetTextFont(font);
    button.resize(5, 5);
    EXPECT_EQ(button.SetText(QString()), 0);
    EXPECT_EQ(button.size(), QSize(5, 5));
    EXPECT_EQ(button.SetText(QStringLiteral("2025 - 2026")), 1);
    const QFontMetrics metrics(font);
    EXPECT_EQ(button.size(), QSize(metrics.horizontalAdvance(QStringLiteral("2025 - 2026")), metrics.height()));
    EXPECT_EQ(button.sizeHint(), button.size());
    EXPECT_EQ(MenuButtonTextColor(kStateNormal), QColor(Qt::black));
    EXPECT_EQ(MenuButtonTextColor(kStatePressed), QColor(200, 50, 0));
    EXPECT_EQ(MenuButtonTextColor(kStateFocused), QColor(100, 100, 0));
}

// Hot under the pointer, pressed while held; its caption is never drawn but is the tip that its
// timer brings up, unless the pointer has gone or the button was pressed.
TEST(ToolTipButton, TracksThePointerAndItsTimerShowsTheCaption)
{
    QWidget window;
    window.resize(120, 60);
    auto *button = new CToolTipButton(res::IDB_MOVE_ONE_DOWN, res::IDB_MOVE_ONE_UP, QSize(30, 16), &window);
    button->setText(QStringLiteral("Добавить событие"));
    button->move(40, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(button->sizeHint(), QSize(30, 16));
    EXPECT_EQ(button->ToolTipText(), button->text());
    EXPECT_EQ(button->SecondBitmapId(), res::IDB_MOVE_ONE_UP);
    auto *timer = button->findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), CToolTipButton::kToolTipDelayMs);
    EXPECT_TRUE(timer->isSingleShot());
    timer->setInterval(std::chrono::hours(1)); // fired below by hand, never by the clock

    QTest::mouseMove(button, QPoint(15, 7));
    EXPECT_TRUE(button->IsHot());
    EXPECT_TRUE(timer->isActive());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(15, 7));
    EXPECT_EQ(button->State(), kTipPressed);
    EXPECT_FALSE(timer->isActive());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(15, 7));
    EXPECT_EQ(button->State(), kTipHot);
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(button->State(), kTipNormal);
    EXPECT_FALSE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(QToolTip::isVisible());

    QTest::mouseMove(button, QPoint(15, 7));
    ASSERT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 10000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Добавить событие"));
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 10000));

    CToolTipButton missing(999, 999, QSize(21, 21));
    missing.setAutoFillBackground(true);
    EXPECT_EQ(test::CountColor(test::Grab(missing), missing.palette().color(QPalette::Window)), 21 * 21)
        << "a missing picture draws nothing";
}

} // namespace
} // namespace orvane
