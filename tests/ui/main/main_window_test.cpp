#include "res/string_table.h"
#include "store/upcoming_days.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/settings/settings_dialog.h"

#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

namespace orvane {
namespace {

using namespace test;

constexpr quint32 kOptions = COptionFlags::kDefaultOptions; // weekday column, keep position

// Escape, the close request and "_" minimise: with no notification area (offscreen) hiding
// would leave the window out of reach. The tray's "Закрыть" ends it. The resting cursor gets
// its hint only while the window is shown.
TEST_F(MainWindowTest, MinimisedByEscapeCloseAndStartHiddenShownAndEndedByTheTrayIconHintingOnlyWhenShown)
{
    CMainDlg &w = Open(kOptions | OptionBit::TrayIcon, false);
    EXPECT_TRUE(w.isMinimized());
    EXPECT_FALSE(w.HintTimer().isActive()) << "no hints while minimised";
    const auto show = [&w] { Q_EMIT w.Tray().Icon()->activated(QSystemTrayIcon::DoubleClick); };
    for (const auto &minimise : std::initializer_list<std::function<void()>>{
             [&] { QTest::keyClick(&w, Qt::Key_Escape); }, [&] { EXPECT_FALSE(w.close()); },
             [&] { QTest::mouseClick(Button(57665), Qt::LeftButton); }}) {
        show();
        EXPECT_FALSE(w.isMinimized());
        minimise();
        EXPECT_TRUE(w.isMinimized() && w.isVisible());
    }
    show();
    QCursor::setPos(w.mapToGlobal(QPoint(w.width() / 2, 45)));
    QEnterEvent enter(QPointF(w.width() / 2, 45), QPointF(w.width() / 2, 45), QCursor::pos());
    QApplication::sendEvent(&w, &enter); // hints rotate while the pointer is over the window
    Fire(w.HintTimer());
    EXPECT_EQ(w.StatusText(), res::LoadString(res::StringId::PropertiesHint));
    QCursor::setPos(w.mapToGlobal(Cell(9, 20)));
    Fire(w.HintTimer());
    EXPECT_EQ(w.StatusText(), res::LoadString(res::StringId::AddEventHint));
    w.OnTrayIconToggle(false);
    EXPECT_FALSE(w.Tray().IsEnabled());
    w.OnTrayIconToggle(true);
    w.Tray().Menu()->actions().last()->trigger();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.HintTimer().isActive()) << "nor once it has ended";
}

// A new date brings the view back to today's month; in a new year the events are placed for its
// day numbering (1 March moves from slot 59 to 60 in a leap year), but not while a dialog over
// the window may hold them. The new date is announced once: the flags set again by the rule of
// loading, and the monitor over the desktop, beside the calendar.
TEST_F(MainWindowTest, PagingMovesTheSpanAndTheNewDayBringsItBackPlacingTheEventsForTheYear)
{
    today = QDate(2027, 12, 31);
    Add(3, 1, {u"Весна"_s});
    Add(1, 2, {u"Гость"_s, u"Уже оповещён"_s});
    const auto last = [this](int month, int day) -> CEventRecord & {
        return *std::prev(document.m_user.GetDayEvents(month, day).end());
    };
    last(1, 2).Monitoring = last(3, 1).Monitoring = 0;
    CMainDlg &w = Open(); // December 2027 and January 2028
    QTest::mouseClick(Button(1029), Qt::LeftButton);
    EXPECT_EQ(Title(), u"Календарь - 2028"_s);
    QTest::mouseClick(Button(1028), Qt::LeftButton);
    EXPECT_EQ(Title(), u"Календарь - 2027/2028"_s);

    QDialog over(&w);
    over.setModal(true);
    over.show();
    today = QDate(2028, 1, 1);
    Q_EMIT w.DateWatch().dateMayHaveChanged();
    EXPECT_FALSE(document.m_user.Slot(59).IsEmpty());
    over.close(); // the change made once the window is free
    QCoreApplication::processEvents();
    EXPECT_EQ(Title(), u"Календарь - 2028"_s);
    EXPECT_EQ(Mark(1, 1, {2, 14}), QColor(255, 0, 0)); // the today bar
    EXPECT_EQ(Names(3, 1), QStringList{u"Весна 3/1 День рождения"_s});
    const auto monitors = [] {
        QList<CMonitorDialog *> shown;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *monitor = qobject_cast<CMonitorDialog *>(top); monitor && monitor->isVisible())
                shown << monitor;
        return shown;
    };
    ASSERT_EQ(monitors().size(), 1);
    EXPECT_EQ(UpcomingDaysText(monitors().first()->Days()), u"Завтра: 2, Январь (Воскресенье).\n  Гость\n"_s);
    EXPECT_EQ(std::pair(last(1, 2).Monitoring, last(3, 1).Monitoring), std::pair(0, 1)) << "far off: set again";
    monitors().first()->reject();
    for (const QDate date : {QDate(2027, 12, 31), QDate(2028, 1, 1)}) { // the clock set back and forth
        today = date;
        Q_EMIT w.DateWatch().dateMayHaveChanged();
    }
    EXPECT_TRUE(monitors().isEmpty()) << "announced once";
    EXPECT_TRUE(test::readFile(sandbox.hivePath()).contains("\"AnnouncedThrough\"=\"20280108\""));
    registry.WriteInt(u"Orvane"_s, u"AnnouncedThrough"_s, 20280109); // orvanectl notify came first
    today = QDate(2028, 1, 2);
    Q_EMIT w.DateWatch().dateMayHaveChanged();
    EXPECT_TRUE(monitors().isEmpty()) << "announced by another";
    EXPECT_TRUE(document.m_user.Slot(59).IsEmpty()) << "29 February 2028 holds nothing";
}

