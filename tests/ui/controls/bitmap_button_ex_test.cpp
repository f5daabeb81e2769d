#include "look.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/bitmap_button_ex.h"
#include "ui/main/qt_print.h"
#include "widget_grab.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(BitmapButtonEx, StripSourceForEachState)
{
    EXPECT_EQ(StripSourceX(kStateNormal, 20), 0);
    EXPECT_EQ(StripSourceX(kStatePressed, 20), 20);
    EXPECT_EQ(StripSourceX(kStateFocused, 20), 40);
    EXPECT_EQ(StripSourceX(kStateNone, 20), std::nullopt);
    EXPECT_EQ(StripSourceX(4, 20), std::nullopt);
    EXPECT_EQ(StripSourceX(-1, 20), std::nullopt);
}

TEST(BitmapButtonEx, LoadStripRefusesBadWidthsAndMissingPictures)
{
    CBitmapButtonEx button;
    EXPECT_EQ(button.State(), kStateNone);
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 501), 0);
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 0), 0);
    EXPECT_EQ(button.LoadStrip(999, 20), 0);
    EXPECT_EQ(button.State(), kStateNone);
    EXPECT_TRUE(button.ImageSize().isEmpty());

    EXPECT_EQ(button.LoadStrip(res::IDB_PREV_MONTH, 20), 1);
    EXPECT_EQ(button.State(), kStateNormal);
    EXPECT_EQ(button.ImageSize(), QSize(20, 30));
    EXPECT_EQ(button.LoadStrip(res::IDB_CLOSE, 500), 1);
    EXPECT_EQ(button.ImageSize(), QSize(500, 20));

    // A failed load keeps the strip loaded before.
    EXPECT_EQ(button.LoadStrip(999, 20), 0);
    EXPECT_EQ(button.ImageSize(), QSize(500, 20));
}

// The expected look of a 20-pixel image of a strip: its third `index` on the background colour.
QImage ExpectedImage(int id, int index, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(kBackColor));
    QPainter painter(&image);
    painter.drawPixmap(QPoint(0, 0), LoadPicture(id), QRect(QPoint(index * 20, 0), size));
    return image;
}

// With 20 on a 60 x 20 strip the three states show the three thirds.
TEST(BitmapButtonEx, EachStateShowsItsThirdOfTheStrip)
{
    QWidget window;
    window.resize(120, 60);
    auto *other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    for (const int id : {res::IDB_CLOSE, res::IDB_ABOUT, res::IDB_MINIMIZE, res::IDB_PREV_MONTH,
                         res::IDB_NEXT_MONTH}) {
        SCOPED_TRACE(id);
        auto *button = new CBitmapButtonEx(&window);
        ASSERT_EQ(button->LoadStrip(id, 20), 1);
        const QSize size = button->ImageSize();
        button->setGeometry(QRect(QPoint(30, 10), size));
        button->show();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();

        const QImage normal = test::Grab(*button);
        EXPECT_EQ(normal, ExpectedImage(id, 0, size));

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(button->State(), kStatePressed);
        const QImage pressed = test::Grab(*button);
        EXPECT_EQ(pressed, ExpectedImage(id, 1, size));

        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(button->State(), kStateFocused);
        const QImage focused = test::Grab(*button);
        EXPECT_EQ(focused, ExpectedImage(id, 2, size));

        EXPECT_NE(normal, pressed);
        EXPECT_NE(normal, focused);
        EXPECT_NE(pressed, focused);
        test::SaveForLook(normal, QStringLiteral("button_%1_normal").arg(id));
        test::SaveForLook(pressed, QStringLiteral("button_%1_pressed").arg(id));
        test::SaveForLook(focused, QStringLiteral("button_%1_focused").arg(id));
        delete button;
    }
}

TEST(BitmapButtonEx, DrawsNothingUntilItsStripIsLoaded)
{
    QWidget window;
    window.resize(60, 40);
    window.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::blue);
    window.setPalette(palette);
    CBitmapButtonEx button(&window);
    button.setGeometry(10, 10, 20, 20);

    QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::blue));

    button.LoadStrip(res::IDB_MINIMIZE, 20);
    image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(11, 11), QColor(kBackColor));
}

// On a dense screen the button draws the denser drawing of its strip, in the same place.
TEST(PictureStrip, DrawsTheDenserDrawingOnDenseDevices)
{
    CPictureStrip strip;
    ASSERT_TRUE(strip.Load(res::IDB_ABOUT));
    EXPECT_EQ(strip.Size(), QSize(60, 20));

    QImage dense(40, 40, QImage::Format_ARGB32);
    dense.setDevicePixelRatio(2.0);
    dense.fill(Qt::transparent);
    {
        QPainter painter(&dense);
        strip.Draw(painter, QPoint(0, 0), QRect(20, 0, 20, 20));
    }
    const QImage expected = LoadPicture(res::IDB_ABOUT, 2.0).toImage().copy(40, 0, 40, 40)
                                .convertToFormat(QImage::Format_ARGB32);
    QImage actual = dense.convertToFormat(QImage::Format_ARGB32);
    actual.setDevicePixelRatio(1.0);
    EXPECT_EQ(actual, expected);

    CPictureStrip missing;
    EXPECT_FALSE(missing.Load(999));
    EXPECT_TRUE(missing.IsNull());
}

} // namespace
} // namespace orvane
