#include "look.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/tool_tip_button.h"
#include "ui/main/qt_print.h"
#include "widget_grab.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace orvane {
namespace {

const QColor kDialogFace(236, 233, 216);
const QColor kMagenta(255, 0, 255);

TEST(ToolTipButton, StateFromPressAndHot)
{
    EXPECT_EQ(ToolTipButtonStateFor(false, false), kTipNormal);
    EXPECT_EQ(ToolTipButtonStateFor(false, true), kTipHot);
    EXPECT_EQ(ToolTipButtonStateFor(true, true), kTipPressed);
    EXPECT_EQ(ToolTipButtonStateFor(true, false), kTipPressed);
}

// A dialog face with one move button on it, as the merge-days dialog has them.
class ToolTipButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(120, 60);
        m_window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, kDialogFace);
        m_window.setPalette(palette);
        m_button = new CToolTipButton(res::IDB_MOVE_ONE_DOWN, res::IDB_MOVE_ONE_DOWN, QSize(30, 15),
                                      &m_window);
        m_button->setText(QStringLiteral("Добавить событие"));
        m_button->move(40, 20);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        QTest::mouseMove(&m_window, QPoint(5, 5));
    }

    // The button's image `index` over the dialog face.
    static QImage Expected(int index)
    {
        QImage image(30, 15, QImage::Format_ARGB32);
        image.fill(kDialogFace);
        QPainter painter(&image);
        painter.drawPixmap(QPoint(0, 0), LoadPicture(res::IDB_MOVE_ONE_DOWN, 1.0, kMagenta),
                           QRect(index * 30, 0, 30, 15));
        return image;
    }

    QImage Shown()
    {
        return m_window.grab(m_button->geometry()).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    QWidget m_window;
    CToolTipButton *m_button = nullptr;
};

TEST_F(ToolTipButtonTest, TakesTheImageSizeAndKeepsItsCaptionAsTip)
{
    EXPECT_EQ(m_button->size(), QSize(30, 15));
    EXPECT_EQ(m_button->sizeHint(), QSize(30, 15));
    EXPECT_EQ(m_button->ToolTipText(), QStringLiteral("Добавить событие"));
    EXPECT_EQ(m_button->SecondBitmapId(), res::IDB_MOVE_ONE_DOWN);
    EXPECT_TRUE(m_button->toolTip().isEmpty()); // only its own delayed tip shows
}

// Onto the button: third image; pressing: second; leaving: first. No magenta ever shows.
TEST_F(ToolTipButtonTest, HotTrackingAndPressingChooseTheImage)
{
    QImage shown = Shown();
    EXPECT_EQ(m_button->State(), kTipNormal);
    EXPECT_EQ(shown, Expected(kTipNormal));
    test::SaveForLook(shown, QStringLiteral("tool_tip_button_normal"));

    QTest::mouseMove(m_button, QPoint(15, 7));
    EXPECT_TRUE(m_button->IsHot());
    EXPECT_EQ(m_button->State(), kTipHot);
    shown = Shown();
    EXPECT_EQ(shown, Expected(kTipHot));
    test::SaveForLook(shown, QStringLiteral("tool_tip_button_hot"));

    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(15, 7));
    EXPECT_EQ(m_button->State(), kTipPressed);
    EXPECT_TRUE(m_button->hasFocus());
    shown = Shown();
    EXPECT_EQ(shown, Expected(kTipPressed));
    test::SaveForLook(shown, QStringLiteral("tool_tip_button_pressed"));

    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(15, 7));
    EXPECT_EQ(m_button->State(), kTipHot);

    QTest::mouseMove(&m_window, QPoint(5, 5));
    EXPECT_FALSE(m_button->IsHot());
    EXPECT_EQ(m_button->State(), kTipNormal);
    EXPECT_EQ(Shown(), Expected(kTipNormal));

    for (const int index : {kTipNormal, kTipPressed, kTipHot}) {
        EXPECT_EQ(test::CountColor(Expected(index), kMagenta), 0);
        EXPECT_EQ(Expected(index).pixelColor(0, 0), kDialogFace); // magenta ground: see-through
    }
}

// The tip shows the caption once the pointer has rested 400 ms on the button.
TEST_F(ToolTipButtonTest, TipShowsTheCaptionAfterTheDelay)
{
    QElapsedTimer clock;
    clock.start();
    QTest::mouseMove(m_button, QPoint(15, 7));
    QTest::qWait(CToolTipButton::kToolTipDelayMs - 150);
    EXPECT_FALSE(QToolTip::isVisible());
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
    EXPECT_GE(clock.elapsed(), CToolTipButton::kToolTipDelayMs);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Добавить событие"));

    QTest::mouseMove(&m_window, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(ToolTipButtonTest, LeavingBeforeTheDelayShowsNoTip)
{
    QTest::mouseMove(m_button, QPoint(15, 7));
    QTest::qWait(100);
    QTest::mouseMove(&m_window, QPoint(5, 5));
    QTest::qWait(CToolTipButton::kToolTipDelayMs + 200);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(ToolTipButton, MissingPictureDrawsNothing)
{
    QWidget window;
    window.resize(40, 30);
    window.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, kDialogFace);
    window.setPalette(palette);
    CToolTipButton button(999, 999, QSize(21, 21), &window);
    EXPECT_EQ(button.size(), QSize(21, 21));
    const QImage image = window.grab().toImage();
    EXPECT_EQ(test::CountColor(image.convertToFormat(QImage::Format_ARGB32), kDialogFace), 40 * 30);
}

} // namespace
} // namespace orvane
