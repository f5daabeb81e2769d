#include "app/app_context.h"
#include "res/string_table.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/controls/menu_button.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/main/main_dlg.h"
#include "ui/reminders/day_popup.h"

#include "main_window_harness.h"
#include "qt_print.h"
#include "test_env.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

constexpr quint32 kOptions = COptionFlags::kDefaultOptions; // weekday column, keep position

// Records the areas a widget repaints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget *widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

class MainWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    CMainDlg &Open(quint32 options = kOptions, bool palette256 = false, bool showOnStart = true)
    {
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(options));
        context = std::make_unique<AppContext>(AppContext{document, registry, flags, palette256});
        window = std::make_unique<CMainDlg>(*context, showOnStart);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Flush();
        return *window;
    }
    static void Flush()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
    void MoveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton)
    {
        Mouse(QEvent::MouseMove, at, Qt::NoButton, held);
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        Mouse(QEvent::MouseButtonPress, at, button, button);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        Mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    QPoint Cell(int month, int day) const { return window->DayRect(month, day).center(); }

    void AddEvents(int month, int day, const QStringList &names)
    {
        for (const QString &name : names) {
            CEventRecord event;
            event.Name = name;
            event.Month = month;
            event.Day = day;
            document.m_user.GetDayEvents(month, day).AddTail(event);
        }
    }
    QStringList Names(int month, int day)
    {
        QStringList names;
        for (const CEventRecord &e : document.m_user.GetDayEvents(month, day))
            names << QStringLiteral("%1 %2/%3").arg(e.Name).arg(e.Month).arg(e.Day);
        return names;
    }
    CDayPopup *Popup() const { return window->findChild<CDayPopup *>(); }
    QAbstractButton *Button(int id) const
    {
        return window->findChild<QAbstractButton *>(QString::number(id));
    }
};

TEST_F(MainWindowTest, SizeAndLayoutFollowTheResolvedFontAndTheScale)
{
    document.m_nScale = 3;
    CMainDlg &w = Open();
    const int textHeight = QFontMetrics(CDayPopup::PopupFont()).height();
    const GridMetrics &m = w.Metrics();
    EXPECT_EQ(m.nCell, textHeight + 11);
    EXPECT_EQ(m.cxMonth, 6 * m.nCell + 20 + 10);
    EXPECT_EQ(w.size(), QSize(3 * m.cxMonth + 67, m.cyMonth + 140));
    EXPECT_EQ(Button(1028)->geometry(), QRect(31, w.height() - 71, 20, 30));
    EXPECT_EQ(Button(1029)->geometry(), QRect(w.width() - 54, w.height() - 71, 20, 30));
    EXPECT_EQ(Button(1)->geometry(), QRect(w.width() - 56, 7, 20, 20));
    EXPECT_EQ(Button(57665)->geometry(), QRect(w.width() - 77, 7, 20, 20));
    EXPECT_EQ(Button(57664)->geometry(), QRect(w.width() - 98, 7, 20, 20));
    EXPECT_EQ(Button(1037)->pos(), QPoint(36, 10));
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2024"_s);
    const QFontMetrics fm(CDayPopup::PopupFont());
    EXPECT_EQ(Button(1037)->size(), QSize(fm.horizontalAdvance(u"Календарь - 2024"_s), textHeight));
    EXPECT_EQ(w.windowTitle(), u"Календарь"_s);
    EXPECT_EQ(w.MonthTable().Info(9).x, 41);
    EXPECT_EQ(w.MonthTable().Info(11).x, 41 + 2 * m.cxMonth);
    EXPECT_TRUE(Button(1028)->isVisible());
}

TEST_F(MainWindowTest, LargeModeAndTwelveMonthsHidePaging)
{
    document.m_nScale = 12;
    document.m_bLarge = true;
    CMainDlg &w = Open(kOptions & ~OptionBit::WeekdayNames);
    const GridMetrics &m = w.Metrics();
    EXPECT_EQ(m.cxWeekdayColumn, 0);
    EXPECT_EQ(w.size(), QSize(6 * m.cxMonth + 67, 2 * m.cyMonth + 140));
    EXPECT_FALSE(Button(1028)->isVisible());
    EXPECT_FALSE(Button(1029)->isVisible());
    EXPECT_EQ(w.MonthTable().Info(3).y, m.cyMonth + 72); // the seventh month opens the second row
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2024/2025"_s);
}

