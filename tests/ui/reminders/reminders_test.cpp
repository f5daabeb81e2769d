#include "app/app_context.h"
#include "res/menus.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "store/clock.h"
#include "ui/main/qt_print.h"
#include "ui/reminders/day_popup.h"
#include "ui/reminders/day_popup_layout.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/reminders/monitor_geometry.h"
#include "ui/reminders/monitor_list_box.h"
#include "ui/reminders/system_tray.h"

#include "../controls/widget_grab.h"
#include "../events/sandbox_calendar.h"
#include "event_maker.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// A double click runs the default entry of the menu, the first unless set by command id; a
// removed icon takes its menu with it.
TEST(SystemTray, MenuDefaultEntryDoubleClickAndRemoval)
{
    CSystemTray tray;
    EXPECT_FALSE(tray.AddTrayIcon(u"Your Orvane"_s, LoadIcon(res::IDI_TRAY), 999)) << "no menu 999";
    ASSERT_TRUE(tray.AddTrayIcon(u"Your Orvane"_s, LoadIcon(res::IDI_TRAY), res::MenuId::Tray));

    QSignalSpy commands(&tray, &CSystemTray::command);
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::Trigger);
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(tray.SetDefaultMenuItem(res::CommandId::TrayClose, false));
    Q_EMIT tray.Icon()->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(commands, (QList<QVariantList>{{res::CommandId::TrayShow}, {res::CommandId::TrayClose}}))
        << "a single click sends nothing";

    tray.RemoveTrayIcon();
    EXPECT_FALSE(tray.CanRestoreWindow());
}

// Right of the cell, 2 px away, level with its top; else left of it, 4 px away, or above it,
// its bottom 2 px over the cell's top; never off the left or top edge of the cell's screen. As
// wide as the widest name, a line high for each; gone once the pointer comes onto it.
TEST(DayPopup, PlacedBesideTheCellKeptOnItsScreenAndHiddenByThePointer)
{
    const QRect screen(0, 0, 1280, 1000);
    EXPECT_EQ(DayPopupPosition({1150, 950, 28, 28}, {100, 50}, screen), QPoint(1180, 950)) << "just fits";
    EXPECT_EQ(DayPopupPosition({1151, 200, 28, 28}, {100, 50}, screen), QPoint(1047, 200));
    EXPECT_EQ(DayPopupPosition({300, 951, 28, 28}, {100, 50}, screen), QPoint(330, 899));
    EXPECT_EQ(DayPopupPosition({3100, 1040, 28, 28}, {100, 60}, {1280, 30, 1920, 1050}), QPoint(2996, 978));
    EXPECT_EQ(DayPopupPosition({1300, 100, 28, 28}, {1900, 1040}, {1280, 30, 1920, 1050}), QPoint(1280, 30));

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
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(&popup);
    EXPECT_EQ(std::pair(read->role(), read->text(QAccessible::Name)), std::pair(QAccessible::ToolTip, u"День рождения Маши, Свадьба"_s));
    QTest::mouseMove(&popup, QPoint(10, 5));
    EXPECT_FALSE(popup.isVisible());
}

// 10 May 2026, a monitor that keeps its position unless told otherwise.
class MonitorTest : public test::SandboxCalendar {
protected:
    void SetUp() override { Clock::SetSource([] { return QDate(2026, 5, 10); }); }
    void TearDown() override { Clock::SetSource({}); }

    void Add(int day, const QString &name)
    {
        document.m_user.GetDayEvents(5, day).AddTail(test::MakeEvent(5, day, name));
    }
    CMonitorDialog &Open(quint32 options = COptionFlags::kDefaultOptions)
    {
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(options));
        monitor = std::make_unique<CMonitorDialog>(context);
        return *monitor;
    }
    void Press(int command) { monitor->findChild<QAction *>(QString::number(command))->trigger(); }
    QByteArray Hive() const { return test::readFile(sandbox.hivePath()); }

    AppContext context{document, registry, flags, false};
    std::unique_ptr<CMonitorDialog> monitor;
};

