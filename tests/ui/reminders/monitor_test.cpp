#include "app/app_context.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/reminders/monitor_geometry.h"
#include "ui/reminders/monitor_list_box.h"

#include "../controls/look.h"
#include "../controls/widget_grab.h"
#include "event_maker.h"
#include "test_env.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

constexpr quint32 kKeepPosition = COptionFlags::kDefaultOptions; // 0x0001 set, 7 days

class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetSource([] { return QDate(2026, 5, 10); }); }
    void TearDown() override
    {
        monitor.reset();
        Clock::SetSource({});
    }

    void Add(int month, int day, const QString &name, int monitoring = 1)
    {
        CEventRecord e = test::MakeEvent(month, day, name);
        e.Monitoring = monitoring;
        document.m_user.GetDayEvents(month, day).AddTail(e);
    }
    CMonitorDialog &Open(quint32 options = kKeepPosition)
    {
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(options));
        monitor = std::make_unique<CMonitorDialog>(context);
        return *monitor;
    }
    QToolButton *Button(int id) const
    {
        auto *bar = monitor->findChild<QToolBar *>();
        for (QAction *action : bar->actions())
            if (action->objectName() == QString::number(id))
                return qobject_cast<QToolButton *>(bar->widgetForAction(action));
        return nullptr;
    }
    int RunClicking(int id)
    {
        QTimer::singleShot(0, monitor.get(), [this, id] {
            if (QToolButton *button = Button(id))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                monitor->done(-1);
        });
        return monitor->exec();
    }
    QRect Available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    AppContext context{document, registry, flags, false};
    std::unique_ptr<CMonitorDialog> monitor;
};

TEST(MonitorGeometry, ShapePlacementAndSnapping)
{
    const QSize size = MonitorWindowSize();
    EXPECT_EQ(size, QSize(267, 237));
    EXPECT_EQ(MonitorShape(size), QPolygon({{0, 0}, {237, 0}, {267, 30}, {267, 237}, {0, 237}}));
    EXPECT_EQ(MonitorBandRect(size), QRect(1, 1, 236, 26));
    EXPECT_EQ(DefaultMonitorPosition(QRect(0, 0, 1280, 1000), size), QPoint(1008, 5));
    EXPECT_EQ(DefaultMonitorPosition(QRect(1280, 24, 1024, 744), size), QPoint(2032, 29));

    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(9, 9), size), screen), QPoint(0, 0));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(10, 10), size), screen), QPoint(10, 10));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(-40, 300), size), screen), QPoint(0, 300));
    // Right edge: at 1270 it stays, one pixel beyond it is put flush with the screen's edge.
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1270 - 267, 300), size), screen), QPoint(1003, 300));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1271 - 267, 300), size), screen), QPoint(1013, 300));
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(500, 1000), size), screen), QPoint(500, 1024 - 237));
    // A second screen to the right: its own edges count.
    EXPECT_EQ(SnapMonitorPosition(QRect(QPoint(1285, 5), size), QRect(1280, 0, 1024, 768)), QPoint(1280, 0));
}

TEST_F(MonitorTest, NothingDueEndsWithCancelBeforeItIsShown)
{
    Add(5, 11, u"Оповещён"_s, 0);
    Add(5, 30, u"Далеко"_s);
    CMonitorDialog &m = Open();
    EXPECT_FALSE(m.HasUpcomingDays());
    EXPECT_EQ(m.exec(), QDialog::Rejected);
    EXPECT_FALSE(m.testAttribute(Qt::WA_WState_ExplicitShowHide)) << "never shown";
    QCoreApplication::processEvents();
    EXPECT_FALSE(test::readFile(sandbox.hivePath()).contains("PositionX")) << "a window never shown keeps no position";
}

TEST_F(MonitorTest, TheButtonsOpenTheCalendarOrCloseAndThePositionIsKept)
{
    Add(5, 12, u"Иван"_s);
    CMonitorDialog &m = Open();
    EXPECT_EQ(m.windowTitle(), u"Монитор"_s);
    EXPECT_EQ(Button(32789)->toolTip(), u"Открыть календарь"_s);
    EXPECT_EQ(Button(32788)->toolTip(), u"Закрыть"_s);
    EXPECT_EQ(m.pos(), DefaultMonitorPosition(Available(), m.size()));
    EXPECT_TRUE(m.windowFlags() & Qt::WindowStaysOnTopHint) << "the default place is topmost";
    EXPECT_EQ(RunClicking(32789), QDialog::Accepted);
    const QByteArray hive = test::readFile(sandbox.hivePath());
    EXPECT_TRUE(hive.contains(QByteArray("\"PositionX\"=\"") + QByteArray::number(m.pos().x()) + '"'));

    registry.WriteInt(u"Orvane"_s, u"PositionX"_s, 40);
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, 60);
    CMonitorDialog &stored = Open();
    EXPECT_EQ(stored.pos(), QPoint(40, 60));
    EXPECT_FALSE(stored.windowFlags() & Qt::WindowStaysOnTopHint);
    stored.move(120, 130);
    EXPECT_EQ(RunClicking(32788), QDialog::Rejected);
    EXPECT_TRUE(test::readFile(sandbox.hivePath()).contains("\"PositionX\"=\"120\""));

    // Without the option the stored place is neither used nor written.
    CMonitorDialog &plain = Open(kKeepPosition & ~OptionBit::SaveMonitorPosition);
    EXPECT_EQ(plain.pos(), DefaultMonitorPosition(Available(), plain.size()));
    plain.move(300, 300);
    EXPECT_EQ(RunClicking(32788), QDialog::Rejected);
    EXPECT_TRUE(test::readFile(sandbox.hivePath()).contains("\"PositionX\"=\"120\""));

    // A negative stored value falls back to the default.
    registry.WriteInt(u"Orvane"_s, u"PositionY"_s, -1);
    EXPECT_EQ(Open().pos(), DefaultMonitorPosition(Available(), MonitorWindowSize()));
}