TEST_F(MainWindowTest, StoredOrCentredPosition)
{
    registry.WriteInt(u"Orvane"_s, u"OrvanePositionX"_s, 0);
    registry.WriteInt(u"Orvane"_s, u"OrvanePositionY"_s, 0);
    EXPECT_EQ(Open().pos(), QPoint(0, 0));

    registry.WriteInt(u"Orvane"_s, u"OrvanePositionX"_s, -1);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    CMainDlg &centred = Open();
    EXPECT_EQ(centred.pos(), QPoint(area.x() + (area.width() - centred.width()) / 2,
                                    area.y() + (area.height() - centred.height()) / 2));

    registry.WriteInt(u"Orvane"_s, u"OrvanePositionX"_s, 120);
    registry.WriteInt(u"Orvane"_s, u"OrvanePositionY"_s, 80);
    EXPECT_EQ(Open(kOptions & ~OptionBit::SaveCalendarPosition).pos(), centred.pos());
}

TEST_F(MainWindowTest, EndingTheRunSavesThePositionUnlessMinimised)
{
    CMainDlg &w = Open();
    w.move(150, 90);
    w.done(QDialog::Accepted);
    qint32 x = 0, y = 0;
    ASSERT_TRUE(registry.ReadInt(u"Orvane"_s, u"OrvanePositionX"_s, x));
    ASSERT_TRUE(registry.ReadInt(u"Orvane"_s, u"OrvanePositionY"_s, y));
    EXPECT_EQ(QPoint(x, y), QPoint(150, 90));

    CMainDlg &minimised = Open();
    minimised.move(300, 300);
    minimised.showMinimized();
    minimised.done(QDialog::Accepted);
    registry.ReadInt(u"Orvane"_s, u"OrvanePositionX"_s, x);
    EXPECT_EQ(x, 150);
}

TEST_F(MainWindowTest, EscapeAndCloseMinimiseOnlyTheCloseButtonEnds)
{
    CMainDlg &w = Open();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isMinimized());
    w.showNormal();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isMinimized());
    w.showNormal();
    QTest::mouseClick(Button(57665), Qt::LeftButton);
    EXPECT_TRUE(w.isMinimized());
    EXPECT_TRUE(w.isVisible());
    w.showNormal();
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, StartedHiddenItComesUpMinimised)
{
    // No notification area here (offscreen): hiding would leave the window out of reach.
    CMainDlg &w = Open(kOptions | OptionBit::TrayIcon, false, false);
    EXPECT_TRUE(w.Tray().IsEnabled());
    EXPECT_TRUE(w.isMinimized());
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, MenuButtonsOpenTheirDropDownsWithHints)
{
    CMainDlg &w = Open();
    auto inspect = [&](QStringList &entries, QString &hint) {
        QTimer::singleShot(50, &w, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                entries << (action->isSeparator() ? u"-"_s : action->text());
            menu->setActiveAction(menu->actions().constLast());
            hint = w.StatusText();
            menu->close();
        });
    };
    QStringList entries;
    QString hint;
    inspect(entries, hint);
    QTest::mouseClick(Button(1037), Qt::LeftButton);
    EXPECT_EQ(entries, (QStringList{u"&День..."_s, u"&Свойства..."_s, u"-"_s, u"Импорт..."_s,
                                    u"Экспорт..."_s}));
    EXPECT_EQ(hint, u"Экспортировать календарь в текстовый файл."_s);
    EXPECT_EQ(w.StatusText(), u" "_s);

    entries.clear();
    inspect(entries, hint);
    QTest::mouseClick(Button(57664), Qt::LeftButton);
    EXPECT_EQ(entries, (QStringList{u"Содержание..."_s, u"-"_s, u"О программе..."_s}));
    EXPECT_EQ(hint, u" "_s); // 32772 has no hint of its own
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, PagingButtonsMoveTheSpanAndTheYearText)
{
    today = QDate(2024, 11, 3);
    CMainDlg &w = Open();
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2024"_s);
    QTest::mouseClick(Button(1029), Qt::LeftButton);
    EXPECT_EQ(w.MonthTable().FirstMonth(), 12);
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2024/2025"_s);
    QTest::mouseClick(Button(1029), Qt::LeftButton);
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2025"_s);
    EXPECT_EQ(w.MonthTable().Info(1).x, 41); // January laid out at the front
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Button(1028), Qt::LeftButton);
    EXPECT_EQ(w.MonthTable().FirstMonth(), 10);
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2024"_s);
}