// The window opens where it was closed, while the option is on and a place is stored. Dragging
// the list moves it, put flush with an edge of its screen it comes within 10 px of. Wide, a day's
// date stands right of its heading; narrow, under it. Long names wrap.
TEST_F(MonitorTest, KeepsItsPlaceDragsByItsListSnapsToTheScreensEdgesAndWrapsLongNames)
{
    EXPECT_EQ(Open().exec(), QDialog::Rejected) << "nothing due: ends at once";
    EXPECT_FALSE(Hive().contains("PositionX")) << "a window never shown keeps no position";
    const QPoint standard =
        DefaultMonitorPosition(QGuiApplication::primaryScreen()->availableGeometry(), MonitorWindowSize());

    Add(12, u"Иван"_s);
    EXPECT_EQ(Open().pos(), standard);

    registry.WriteInt(u"Orvane"_s, u"PositionX"_s, 40);
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, 60);
    EXPECT_EQ(Open().pos(), QPoint(40, 60));
    monitor->move(120, 130);
    Press(res::CommandId::MonitorClose);
    EXPECT_TRUE(Hive().contains("\"PositionX\"=\"120\""));

    // Without the option the stored place is neither used nor written.
    EXPECT_EQ(Open(COptionFlags::kDefaultOptions & ~OptionBit::SaveMonitorPosition).pos(), standard);
    monitor->move(300, 300);
    Press(res::CommandId::MonitorClose);
    EXPECT_TRUE(Hive().contains("\"PositionX\"=\"120\""));
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, -1);
    EXPECT_EQ(Open().pos(), standard) << "a negative stored value is no place";
    // A place beyond the screen (a monitor unplugged, a smaller screen) opens on it, whole.
    registry.WriteInt(u"Orvane"_s, u"PositionX"_s, 5000);
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, 5000);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Open().frameGeometry().bottomRight(), area.bottomRight());

    const QSize size = MonitorWindowSize();
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(9, 9), size), screen), QPoint(0, 0));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(10, 10), size), screen), QPoint(10, 10));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1004, 1000), size), screen), QPoint(1013, 1024 - 237));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1285, 5), size), QRect(1280, 0, 1024, 768)), QPoint(1280, 0));

    Add(10, u"Иван Петрович"_s);
    Add(13, u"Очень длинное название события, которое никак не помещается в одну строку"_s);
    CMonitorDialog &m = Open();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    auto *list = m.findChild<CMonitorListBox *>();
    const auto send = [list](QEvent::Type type, QPoint global, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(list->viewport()->mapFromGlobal(global)), QPointF(global), button,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    };
    const QPoint pressed = list->viewport()->mapToGlobal(QPoint(40, 40));
    send(QEvent::MouseButtonPress, pressed, Qt::LeftButton);
    send(QEvent::MouseMove, pressed - m.pos() + QPoint(6, 120), Qt::NoButton); // 6 px from the left
    EXPECT_EQ(m.pos(), QPoint(0, 120));

    const UpcomingDay &wrapped = list->Days()[2];
    const QFontMetrics metrics(list->font());
    const auto laidOut = [list] {
        list->doItemsLayout();
        return list->visualItemRect(list->item(2)).height();
    };
    EXPECT_GT(laidOut(), 23 + 7 + metrics.height()) << "the long name takes more than one line";
    list->resize(120, list->height());
    EXPECT_GT(CMonitorListBox::EventsTop(wrapped, metrics, list->viewport()->width()), 23);
    EXPECT_EQ(laidOut(), CMonitorListBox::ItemHeight(wrapped, metrics, list->viewport()->width()));
    EXPECT_GT(test::CountColor(m, QColor(192, 192, 192)), 30) << "grey date lines";
}

// Assistive technology reads each day with its date and names; Tab reaches the two buttons and
// Enter presses the one that has the focus.
TEST_F(MonitorTest, ItemsAreNamedByTheirTextsAndTheButtonsTakeTheKeyboard)
{
    Add(10, u"Анна"_s);
    Add(10, u"Борис"_s);
    CMonitorDialog &m = Open();
    m.show();
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m.findChild<CMonitorListBox *>());
    EXPECT_EQ(list->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
              u"Сегодня, "_s + m.Days()[0].dateLine.chopped(1) + u": Анна, Борис"_s);
    QStringList focused;
    for (int i = 0; i < 4; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
        focused << qobject_cast<QAbstractButton *>(QApplication::focusWidget())->text();
    EXPECT_EQ(focused, (QStringList{u"Открыть календарь"_s, u"Закрыть"_s, u"Открыть календарь"_s, u"Закрыть"_s}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(m.result(), QDialog::Accepted);
}

} // namespace
} // namespace orvane
