#include "app/app_context.h"
#include "exchange/exchange_reader.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/controls/menu_button.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/main/main_dlg.h"
#include "ui/reminders/day_popup.h"

#include "event_maker.h"
#include "main_window_harness.h"
#include "qt_print.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

const QColor kHot(192, 192, 0);

class MainWindowKeysTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    CMainDlg &Open(int scale)
    {
        document.m_nScale = static_cast<quint16>(scale);
        document.m_bLarge = scale > 6;
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(COptionFlags::kDefaultOptions));
        context = std::make_unique<AppContext>(AppContext{document, registry, flags, false});
        window = std::make_unique<CMainDlg>(*context, true);
        window->show();
        window->activateWindow(); // a display without a window manager activates nothing
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    // A key as the user types it: to whatever holds the focus. A window manager activates the
    // window again when a dialog over it closes; the offscreen platform has none to do it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (!window->isActiveWindow())
            window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }
    QDate Selected() const
    {
        const SelectedDate selected = document.m_user.m_selected;
        if (!selected.IsSet())
            return {};
        return {window->MonthTable().Info(selected.month).nYear, selected.month, selected.day};
    }
    bool Hot(int month, int day) const { return FramePixel(window->DayRect(month, day).topLeft()) == kHot; }
    QStringList Names(int month, int day)
    {
        QStringList names;
        for (const CEventRecord &e : document.m_user.GetDayEvents(month, day))
            names << u"%1 %2/%3 %4"_s.arg(e.Name).arg(e.Month).arg(e.Day).arg(document.m_user.GetCategory(e.Category));
        return names;
    }
    CDayPopup &Popup() const { return *window->findChild<CDayPopup *>(); }
    void Keys(Qt::Key key, int times)
    {
        for (int i = 0; i < times; ++i)
            Key(key);
    }
    void Paste(const QString &clipboard)
    {
        QGuiApplication::clipboard()->setText(clipboard);
        Key(Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(MainWindowKeysTest, TheWindowTakesTheFocusAndArrowsMoveTheHotDayWithItsPopUp)
{
    document.m_user.GetDayEvents(9, 20).AddTail(test::MakeEvent(9, 20, u"Годовщина"_s));
    CMainDlg &w = Open(3);
    EXPECT_EQ(QApplication::focusWidget(), &w);

    Key(Qt::Key_Down); // nothing selected yet: the first key selects today
    EXPECT_EQ(Selected(), QDate(2024, 9, 12));
    EXPECT_TRUE(Hot(9, 12));
    EXPECT_EQ(w.StatusText(), u"Четверг  "_s);
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    EXPECT_EQ(Selected(), QDate(2024, 9, 20));
    EXPECT_TRUE(Hot(9, 20));
    EXPECT_FALSE(Hot(9, 12));
    EXPECT_FALSE(Hot(9, 13));
    ASSERT_TRUE(Popup().isVisible());
    EXPECT_EQ(Popup().Text(), u"Годовщина\n"_s);
    EXPECT_EQ(Popup().pos().y(), w.mapToGlobal(w.DayRect(9, 20).topLeft()).y());
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ(Selected(), QDate(2024, 9, 12));
    EXPECT_FALSE(Popup().isVisible());

    // A click on the menu button gives it the focus; the day keys still reach the window.
    w.findChild<CMenuButton *>()->setFocus(Qt::MouseFocusReason);
    Key(Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(Selected(), QDate(2024, 9, 13));
    // Keys with other modifiers do nothing; Esc still minimises (below).
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), QDate(2024, 9, 13));

    // The display reports leaving when other windows come and go: the keys' day stays until
    // the pointer moves, which takes the selection over as before.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
    EXPECT_EQ(Selected(), QDate(2024, 9, 13));
    EXPECT_TRUE(Hot(9, 13));
    const QPoint cell = w.DayRect(9, 20).center();
    QMouseEvent move(QEvent::MouseMove, QPointF(cell), QPointF(w.mapToGlobal(cell)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    EXPECT_EQ(Selected(), QDate(2024, 9, 20));
    EXPECT_TRUE(Popup().isVisible());
    QApplication::sendEvent(&w, &leave);
    EXPECT_FALSE(Selected().isValid());
    EXPECT_FALSE(Popup().isVisible());

    Key(Qt::Key_Escape);
    EXPECT_TRUE(w.isMinimized());
}

TEST_F(MainWindowKeysTest, StepsOutOfTheShownMonthsPageAcrossMonthAndYearEnds)
{
    today = QDate(2024, 12, 30);
    CMainDlg &w = Open(2); // December 2024 and January 2025
    Key(Qt::Key_Home);
    Keys(Qt::Key_Down, 2);
    EXPECT_EQ(Selected(), QDate(2025, 1, 1));
    EXPECT_EQ(w.MonthTable().FirstMonth(), 12);
    Keys(Qt::Key_Right, 5);
    EXPECT_EQ(Selected(), QDate(2025, 2, 5));
    EXPECT_EQ(w.MonthTable().FirstMonth(), 1);
    EXPECT_EQ(w.findChild<CMenuButton *>()->text(), u"Календарь - 2025"_s);
    EXPECT_TRUE(Hot(2, 5));
    Keys(Qt::Key_Left, 6);
    EXPECT_EQ(Selected(), QDate(2024, 12, 25));
    EXPECT_EQ(w.MonthTable().FirstMonth(), 12);
    EXPECT_EQ(w.findChild<CMenuButton *>()->text(), u"Календарь - 2024/2025"_s);
    EXPECT_TRUE(Hot(12, 25));
    EXPECT_FALSE(Hot(1, 1));

    // All twelve months shown: the December of the next year is another page.
    window.reset();
    Open(12);
    Key(Qt::Key_Home);
    Keys(Qt::Key_Right, 49);
    EXPECT_EQ(Selected(), QDate(2025, 12, 8)); // 30 December 2024 + 343 days
    EXPECT_EQ(window->MonthTable().FirstMonth(), 1);
}

TEST_F(MainWindowKeysTest, TheTwentyNinthOfFebruaryIsSkippedInACommonYear)
{
    today = QDate(2025, 2, 27);
    Open(2);
    Key(Qt::Key_Home);
    Keys(Qt::Key_Down, 2);
    EXPECT_EQ(Selected(), QDate(2025, 3, 1));
    Key(Qt::Key_Up);
    EXPECT_EQ(Selected(), QDate(2025, 2, 28));
    Key(Qt::Key_Left);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(Selected(), QDate(2025, 3, 7));

    window.reset();
    today = QDate(2024, 2, 27);
    Open(2);
    Key(Qt::Key_Home);
    Keys(Qt::Key_Down, 2);
    EXPECT_EQ(Selected(), QDate(2024, 2, 29));
    EXPECT_TRUE(Hot(2, 29));
}

TEST_F(MainWindowKeysTest, PageKeysPageKeepingTheDayInViewAndHomeReturnsToToday)
{
    CMainDlg &w = Open(3); // September .. November 2024
    Key(Qt::Key_PageDown); // nothing selected: only the months move
    EXPECT_EQ(w.MonthTable().FirstMonth(), 10);
    EXPECT_FALSE(Selected().isValid());
    Key(Qt::Key_Right); // 1 October: today is no longer shown
    Keys(Qt::Key_Right, 4);
    EXPECT_EQ(Selected(), QDate(2024, 10, 29));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(w.MonthTable().FirstMonth(), 9);
    EXPECT_EQ(Selected(), QDate(2024, 10, 29));
    Keys(Qt::Key_PageDown, 4); // January .. March 2025: the day follows into the first month
    EXPECT_EQ(w.MonthTable().FirstMonth(), 1);
    EXPECT_EQ(Selected(), QDate(2025, 1, 29));
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Selected(), QDate(2025, 2, 28));
    EXPECT_TRUE(Hot(2, 28));
    EXPECT_EQ(w.findChild<CMenuButton *>()->text(), u"Календарь - 2025"_s);

    Key(Qt::Key_Home);
    EXPECT_EQ(w.MonthTable().FirstMonth(), 9);
    EXPECT_EQ(Selected(), QDate(2024, 9, 12));
    EXPECT_TRUE(Hot(9, 12));
    EXPECT_EQ(w.findChild<CMenuButton *>()->text(), u"Календарь - 2024"_s);
}

TEST_F(MainWindowKeysTest, EnterEditsTheSelectedDayAndCtrlGOpensGoToDay)
{
    Open(3);
    Key(Qt::Key_Return); // no day selected: nothing opens
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    QString opened;
    OnNextDialog<QDialog>([&opened](QDialog &dialog) {
        opened = QString::fromLatin1(dialog.metaObject()->className());
        if (auto *tree = qobject_cast<CEventTreeDialog *>(&dialog)) {
            tree->AddEvent(u"Годовщина"_s, u"цветы"_s);
            tree->accept();
        }
    });
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(opened, u"orvane::CEventTreeDialog"_s);
    EXPECT_EQ(Names(9, 19), QStringList{u"Годовщина 9/19 День рождения"_s});
    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), {today, 7}).ok());
    EXPECT_EQ(saved.m_user, document.m_user);
    EXPECT_TRUE(Hot(9, 19));
    EXPECT_TRUE(Popup().isVisible());

    OnNextDialog<QDialog>([&opened](QDialog &dialog) { opened = QString::fromLatin1(dialog.metaObject()->className()); });
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(opened, u"orvane::CGoToDayDlg"_s);
}