TEST_F(MainWindowTest, AMonthThatLeftTheSpanIsNotDrawnWhereItUsedToBe)
{
    CMainDlg &w = Open();
    MoveTo(Cell(9, 3));
    QTest::mouseClick(Button(1029), Qt::LeftButton);
    QTest::mouseClick(Button(1029), Qt::LeftButton); // November stands where September stood
    const QRect status = StatusLineRect(w.size(), QFontMetrics(CDayPopup::PopupFont()).height());
    auto panel = [&] {
        QImage image = w.FramePicture().toImage();
        QPainter(&image).fillRect(status, Qt::white);
        return image;
    };
    const QImage before = panel();
    MoveTo(QPoint(w.width() / 2, 45)); // leaving the days unmarks the selected 3 September
    EXPECT_EQ(panel(), before);
}

TEST_F(MainWindowTest, TodayIsMarkedOnEveryYearItIsShownIn)
{
    CMainDlg &w = Open();
    const QRect cell = w.DayRect(9, 12);
    const QPoint todayFrame = cell.topLeft() + QPoint(2, cell.height() / 2); // left red bar
    EXPECT_EQ(FramePixel(todayFrame), QColor(255, 0, 0));
    EXPECT_EQ(FramePixel(w.DayRect(9, 13).topLeft() + QPoint(2, 14)), QColor(255, 255, 204));
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(Button(1029), Qt::LeftButton);
    EXPECT_EQ(w.MonthTable().Info(9).nYear, 2025);
    EXPECT_EQ(FramePixel(w.DayRect(9, 12).topLeft() + QPoint(2, 14)), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, EightBitScreensGetAWhitePanel)
{
    CMainDlg &w = Open(kOptions, true);
    EXPECT_EQ(FramePixel(QPoint(w.width() / 2, 40)), QColor(Qt::white));
    EXPECT_EQ(FramePixel(w.DayRect(9, 20).topLeft() + QPoint(3, 3)), QColor(Qt::white));
}

TEST_F(MainWindowTest, HoverRepaintsOnlyTheOldAndTheNewCell)
{
    AddEvents(9, 3, {u"Мама"_s, u"День рождения Ивана Петровича"_s, u"Отпуск"_s});
    CMainDlg &w = Open();
    MoveTo(Cell(9, 2));
    Flush();
    PaintRecorder recorder(&w);
    MoveTo(Cell(9, 3));
    Flush();

    const QRect status = StatusLineRect(w.size(), QFontMetrics(CDayPopup::PopupFont()).height());
    const QRegion cells = QRegion(w.DayRect(9, 2).adjusted(-1, -1, 0, 0))
                          + w.DayRect(9, 3).adjusted(-1, -1, 0, 0);
    EXPECT_EQ(recorder.painted - status, cells);
    EXPECT_EQ(w.StatusText(), u"Вторник  "_s);
    EXPECT_EQ(FramePixel(w.DayRect(9, 3).topLeft()), QColor(192, 192, 0)); // hot frame
    EXPECT_EQ(document.m_user.m_selected.month, 9);
    EXPECT_EQ(document.m_user.m_selected.day, 3);

    CDayPopup *popup = Popup();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->Text(), u"Мама\nДень рождения Ивана Петровича\nОтпуск\n"_s);
    const QFontMetrics fm(CDayPopup::PopupFont());
    EXPECT_EQ(popup->size(), QSize(fm.horizontalAdvance(u"День рождения Ивана Петровича"_s) + 5,
                                   3 * fm.height() + 3));
    const QRect cellOnScreen(w.mapToGlobal(w.DayRect(9, 3).topLeft()), w.DayRect(9, 3).size());
    EXPECT_EQ(popup->pos().y(), cellOnScreen.top());

    // Staying on the day repaints nothing; leaving the days clears the mark and the pop-up.
    recorder.painted = {};
    MoveTo(Cell(9, 3) + QPoint(2, 2));
    Flush();
    EXPECT_TRUE(recorder.painted.isEmpty());
    MoveTo(QPoint(w.width() / 2, 45));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(document.m_user.m_selected.IsSet());
    EXPECT_EQ(w.StatusText(), u"Свойства календаря"_s);
    EXPECT_EQ(FramePixel(w.DayRect(9, 3).topLeft()), QColor(255, 255, 204));
}