// The strips move the window; the ear and the grip resize it to whole months, and the picture
// is drawn again for the new size as a window opened at that size draws it.
TEST_F(MainWindowTest, TheStripsMoveTheWindowTheEarAndTheGripSnapItsSize)
{
    const auto panel = [](const CMainDlg &w) { // the picture without the status line
        QImage image = w.FramePicture().toImage();
        QPainter(&image).fillRect(StatusLineRect(w.size(), QFontMetrics(CDayPopup::PopupFont()).height()), Qt::white);
        return image;
    };
    CMainDlg &w = Open();
    const GridMetrics &m = w.Metrics();
    const QPoint start = w.pos();
    Drag(QPoint(200, 20), QPoint(230, 45));
    EXPECT_EQ(w.pos(), start + QPoint(30, 25));

    const QPoint ear(w.width() - 10, 15);
    Drag(ear, ear + QPoint(m.cxMonth / 2 + 10, 0));
    EXPECT_EQ(w.size(), QSize(3 * m.cxMonth + 67, m.cyMonth + 140));
    const QImage wide = panel(w);
    const auto grip = [&] { return QPoint(w.width() - 20, w.height() - 10); };
    Drag(grip(), grip() + QPoint(0, 40));
    EXPECT_EQ(w.size(), QSize(3 * m.cxMonth + 67, 2 * m.cyMonth + 140));
    EXPECT_EQ(Title(), u"Календарь - 2024/2025"_s); // September to February
    Drag(grip(), grip() - QPoint(0, m.cyMonth));
    EXPECT_EQ(panel(w), wide);
    EXPECT_EQ(panel(Open()), wide);
}

TEST_F(MainWindowTest, TheDayUnderThePointerShowsItsEventsAClickOpensItADragMovesThem)
{
    Add(9, 3, {u"Первое"_s, u"Второе"_s});
    Add(9, 4, {u"Занято"_s});
    CMainDlg &w = Open();
    MoveTo(Cell(9, 3));
    EXPECT_EQ(w.StatusText(), u"Вторник  "_s);
    EXPECT_EQ(Popup().Text(), u"Первое\nВторое\n"_s);

    // Drags that move nothing: back onto the same day, onto a day that holds events (the two
    // days' merge, closed without a move), cancelled with the right button.
    Drag(Cell(9, 3), Cell(9, 3));
    bool merging = false;
    OnNextDialog<CMergeDaysDialog>([&merging](CMergeDaysDialog &) { merging = true; });
    Drag(Cell(9, 3), Cell(9, 4));
    EXPECT_TRUE(merging);
    Drag(Cell(9, 3), Cell(9, 12), false);
    Mouse(QEvent::MouseButtonPress, Cell(9, 12), Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(Popup().isVisible());
    Mouse(QEvent::MouseButtonRelease, Cell(9, 12), Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(CDataFile::GetFilePath()));

    { // A right click opens the settings on the panel alone: not on a day, nor on a button.
        int settings = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&settings] {
            if (auto *dialog = qobject_cast<CSettingsDialog *>(QApplication::activeModalWidget())) {
                ++settings;
                dialog->close();
            }
        });
        closer.start(10);
        const auto rightClick = [](QWidget &target, QPoint at) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, target.mapToGlobal(at));
            QApplication::sendEvent(&target, &event);
        };
        for (QAbstractButton *button : w.findChildren<QAbstractButton *>())
            rightClick(*button, QPoint(2, 2));
        rightClick(w, Cell(9, 3));
        EXPECT_EQ(settings, 0);
        rightClick(w, QPoint(100, 50));
        EXPECT_EQ(settings, 1);
    }

    // From an empty day no drag starts: the release is a click, which opens the pressed day's
    // editor.
    bool edited = false;
    OnNextDialog<CEventTreeDialog>([this, &edited](CEventTreeDialog &) { edited = document.m_user.m_selected.day == 20; });
    Drag(Cell(9, 20), Cell(9, 21));
    EXPECT_TRUE(edited);

    Drag(Cell(9, 3), Cell(10, 15));
    EXPECT_EQ(Names(10, 15), (QStringList{u"Первое 10/15 День рождения"_s, u"Второе 10/15 День рождения"_s}));
    EXPECT_TRUE(document.m_user.GetDayEvents(9, 3).IsEmpty());
    ExpectSaved();
    EXPECT_EQ(Mark(10, 15), QColor(0, 192, 0)); // the events' mark
    EXPECT_EQ(Mark(9, 3), QColor(255, 255, 204)); // the background
}

} // namespace
} // namespace orvane
