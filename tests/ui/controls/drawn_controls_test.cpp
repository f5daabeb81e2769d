#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/bitmap_button_ex.h"
#include "ui/controls/menu_button.h"
#include "ui/controls/picture_strip.h"
#include "ui/controls/tool_tip_button.h"
#include "ui/main/qt_print.h"
#include "widget_grab.h"

#include <QPainter>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// On a dense screen a strip draws its denser drawing, in the same place; any ratio above 1 takes
// the drawing at 2, decoded once.
TEST(PictureStrip, DrawsTheDenserDrawingOnDenseDevices)
{
    EXPECT_EQ(LoadPicture(res::IDB_ABOUT, 1.25).cacheKey(), LoadPicture(res::IDB_ABOUT, 2.0).cacheKey());
    // The event tree's icons too: else every item of every day editor opened keeps pictures.
    const auto treeImage = [] {
        return LoadStripIcon(res::IDB_EVENT_TREE, 3, res::kEventTreeImageSize, Qt::white).pixmap(16);
    };
    EXPECT_EQ(treeImage().cacheKey(), treeImage().cacheKey());
    EXPECT_TRUE(LoadPicture(999, 2.0).isNull());
    CPictureStrip strip;
    ASSERT_TRUE(strip.Load(res::IDB_ABOUT));
    QImage dense(40, 40, QImage::Format_ARGB32);
    dense.setDevicePixelRatio(2.0);
    dense.fill(Qt::transparent);
    QPainter painter(&dense);
    strip.Draw(painter, QPoint(0, 0), QRect(20, 0, 20, 20));
    painter.end();
    EXPECT_EQ(dense, LoadPicture(res::IDB_ABOUT, 2.0).toImage().copy(40, 0, 40, 40).convertToFormat(QImage::Format_ARGB32));
}

// Normal, pressed and focused show the first, second and third image of the strip; until a strip
// is loaded nothing is drawn, and a failed load keeps the strip there is.
TEST(BitmapButtonEx, LoadsOnlyAStripItCanShowAndDrawsNothingWithout)
{
    EXPECT_EQ(std::pair(StripSourceX(kStatePressed, 20), StripSourceX(kStateFocused, 20)),
              std::pair(std::optional(20), std::optional(40)));
    CBitmapButtonEx button;
    button.resize(20, 20);
    EXPECT_EQ(test::CountColor(button, QColor(kBackColor)), 0);
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 501) + button.LoadStrip(res::IDB_CLOSE, 0), 0) << "widths 1..500";
    ASSERT_EQ(button.LoadStrip(res::IDB_CLOSE, 20), 1);
    EXPECT_EQ(button.LoadStrip(999, 20), 0);
    EXPECT_EQ(std::pair(button.ImageSize(), button.State()), std::pair(QSize(20, 20), kStateNormal));
}

TEST(MenuButton, IsExactlyAsLargeAsItsText)
{
    CMenuButton button;
    EXPECT_EQ(button.SetText(QString()), 0);
    EXPECT_EQ(button.SetText(QStringLiteral("2025 - 2026")), 1);
    const QFontMetrics metrics(button.font());
    EXPECT_EQ(button.size(), QSize(metrics.horizontalAdvance(QStringLiteral("2025 - 2026")), metrics.height()));
    EXPECT_EQ(button.sizeHint(), button.size());
}

// Hot under the pointer; its caption is never drawn but is the tip that its timer brings up,
// unless the pointer has gone or the button was pressed.
TEST(ToolTipButton, TracksThePointerAndItsTimerShowsTheCaption)
{
    QWidget window;
    auto *button = new CToolTipButton(res::IDB_MOVE_ONE_DOWN, res::IDB_MOVE_ONE_UP, QSize(30, 16), &window);
    button->setText(QStringLiteral("Добавить событие"));
    button->move(40, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *timer = button->findChild<QTimer *>();
    ASSERT_TRUE(timer && timer->interval() == CToolTipButton::kToolTipDelayMs);
    timer->setInterval(std::chrono::hours(1)); // fired below by hand, never by the clock

    QTest::mouseMove(button, QPoint(15, 7));
    EXPECT_TRUE(button->IsHot() && timer->isActive());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 7));
    EXPECT_FALSE(timer->isActive()) << "a press stops the tip";
    QTest::mouseMove(&window, QPoint(5, 5));
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(QToolTip::isVisible()) << "the pointer has gone";

    QTest::mouseMove(button, QPoint(15, 7));
    QMetaObject::invokeMethod(timer, "timeout");
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 10000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Добавить событие"));
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 10000));

    CToolTipButton missing(999, 999, QSize(21, 21));
    missing.setAutoFillBackground(true);
    EXPECT_EQ(test::CountColor(missing, missing.palette().color(QPalette::Window)), 21 * 21)
        << "a missing picture draws nothing";
}

} // namespace
} // namespace orvane
