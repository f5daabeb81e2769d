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

// Each picture at its size, decoded once; any ratio above 1 takes the drawing at 2.
TEST(Pictures, LoadAtTheStatedSizesOnBothDensities)
{
    const std::pair<int, QSize> pictures[] = {
        {res::IDI_MAINFRAME, {32, 32}}, {res::IDB_EAR_TOP_RIGHT, {38, 36}}, {res::IDB_EAR_BOTTOM_LEFT, {38, 36}},
        {res::IDB_SIZE_GRIP, {31, 40}}, {res::IDB_PREV_MONTH, {60, 30}},    {res::IDB_NEXT_MONTH, {60, 30}},
        {res::IDB_CLOSE, {60, 20}},     {res::IDB_ABOUT, {60, 20}},         {res::IDB_MINIMIZE, {60, 20}},
        {res::IDB_EVENT_TREE, {64, 16}}, {res::IDB_MOVE_ONE_DOWN, {90, 16}}, {res::IDB_MOVE_ONE_UP, {90, 16}},
        {res::IDB_MOVE_ALL_DOWN, {90, 16}}, {res::IDB_MOVE_ALL_UP, {90, 16}},
    };
    for (const auto &[id, size] : pictures) {
        const QPixmap dense = LoadPicture(id, 1.25);
        EXPECT_EQ(LoadPicture(id).size(), size) << id;
        EXPECT_EQ(std::pair(dense.size(), dense.deviceIndependentSize().toSize()), std::pair(size * 2, size)) << id;
        EXPECT_EQ(LoadPicture(id, 2.0).cacheKey(), dense.cacheKey()) << id;
    }
    EXPECT_TRUE(LoadPicture(999, 2.0).isNull());
}

// On a dense screen a strip draws its denser drawing, in the same place.
TEST(PictureStrip, DrawsTheDenserDrawingOnDenseDevices)
{
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
    EXPECT_EQ(StripSourceX(kStatePressed, 20), 20);
    EXPECT_EQ(StripSourceX(kStateFocused, 20), 40);
    CBitmapButtonEx button;
    button.resize(20, 20);
    EXPECT_EQ(test::CountColor(test::Grab(button), QColor(kBackColor)), 0);
    EXPECT_EQ(button.State(), kStateNone);
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 501) + button.LoadStrip(res::IDB_CLOSE, 0), 0) << "widths 1..500";
    ASSERT_EQ(button.LoadStrip(res::IDB_CLOSE, 20), 1);
    EXPECT_EQ(button.LoadStrip(999, 20), 0);
    EXPECT_EQ(std::pair(button.ImageSize(), button.State()), std::pair(QSize(20, 20), kStateNormal));
}

TEST(MenuButton, IsExactlyAsLargeAsItsText)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(14);
    CMenuButton button;
    button.SetTextFont(font);
    EXPECT_EQ(button.SetText(QString()), 0);
    EXPECT_EQ(button.SetText(QStringLiteral("2025 - 2026")), 1);
    const QFontMetrics metrics(font);
    EXPECT_EQ(button.size(), QSize(metrics.horizontalAdvance(QStringLiteral("2025 - 2026")), metrics.height()));
    EXPECT_EQ(button.sizeHint(), button.size());
}

// Hot under the pointer; its caption is never drawn but is the tip that its timer brings up,
// unless the pointer has gone or the button was pressed.
TEST(ToolTipButton, TracksThePointerAndItsTimerShowsTheCaption)
{
    QWidget window;
    window.resize(120, 60);
    auto *button = new CToolTipButton(res::IDB_MOVE_ONE_DOWN, res::IDB_MOVE_ONE_UP, QSize(30, 16), &window);
    button->setText(QStringLiteral("Добавить событие"));
    button->move(40, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *timer = button->findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), CToolTipButton::kToolTipDelayMs);
    timer->setInterval(std::chrono::hours(1)); // fired below by hand, never by the clock

    QTest::mouseMove(button, QPoint(15, 7));
    EXPECT_TRUE(button->IsHot() && timer->isActive());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 7));
    EXPECT_FALSE(timer->isActive()) << "a press stops the tip";
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(button->State(), kTipNormal);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(QToolTip::isVisible());

    QTest::mouseMove(button, QPoint(15, 7));
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