TEST_F(MainWindowTest, PointsThatAreNoDayShowNothing)
{
    AddEvents(9, 30, {u"Событие"_s});
    CMainDlg &w = Open();
    const QRect lastCell = w.DayRect(9, 30);
    for (QPoint p : {QPoint(w.MonthTable().Info(9).x + 5, lastCell.center().y()), // weekday column
                     w.DayRect(9, 1).center() - QPoint(0, w.Metrics().nCell), // before the 1st
                     lastCell.center() + QPoint(0, w.Metrics().nCell),      // after the last day
                     QPoint(lastCell.right() + 5 + w.Metrics().nCell, lastCell.center().y())}) {
        MoveTo(p);
        EXPECT_FALSE(document.m_user.m_selected.IsSet()) << p.x() << "," << p.y();
        EXPECT_FALSE(Popup()->isVisible());
    }
}

TEST_F(MainWindowTest, DropOnAnEmptyDayMovesAllEventsAndSaves)
{
    AddEvents(9, 3, {u"Первое"_s, u"Второе"_s});
    CMainDlg &w = Open();
    MoveTo(Cell(9, 3));
    Press(Cell(9, 3));
    MoveTo(Cell(9, 10), Qt::LeftButton);
    EXPECT_EQ(w.StatusText(), u"Переместить событие."_s);
    EXPECT_TRUE(Popup()->isVisible());
    EXPECT_EQ(Popup()->pos(), w.mapToGlobal(Cell(9, 10)) + QPoint(5, 5));
    MoveTo(Cell(10, 15), Qt::LeftButton);
    Release(Cell(10, 15));

    EXPECT_TRUE(document.m_user.GetDayEvents(9, 3).IsEmpty());
    EXPECT_EQ(Names(10, 15), (QStringList{u"Первое 10/15"_s, u"Второе 10/15"_s}));
    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), {today, 7}).ok());
    EXPECT_EQ(saved.m_user, document.m_user);
    EXPECT_EQ(FramePixel(w.DayRect(10, 15).topLeft() + QPoint(4, 14)), QColor(0, 192, 0));
    EXPECT_EQ(FramePixel(w.DayRect(9, 3).topLeft() + QPoint(4, 14)), QColor(255, 255, 204));
}