TEST_F(MonitorTest, DraggingAnywhereMovesTheWindowAndSnapsToTheEdges)
{
    Add(5, 10, u"Иван"_s);
    CMonitorDialog &m = Open();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    auto *list = m.findChild<CMonitorListBox *>();
    QWidget *viewport = list->viewport();
    const QPoint grab(40, 40);
    const QPoint start = m.pos();
    const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(viewport->mapFromGlobal(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    const QPoint pressed = viewport->mapToGlobal(grab);
    send(QEvent::MouseButtonPress, pressed, Qt::LeftButton);
    send(QEvent::MouseMove, pressed + QPoint(-50, 100), Qt::LeftButton);
    EXPECT_EQ(m.pos(), start + QPoint(-50, 100));
    send(QEvent::MouseMove, pressed - start + QPoint(6, 120), Qt::LeftButton); // 6 px from the left
    EXPECT_EQ(m.pos(), QPoint(0, 120));
    send(QEvent::MouseButtonRelease, pressed, Qt::NoButton);
}

TEST_F(MonitorTest, TheListDrawsHeadingsDatesBulletsAndWrappedNames)
{
    Add(5, 10, u"Иван Петрович"_s);
    Add(5, 10, u"Скрытый"_s, 0);
    Add(5, 13, u"Очень длинное название события, которое никак не помещается в одну строку"_s);
    CMonitorDialog &m = Open();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    auto *list = m.findChild<CMonitorListBox *>();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), u"Сегодня:"_s);
    EXPECT_EQ(list->item(1)->text(), u"Через 3 дня:"_s);

    const QFontMetrics metrics(list->font());
    const int width = list->viewport()->width();
    const UpcomingDay &wrapped = list->Days()[1];
    const int oneLine = metrics.boundingRect(u"Иван"_s).height();
    EXPECT_GT(CMonitorListBox::ItemHeight(wrapped, metrics, width),
              CMonitorListBox::EventsTop(wrapped, metrics, width) + 7 + oneLine)
        << "a long name takes more lines, measured in the width it is drawn in";
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), CMonitorListBox::ItemHeight(wrapped, metrics, width));
    // Narrow: the date line goes under the heading and the item grows by a line.
    EXPECT_TRUE(CMonitorListBox::DateLineBelow(wrapped, metrics, 120));
    EXPECT_FALSE(CMonitorListBox::DateLineBelow(wrapped, metrics, 600));
    EXPECT_GT(CMonitorListBox::EventsTop(wrapped, metrics, 120), 23);
    EXPECT_EQ(CMonitorListBox::EventsTop(wrapped, metrics, 600), 23);
    EXPECT_LT(CMonitorListBox::ItemHeight(wrapped, metrics, 600), CMonitorListBox::ItemHeight(wrapped, metrics, 120));

    const QImage shot = test::Grab(m);
    test::SaveForLook(shot, u"monitor"_s);
    EXPECT_GT(test::CountColor(shot, QColor(255, 255, 204)), 20000);
    EXPECT_GT(test::CountColor(shot, QColor(192, 192, 192)), 30) << "grey date lines";
    EXPECT_GT(test::CountColor(shot, m.palette().color(QPalette::Button)), 3000) << "the header band";
    const QImage back = m.BackgroundPicture().toImage();
    EXPECT_EQ(back.pixelColor(0, 100), QColor(Qt::black)) << "the outline";
    EXPECT_EQ(back.pixelColor(m.width() - 1, 100), QColor(Qt::black));
    EXPECT_NE(back.pixelColor(m.width() - 20, 20), QColor(255, 255, 204)) << "the folded corner";
    // A bullet: black, 22..26 pixels into the list, beside the first name.
    const QRect first = list->visualItemRect(list->item(0));
    const QPoint bullet = list->viewport()->mapTo(&m, first.topLeft() + QPoint(24, 23 + 7));
    bool anyBlack = false;
    for (int dy = -8; dy <= 30 && !anyBlack; ++dy)
        anyBlack = (shot.pixel(bullet + QPoint(0, dy)) & RGB_MASK) == 0;
    EXPECT_TRUE(anyBlack) << "a bullet below the heading";

    // The heights kept between layouts follow a new width and a new font.
    const auto laidOut = [list] {
        list->doItemsLayout();
        return list->visualItemRect(list->item(1)).height();
    };
    list->resize(120, list->height());
    EXPECT_EQ(laidOut(), CMonitorListBox::ItemHeight(wrapped, metrics, list->viewport()->width()));
    QFont larger = list->font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() * 2);
    list->setFont(larger);
    EXPECT_EQ(laidOut(), CMonitorListBox::ItemHeight(wrapped, QFontMetrics(larger), list->viewport()->width()));
}

} // namespace
} // namespace orvane
