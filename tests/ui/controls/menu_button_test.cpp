#include "look.h"
#include "ui/controls/menu_button.h"
#include "ui/main/qt_print.h"
#include "widget_grab.h"

#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(OwnerDrawState, PressedBeforeFocusedBeforeNormal)
{
    EXPECT_EQ(OwnerDrawStateFor(false, false), kStateNormal);
    EXPECT_EQ(OwnerDrawStateFor(false, true), kStateFocused);
    EXPECT_EQ(OwnerDrawStateFor(true, false), kStatePressed);
    EXPECT_EQ(OwnerDrawStateFor(true, true), kStatePressed);
}

TEST(MenuButton, TextColourFollowsTheState)
{
    EXPECT_EQ(MenuButtonTextColor(kStateNormal), QColor(Qt::black));
    EXPECT_EQ(MenuButtonTextColor(kStatePressed), QColor(200, 50, 0));
    EXPECT_EQ(MenuButtonTextColor(kStateFocused), QColor(100, 100, 0));
    EXPECT_EQ(MenuButtonTextColor(kStateNone), QColor(Qt::black));
    EXPECT_EQ(MenuButtonTextColor(7), QColor(Qt::black));
}

QFont WindowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(14);
    return font;
}

TEST(MenuButton, SetTextMakesTheButtonExactlyAsLargeAsItsText)
{
    CMenuButton button;
    button.SetTextFont(WindowFont());
    button.move(36, 10);
    button.resize(5, 5);

    EXPECT_EQ(button.SetText(QString()), 0);
    EXPECT_EQ(button.size(), QSize(5, 5));
    EXPECT_TRUE(button.text().isNull());

    const QString year = QStringLiteral("2025 - 2026");
    EXPECT_EQ(button.SetText(year), 1);
    const QFontMetrics metrics(WindowFont());
    EXPECT_EQ(button.size(), QSize(metrics.horizontalAdvance(year), metrics.height()));
    EXPECT_EQ(button.sizeHint(), button.size());
    EXPECT_EQ(button.pos(), QPoint(36, 10));
    EXPECT_EQ(button.text(), year);

    // An empty text is not a null text: the button shrinks to no width.
    EXPECT_EQ(button.SetText(QStringLiteral("")), 1);
    EXPECT_EQ(button.width(), 0);
}

// Pressing colours the text RGB(200,50,0); the focus it keeps afterwards RGB(100,100,0).
TEST(MenuButton, PressedAndFocusedTextColours)
{
    QWidget window;
    window.resize(200, 60);
    auto *other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    auto *button = new CMenuButton(&window);
    button->SetTextFont(WindowFont());
    button->SetText(QStringLiteral("Календарь"));
    button->move(36, 10);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();

    const QColor pressed(200, 50, 0), focused(100, 100, 0);
    EXPECT_EQ(button->State(), kStateNormal);
    QImage image = test::Grab(*button);
    EXPECT_GT(test::CountColor(image, Qt::black), 0);
    EXPECT_EQ(test::CountColor(image, pressed), 0);
    EXPECT_EQ(image.pixel(0, 0) & RGB_MASK, kBackColor & RGB_MASK); // opaque background
    test::SaveForLook(image, QStringLiteral("menu_button_normal"));

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->State(), kStatePressed);
    image = test::Grab(*button);
    EXPECT_GT(test::CountColor(image, pressed), 0);
    EXPECT_EQ(test::CountColor(image, Qt::black), 0);
    test::SaveForLook(image, QStringLiteral("menu_button_pressed"));

    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(button->State(), kStateFocused);
    image = test::Grab(*button);
    EXPECT_GT(test::CountColor(image, focused), 0);
    EXPECT_EQ(test::CountColor(image, pressed), 0);
    test::SaveForLook(image, QStringLiteral("menu_button_focused"));

    other->setFocus();
    EXPECT_EQ(button->State(), kStateNormal);
}

TEST(MenuButton, BackgroundColourCanTurnWhite)
{
    CMenuButton button;
    button.SetText(QStringLiteral("2025"));
    button.SetBackColor(QColor(kBackColor256));
    const QImage image = test::Grab(button);
    EXPECT_EQ(image.pixel(0, 0) & RGB_MASK, kBackColor256 & RGB_MASK);
    EXPECT_EQ(test::CountColor(image, QColor(kBackColor)), 0);
}

} // namespace
} // namespace orvane