TEST_F(MainWindowKeysTest, CopyPutsOnlyTheSelectedDaysEventsOnTheClipboardInTheExportForm)
{
    document.m_user.GetDayEvents(9, 12).AddTail(test::MakeEvent(9, 12, u"Лена"_s, u"торт"_s));
    document.m_user.GetDayEvents(9, 12).AddTail(test::MakeEvent(9, 12, u"Отпуск"_s, {}, 1));
    document.m_user.GetDayEvents(9, 13).AddTail(test::MakeEvent(9, 13, u"Другой день"_s));
    Open(3);
    Key(Qt::Key_C, Qt::ControlModifier); // no day selected
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    Key(Qt::Key_Home);
    Key(Qt::Key_C, Qt::ControlModifier);

    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(u"<Orvane version=\"1, 9, 2, 0\">\r\n<Event name=\"Лена\" information=\"торт\" "
                                "category=\"День рождения\" month=\"9\" day=\"12\"/>\r\n"_s));
    CImportList list;
    ASSERT_TRUE(ReadExchangeText(text, list).ok());
    QStringList read;
    for (const CImportedEvent &e : list)
        read << e.Name + u' ' + e.CategoryName;
    EXPECT_EQ(read, (QStringList{u"Лена День рождения"_s, u"Отпуск Остальное"_s}));
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &e : document.m_user.Slot(index))
            EXPECT_EQ(e.Selected, 0) << "no export mark left behind";

    Keys(Qt::Key_Down, 2); // a day without events leaves the clipboard as it was
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
}