TEST_F(MainWindowTest, DragsThatMoveNothing)
{
    AddEvents(9, 3, {u"Первое"_s});
    AddEvents(9, 4, {u"Занято"_s});
    CMainDlg &w = Open();
    const QString file = CDataFile::GetFilePath();

    // From an empty day no drag starts: the release is a click, which opens that day's editor.
    QString editorTitle;
    OnNextDialog<CEventTreeDialog>([&](CEventTreeDialog &d) {
        editorTitle = d.windowTitle();
        d.reject();
    });
    MoveTo(Cell(9, 20));
    Press(Cell(9, 20));
    MoveTo(Cell(9, 21), Qt::LeftButton);
    EXPECT_NE(w.StatusText(), u"Переместить событие."_s);
    Release(Cell(9, 21));
    EXPECT_EQ(editorTitle, u"День 20, Сентябрь"_s);
    EXPECT_FALSE(Popup()->isVisible());

    // Back onto the same day.
    MoveTo(Cell(9, 3));
    Press(Cell(9, 3));
    MoveTo(Cell(9, 10), Qt::LeftButton);
    MoveTo(Cell(9, 3), Qt::LeftButton);
    Release(Cell(9, 3));

    // Onto a day that holds events: the two days' merge, closed without a move.
    QString mergeTitle;
    OnNextDialog<CMergeDaysDialog>([&](CMergeDaysDialog &d) {
        mergeTitle = d.windowTitle();
        d.reject();
    });
    MoveTo(Cell(9, 3));
    Press(Cell(9, 3));
    MoveTo(Cell(9, 4), Qt::LeftButton);
    Release(Cell(9, 4));
    EXPECT_EQ(mergeTitle, u"Объединение дней 3 (Сентябрь) и 4 (Сентябрь)"_s);

    // Cancelled with the right button.
    MoveTo(Cell(9, 3));
    Press(Cell(9, 3));
    MoveTo(Cell(9, 12), Qt::LeftButton);
    Press(Cell(9, 12), Qt::RightButton);
    EXPECT_FALSE(Popup()->isVisible());
    Release(Cell(9, 12));

    EXPECT_EQ(Names(9, 3), QStringList{u"Первое 9/3"_s});
    EXPECT_EQ(Names(9, 4), QStringList{u"Занято 9/4"_s});
    EXPECT_TRUE(document.m_user.GetDayEvents(9, 12).IsEmpty());
    EXPECT_TRUE(document.m_user.GetDayEvents(9, 21).IsEmpty());
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(MainWindowTest, AClickEditsTheDayAndOkRedrawsItWithItsMark)
{
    CMainDlg &w = Open();
    const QPoint mark = w.DayRect(9, 20).topLeft() + QPoint(4, 14);
    EXPECT_EQ(FramePixel(mark), QColor(255, 255, 204));
    OnNextDialog<CEventTreeDialog>([](CEventTreeDialog &d) {
        d.AddEvent(u"Годовщина"_s, u"цветы"_s);
        d.accept();
    });
    MoveTo(Cell(9, 20));
    Press(Cell(9, 20));
    Release(Cell(9, 20));
    EXPECT_EQ(Names(9, 20), QStringList{u"Годовщина 9/20"_s});
    EXPECT_EQ(FramePixel(mark), QColor(0, 192, 0));
    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), {today, 7}).ok());
    EXPECT_EQ(saved.m_user.GetDayEvents(9, 20).begin()->Notes, u"цветы"_s);
}

TEST_F(MainWindowTest, TheDayChangeBringsTheViewBackToTheCurrentMonth)
{
    today = QDate(2024, 12, 31);
    CMainDlg &w = Open();
    QTest::mouseClick(Button(1029), Qt::LeftButton);
    QTest::mouseClick(Button(1029), Qt::LeftButton);
    ASSERT_EQ(w.MonthTable().FirstMonth(), 2);
    today = QDate(2025, 1, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.MonthTable().FirstMonth() == 1; }, 3000));
    EXPECT_EQ(w.MonthTable().Info(1).nYear, 2025);
    EXPECT_EQ(w.MonthTable().Info(1).x, 41);
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2025"_s);
    const QRect cell = w.DayRect(1, 1);
    EXPECT_EQ(FramePixel(cell.topLeft() + QPoint(2, 14)), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, TheNewYearPlacesTheEventsForItsNumberingBeforeRedrawing)
{
    // A common year runs into a leap year: 1 March moves from slot 59 to slot 60.
    today = QDate(2027, 12, 31);
    AddEvents(3, 1, {u"Весна"_s});
    AddEvents(12, 31, {u"Канун"_s});
    ASSERT_FALSE(document.m_user.Slot(59).IsEmpty());
    CMainDlg &w = Open();
    today = QDate(2028, 1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.MonthTable().Today() == today; }, 3000));
    EXPECT_EQ(Names(3, 1), QStringList{u"Весна 3/1"_s});
    EXPECT_EQ(Names(12, 31), QStringList{u"Канун 12/31"_s});
    EXPECT_TRUE(document.m_user.Slot(59).IsEmpty()) << "29 February 2028 holds nothing";

    // And back into a common year: the days share their slots as at load.
    today = QDate(2029, 1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.MonthTable().Today() == today; }, 3000));
    EXPECT_EQ(Names(3, 1), QStringList{u"Весна 3/1"_s});
    EXPECT_TRUE(document.m_user.Slot(365).IsEmpty());
}

