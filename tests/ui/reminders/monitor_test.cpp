#include "app/app_context.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/main/qt_print.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/reminders/monitor_geometry.h"
#include "ui/reminders/monitor_list_box.h"

#include "../controls/widget_grab.h"
#include "event_maker.h"
#include "test_env.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// Within 10 pixels of an edge of its screen the window is put flush with it.
TEST(MonitorGeometry, SnapsToTheEdgesOfItsScreen)
{
    const QSize size = MonitorWindowSize();
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(9, 9), size), screen), QPoint(0, 0));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(10, 10), size), screen), QPoint(10, 10));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1003, 300), size), screen), QPoint(1003, 300));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1004, 1000), size), screen), QPoint(1013, 1024 - 237));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1285, 5), size), QRect(1280, 0, 1024, 768)), QPoint(1280, 0));
}

// 10 May 2026, a monitor that keeps its position unless told otherwise.
class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetSource([] { return QDate(2026, 5, 10); }); }
    void TearDown() override { Clock::SetSource({}); }

    void Add(int day, const QString &name, int monitoring = 1)
    {
        CEventRecord e = test::MakeEvent(5, day, name);
        e.Monitoring = monitoring;
        document.m_user.GetDayEvents(5, day).AddTail(e);
    }
    CMonitorDialog &Open(quint32 options = COptionFlags::kDefaultOptions)
    {
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(options));
        monitor = std::make_unique<CMonitorDialog>(context);
        return *monitor;
    }
    QAction *Action(int id) const { return monitor->findChild<QAction *>(QString::number(id)); }
    QPoint DefaultPosition() const
    {
        return DefaultMonitorPosition(QGuiApplication::primaryScreen()->availableGeometry(), MonitorWindowSize());
    }
    QByteArray Hive() const { return test::readFile(sandbox.hivePath()); }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    AppContext context{document, registry, flags, false};
    std::unique_ptr<CMonitorDialog> monitor;
};

TEST_F(MonitorTest, TheButtonsOpenTheCalendarOrCloseAndThePositionIsKept)
{
    Add(11, u"Оповещён"_s, 0);
    Add(30, u"Далеко"_s);
    EXPECT_EQ(Open().exec(), QDialog::Rejected) << "nothing due: ends at once";
    EXPECT_FALSE(monitor->testAttribute(Qt::WA_WState_ExplicitShowHide)) << "never shown";
    EXPECT_FALSE(Hive().contains("PositionX")) << "a window never shown keeps no position";

    Add(12, u"Иван"_s);
    CMonitorDialog &m = Open();
    EXPECT_EQ(Action(32789)->toolTip(), u"Открыть календарь"_s);
    EXPECT_EQ(Action(32788)->toolTip(), u"Закрыть"_s);
    EXPECT_EQ(m.pos(), DefaultPosition());
    EXPECT_TRUE(m.windowFlags() & Qt::WindowStaysOnTopHint) << "the default place is topmost";
    Action(32789)->trigger();
    EXPECT_EQ(m.result(), QDialog::Accepted);
    EXPECT_TRUE(Hive().contains("\"PositionX\"=\"" + QByteArray::number(m.pos().x()) + '"'));

    registry.WriteInt(u"Orvane"_s, u"PositionX"_s, 40);
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, 60);
    EXPECT_EQ(Open().pos(), QPoint(40, 60));
    EXPECT_FALSE(monitor->windowFlags() & Qt::WindowStaysOnTopHint);
    monitor->move(120, 130);
    Action(32788)->trigger();
    EXPECT_EQ(monitor->result(), QDialog::Rejected);
    EXPECT_TRUE(Hive().contains("\"PositionX\"=\"120\""));

    // Without the option the stored place is neither used nor written.
    EXPECT_EQ(Open(COptionFlags::kDefaultOptions & ~OptionBit::SaveMonitorPosition).pos(), DefaultPosition());
    monitor->move(300, 300);
    Action(32788)->trigger();
    EXPECT_TRUE(Hive().contains("\"PositionX\"=\"120\""));
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, -1);
    EXPECT_EQ(Open().pos(), DefaultPosition()) << "a negative stored value is no place";
}

// Dragging the list moves the window, which snaps to the screen's edges. Wide, a day's date
// stands right of its heading; narrow, under it. Long names wrap.
TEST_F(MonitorTest, TheListDragsTheWindowAndWrapsLongNames)
{
    Add(10, u"Иван Петрович"_s);
    Add(13, u"Очень длинное название события, которое никак не помещается в одну строку"_s);
    CMonitorDialog &m = Open();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    auto *list = m.findChild<CMonitorListBox *>();
    const QPoint start = m.pos();
    const auto send = [list](QEvent::Type type, QPoint global, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(list->viewport()->mapFromGlobal(global)), QPointF(global), button,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    };
    const QPoint pressed = list->viewport()->mapToGlobal(QPoint(40, 40));
    send(QEvent::MouseButtonPress, pressed, Qt::LeftButton);
    send(QEvent::MouseMove, pressed + QPoint(-50, 100), Qt::NoButton);
    EXPECT_EQ(m.pos(), start + QPoint(-50, 100));
    send(QEvent::MouseMove, pressed - start + QPoint(6, 120), Qt::NoButton); // 6 px from the left
    EXPECT_EQ(m.pos(), QPoint(0, 120));

    const QImage back = m.BackgroundPicture().toImage();
    EXPECT_EQ(back.pixelColor(0, 100), QColor(Qt::black)) << "the outline";
    EXPECT_NE(back.pixelColor(m.width() - 20, 20), QColor(255, 255, 204)) << "the folded corner";

    const UpcomingDay &wrapped = list->Days()[1];
    const QFontMetrics metrics(list->font());
    const auto laidOut = [list] {
        list->doItemsLayout();
        return list->visualItemRect(list->item(1)).height();
    };
    EXPECT_EQ(CMonitorListBox::EventsTop(wrapped, metrics, list->viewport()->width()), 23);
    EXPECT_EQ(laidOut(), CMonitorListBox::ItemHeight(wrapped, metrics, list->viewport()->width()));
    EXPECT_GT(laidOut(), 23 + 7 + metrics.height()) << "the long name takes more than one line";
    list->resize(120, list->height());
    EXPECT_GT(CMonitorListBox::EventsTop(wrapped, metrics, list->viewport()->width()), 23);
    EXPECT_EQ(laidOut(), CMonitorListBox::ItemHeight(wrapped, metrics, list->viewport()->width()));
    EXPECT_GT(test::CountColor(test::Grab(m), QColor(192, 192, 192)), 30) << "grey date lines";
    QFont larger = list->font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() * 2);
    list->setFont(larger);
    EXPECT_EQ(laidOut(), CMonitorListBox::ItemHeight(wrapped, QFontMetrics(larger), list->viewport()->width()));
}

} // namespace
} // namespace orvane
