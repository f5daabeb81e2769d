#include "event_maker.h"
#include "ui/main/qt_print.h"
#include "ui/reminders/day_popup.h"
#include "ui/reminders/day_popup_layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Right of the cell, 2 px away, level with its top; else left of it, 4 px away, or above it,
// its bottom 2 px over the cell's top; never off the left or top edge of the cell's screen. As
// wide as the widest name, a line high for each; gone once the pointer comes onto it.
TEST(DayPopup, PlacedBesideTheCellKeptOnItsScreenAndHiddenByThePointer)
{
    const QRect screen(0, 0, 1280, 1000);
    EXPECT_EQ(DayPopupPosition({1150, 950, 28, 28}, {100, 50}, screen), QPoint(1180, 950)) << "just fits";
    EXPECT_EQ(DayPopupPosition({1151, 200, 28, 28}, {100, 50}, screen), QPoint(1047, 200));
    EXPECT_EQ(DayPopupPosition({300, 951, 28, 28}, {100, 50}, screen), QPoint(330, 899));
    EXPECT_EQ(DayPopupPosition({300, 500, 28, 28}, {100, 700}, screen), QPoint(330, 0));
    EXPECT_EQ(DayPopupPosition({60, 200, 28, 28}, {1250, 50}, screen), QPoint(0, 200));
    EXPECT_EQ(DayPopupPosition({3100, 1040, 28, 28}, {100, 60}, {1280, 30, 1920, 1050}), QPoint(2996, 978));

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    CDayPopup popup(nullptr);
    CEventList day;
    for (const char *name : {"День рождения Маши", "Свадьба"})
        day.AddTail(test::MakeEvent(1, 1, QString::fromUtf8(name)));
    const QRect cell(available.topLeft() + QPoint(200, 150), QSize(28, 28));
    popup.ShowDayEvents(day, cell);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    const QFontMetrics metrics(popup.font());
    EXPECT_EQ(popup.geometry(), QRect(cell.topLeft() + QPoint(30, 0),
                                      QSize(metrics.horizontalAdvance(QStringLiteral("День рождения Маши")) + 5,
                                            2 * metrics.height() + 3)));
    QTest::mouseMove(&popup, QPoint(10, 5));
    EXPECT_FALSE(popup.isVisible());
}

} // namespace
} // namespace orvane