TEST_F(MainWindowKeysTest, PasteGivesTheEventsTheSelectedDayMergesSavesAndReports)
{
    document.m_user.GetDayEvents(9, 12).AddTail(test::MakeEvent(9, 12, u"Лена"_s, u"торт"_s));
    test::MessageRecorder messages;
    Open(3);
    Key(Qt::Key_Home);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_Right);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Names(9, 19), QStringList{u"Лена 9/19 День рождения"_s});
    EXPECT_EQ(document.m_user.GetDayEvents(9, 19).begin()->Notes, u"торт"_s);
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 1."_s});
    EXPECT_TRUE(Hot(9, 19));
    EXPECT_EQ(Popup().Text(), u"Лена\n"_s);

    // The file form, with a category the calendar lacks, a long name and a date of its own.
    messages.texts.clear();
    Key(Qt::Key_Right);
    Paste(u"<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Orvane version=\"1, 9, 2, 0\">"
          "<Event name=\"%1\" information=\"\" category=\"Работа\" month=\"13\" day=\"40\"/>"
          "</Orvane>\n"_s.arg(QString(45, u'я')));
    EXPECT_EQ(Names(9, 26), QStringList{QString(40, u'я') + u" 9/26 Работа"_s});
    EXPECT_EQ(document.m_user.Categories(), (QStringList{u"День рождения"_s, u"Работа"_s, u"Остальное"_s}));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(u"название сокращено до 40 символов: 1"_s)) << messages.texts[0].toStdString();
    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), {today, 7}).ok());
    EXPECT_EQ(saved.m_user, document.m_user);

    // A day takes no more than 40 events.
    for (int i = 0; i < 39; ++i)
        document.m_user.GetDayEvents(9, 5).AddTail(test::MakeEvent(9, 5, u"Событие"_s));
    messages.texts.clear();
    Key(Qt::Key_Home);
    Key(Qt::Key_Left);
    Paste(u"<Orvane><Event name=\"a\"/><Event name=\"b\"/><Event name=\"c\"/></Orvane>"_s);
    EXPECT_EQ(document.m_user.GetDayEvents(9, 5).GetCount(), 40);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(u"Добавлено событий: 1.\n\nНе добавлено событий: 2\n"
                                             "    в этом дне уже 40 событий: 2"_s)) << messages.texts[0].toStdString();
}