TEST_F(MainWindowTest, TheDayChangeWaitsWhileADialogIsOpenOverTheWindow)
{
    today = QDate(2027, 12, 31);
    AddEvents(3, 1, {u"Весна"_s});
    CMainDlg &w = Open();
    QDialog over(&w);
    over.setModal(true);
    over.show();
    today = QDate(2028, 1, 1);
    QTest::qWait(1300);
    EXPECT_EQ(w.MonthTable().Today(), QDate(2027, 12, 31));
    EXPECT_FALSE(document.m_user.Slot(59).IsEmpty()) << "the events stay put while the dialog may hold them";
    over.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.MonthTable().Today() == today; }, 3000));
    EXPECT_EQ(Names(3, 1), QStringList{u"Весна 3/1"_s});
}

TEST_F(MainWindowTest, TheTrayOptionAddsTheIconAndItsCommandsShowAndClose)
{
    CMainDlg &w = Open(kOptions | OptionBit::TrayIcon);
    const QTimer *watchdog = &w.TrayTimer();
    ASSERT_TRUE(w.Tray().IsEnabled());
    EXPECT_TRUE(watchdog->isActive());
    EXPECT_EQ(watchdog->interval(), 2000);
    EXPECT_EQ(w.Tray().Icon()->toolTip(), u"Your Orvane"_s);

    w.OnTrayIconToggle(false);
    EXPECT_FALSE(w.Tray().IsEnabled());
    EXPECT_FALSE(watchdog->isActive());
    w.OnTrayIconToggle(true);
    ASSERT_TRUE(w.Tray().IsEnabled());
    EXPECT_EQ(w.Tray().Menu()->defaultAction()->text(), u"Показать"_s);

    w.showMinimized();
    Q_EMIT w.Tray().Icon()->activated(QSystemTrayIcon::DoubleClick); // "Показать", the default
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    w.Tray().Menu()->actions().last()->trigger(); // "Закрыть": as the close button
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, ResizingByHandSnapsAndChangesTheScale)
{
    CMainDlg &w = Open();
    const GridMetrics &m = w.Metrics();
    const QPoint ear(w.width() - 10, 15);
    Press(ear);
    MoveTo(ear + QPoint(m.cxMonth / 2 + 10, 0), Qt::LeftButton);
    Release(ear + QPoint(m.cxMonth / 2 + 10, 0));
    EXPECT_EQ(w.size(), QSize(3 * m.cxMonth + 67, m.cyMonth + 140));
    EXPECT_EQ(document.m_nScale, 3);
    EXPECT_TRUE(Button(1029)->geometry().right() > 2 * m.cxMonth);

    const QPoint grip(w.width() - 20, w.height() - 10);
    Press(grip);
    MoveTo(grip + QPoint(0, 40), Qt::LeftButton);
    Release(grip + QPoint(0, 40));
    EXPECT_EQ(w.size(), QSize(3 * m.cxMonth + 67, 2 * m.cyMonth + 140));
    EXPECT_EQ(document.m_nScale, 6);
    EXPECT_TRUE(document.m_bLarge);
    EXPECT_EQ(Button(1037)->text(), u"Календарь - 2024/2025"_s); // September to February
}