TEST_F(MainWindowKeysTest, PasteOfTextThatIsNoExchangeDocumentChangesNothing)
{
    document.m_user.GetDayEvents(9, 12).AddTail(test::MakeEvent(9, 12, u"Лена"_s));
    ASSERT_EQ(document.Save(), 1);
    const QByteArray stored = test::readFile(CDataFile::GetFilePath());
    const CUser before = document.m_user;
    test::MessageRecorder messages;
    Open(3);
    Key(Qt::Key_V, Qt::ControlModifier); // no day selected
    EXPECT_TRUE(messages.texts.isEmpty());
    Key(Qt::Key_Home);

    const QString invalid = u"В буфере находится неверный формат данных для импорта."_s;
    const QString none = u"В буфере нет данных для импорта."_s;
    const std::pair<QString, QString> cases[] = {
        {u""_s, none},
        {u"Лена, 12 сентября"_s, invalid},
        {u"<Orvane><Event name=\"a\"></Orvane>"_s, invalid},
        {u"<Orvane version=\"1, 9, 2, 0\">\r\n</Orvane>\r\n"_s, none},
        {u"<!DOCTYPE Orvane [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
         "<Orvane><Event name=\"&b;\"/></Orvane>"_s, invalid},
        {u"<Orvane><Event name=\"x\" category=\"&#0;\"/></Orvane>"_s, invalid},
        {QString(17 * 1024 * 1024, u'a'), invalid},
    };
    for (const auto &[clipboard, message] : cases) {
        messages.texts.clear();
        Paste(clipboard);
        EXPECT_EQ(messages.texts, QStringList{message}) << clipboard.left(60).toStdString();
    }
    EXPECT_EQ(document.m_user, before);
    EXPECT_EQ(test::readFile(CDataFile::GetFilePath()), stored);
}

// The window with a day chosen from the keyboard and its pop-up, for people to look at.
TEST_F(MainWindowKeysTest, Screenshot)
{
    document.m_user.GetDayEvents(9, 26).AddTail(test::MakeEvent(9, 26, u"День рождения мамы"_s));
    document.m_user.GetDayEvents(9, 26).AddTail(test::MakeEvent(9, 26, u"Отпуск"_s));
    CMainDlg &w = Open(3);
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_TRUE(Popup().isVisible());
    if (QGuiApplication::platformName() == u"offscreen"_s)
        return;
    QTest::qWait(1500); // time for a grab of the whole screen from outside too
    const QRect area = w.frameGeometry().united(Popup().frameGeometry()).adjusted(-20, -20, 20, 20);
    const QString dir = QStringLiteral(ORVANE_BINARY_DIR "/artifacts");
    QDir().mkpath(dir);
    EXPECT_TRUE(w.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                    .save(dir + u"/main_window_keys_screen.png"_s));
}

} // namespace
} // namespace orvane