// The frame picture is as large as the window: after a resize it is drawn again for the new
// size, as a window opened at that size draws it.
TEST_F(MainWindowTest, TheFramePictureFollowsTheWindowSize)
{
    auto panel = [](CMainDlg &w) {
        QImage image = w.FramePicture().toImage();
        QPainter(&image).fillRect(StatusLineRect(w.size(), QFontMetrics(CDayPopup::PopupFont()).height()),
                                  Qt::white);
        return image;
    };
    CMainDlg &w = Open();
    const QImage narrow = panel(w);
    auto dragEar = [&](int dx) {
        const QPoint ear(w.width() - 10, 15);
        Press(ear);
        MoveTo(ear + QPoint(dx, 0), Qt::LeftButton);
        Release(ear + QPoint(dx, 0));
    };
    dragEar(w.Metrics().cxMonth / 2 + 10);
    ASSERT_EQ(document.m_nScale, 3);
    EXPECT_EQ(w.FramePicture().size(), w.size() * w.devicePixelRatioF());
    const QImage wide = panel(w);
    dragEar(-(w.Metrics().cxMonth - 10));
    ASSERT_EQ(document.m_nScale, 2);
    EXPECT_EQ(panel(w), narrow);

    document.m_nScale = 3;
    window.reset();
    EXPECT_EQ(panel(Open()), wide);
}

TEST_F(MainWindowTest, TheStripsMoveTheWindowAndHintIt)
{
    CMainDlg &w = Open();
    const QPoint start = w.pos();
    MoveTo(QPoint(200, 20));
    EXPECT_EQ(w.StatusText(), u"Переместить..."_s);
    Press(QPoint(200, 20));
    MoveTo(QPoint(230, 45), Qt::LeftButton);
    Release(QPoint(230, 45));
    EXPECT_EQ(w.pos(), start + QPoint(30, 25));
}

TEST_F(MainWindowTest, TheHintTimerSuggestsWhatToDoWhereTheCursorRests)
{
    CMainDlg &w = Open();
    QCursor::setPos(w.mapToGlobal(QPoint(w.width() / 2, 45)));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return w.StatusText() == res::LoadString(res::StringId::PropertiesHint); }, 4000));
    QCursor::setPos(w.mapToGlobal(Cell(9, 20)));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return w.StatusText() == res::LoadString(res::StringId::AddEventHint); }, 4000));
}

TEST_F(MainWindowTest, ControlsShowTheirHints)
{
    CMainDlg &w = Open();
    for (int id : {1028, 1029, 1037, 57664, 57665, 1}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(Button(id), &enter);
        EXPECT_EQ(w.StatusText(), res::LoadString(id)) << id;
    }
}

// The window as it stands on the desktop, cut to its shape, for people to look at.
TEST_F(MainWindowTest, Screenshot)
{
    AddEvents(9, 3, {u"День рождения мамы"_s, u"Отпуск"_s});
    AddEvents(9, 17, {u"Годовщина"_s});
    AddEvents(10, 5, {u"День учителя"_s});
    document.m_nScale = 3;
    CMainDlg &w = Open();
    MoveTo(Cell(9, 17));
    Flush();
    QImage image(w.size() * w.devicePixelRatioF(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(w.devicePixelRatioF());
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setClipRegion(w.mask().isEmpty() ? QRegion(w.rect()) : w.mask());
        w.render(&p);
    }
    const QString dir = QStringLiteral(ORVANE_BINARY_DIR "/artifacts");
    QDir().mkpath(dir);
    ASSERT_TRUE(image.save(dir + u"/main_window.png"_s));
    // On a real display (xvfb-run with QT_QPA_PLATFORM=xcb) also the screen itself: the shape
    // as the display server cuts it, with the day's pop-up beside the cell.
    if (QGuiApplication::platformName() != u"offscreen"_s) {
        QTest::qWait(200);
        const QRect area = w.frameGeometry().united(Popup()->frameGeometry()).adjusted(-20, -20, 20, 20);
        const QPixmap screen = w.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        ASSERT_TRUE(screen.save(dir + u"/main_window_screen.png"_s));
    }
    EXPECT_FALSE(w.mask().isEmpty());
    EXPECT_TRUE(w.mask().contains(QPoint(w.width() / 2, w.height() / 2)));
    EXPECT_FALSE(w.mask().contains(QPoint(2, 2)));
}

} // namespace
} // namespace orvane
