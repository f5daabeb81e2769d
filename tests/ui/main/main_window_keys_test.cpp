#include "ui/controls/menu_button.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/main/day_cursor.h"
#include "ui/main/go_to_day_dialog.h"
#include "ui/main/main_dlg_accessible.h"
#include "ui/settings/settings_dialog.h"

#include "main_window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace test;

class MainWindowKeysTest : public MainWindowTest {
protected:
    QDate Selected() const { return SelectedDayDate(window->MonthTable(), document.m_user.m_selected); }
    // Types keys by letter: U D L R arrows, < > page up and down, H Home; with Ctrl: [ ] left
    // and right, ^ v up and down.
    void Type(const std::string &keys)
    {
        static const std::map<char, Qt::Key> kKeys{{'U', Qt::Key_Up},       {'D', Qt::Key_Down},     {'L', Qt::Key_Left},
                                                   {'R', Qt::Key_Right},    {'<', Qt::Key_PageUp},   {'>', Qt::Key_PageDown},
                                                   {'H', Qt::Key_Home},     {'[', Qt::Key_Left},     {']', Qt::Key_Right},
                                                   {'^', Qt::Key_Up},       {'v', Qt::Key_Down}};
        for (char key : keys)
            Key(kKeys.at(key), std::string_view("[]^v").find(key) == std::string_view::npos ? Qt::NoModifier : Qt::ControlModifier);
    }
};

// Arrows step a day (up, down) or a week (left, right) and page when they leave the months
// shown; page keys keep the day in view; Home returns to today, as the first key does.
TEST_F(MainWindowKeysTest, KeysStepAndPageAcrossMonthAndYearEnds)
{
    struct Step {
        std::string keys;
        QDate selected;
        int firstMonth;
        int scale = 0; // the months shown, when checked
    };
    const struct {
        QDate today;
        int scale;
        std::vector<Step> steps;
    } runs[] = {
        {{2024, 12, 30}, 2, {{"HDD", {2025, 1, 1}, 12}, {"RRRRR", {2025, 2, 5}, 1}, {"LLLLLL", {2024, 12, 25}, 12}}},
        {{2024, 12, 30}, 12, {{"H" + std::string(49, 'R'), {2025, 12, 8}, 1}}},
        {{2025, 2, 27}, 2, {{"DDD", {2025, 3, 1}, 2}, {"U", {2025, 2, 28}, 2}, {"LRR", {2025, 3, 7}, 2}}}, // common year
        {{2024, 2, 27}, 2, {{"HDD", {2024, 2, 29}, 2}}},
        {{2024, 9, 12}, 3, {{">", {}, 10}, // nothing selected: only the months move
                            {"RRRRR", {2024, 10, 29}, 10}, {"<", {2024, 10, 29}, 9}, {">>>>", {2025, 1, 29}, 1},
                            {">", {2025, 2, 28}, 2}, {"H", {2024, 9, 12}, 9}}},
        // Ctrl with the arrows: months per row 2..6 as the ear gives them, one or two rows as the grip
        {{2024, 9, 12}, 2, {{"H]]]]]", {2024, 9, 12}, 9, 6}, {"v", {2024, 9, 12}, 9, 12}, {"v[[[[[", {2024, 9, 12}, 9, 4}, {"^", {2024, 9, 12}, 9, 2}, {"[^", {2024, 9, 12}, 9, 2}}},
    };
    for (const auto &run : runs) {
        today = run.today;
        document.m_nScale = static_cast<quint16>(run.scale);
        document.m_bLarge = run.scale > 6;
        CMainDlg &w = Open();
        for (const Step &step : run.steps) {
            SCOPED_TRACE(run.today.toString(Qt::ISODate).toStdString() + " " + step.keys);
            Type(step.keys);
            EXPECT_EQ(std::make_tuple(Selected(), w.MonthTable().FirstMonth(), step.scale ? w.Scale() : 0),
                      std::make_tuple(step.selected, step.firstMonth, step.scale));
            EXPECT_TRUE(!step.selected.isValid() || Hot(step.selected.month(), step.selected.day()));
        }
    }
}

// The keys reach the window also when a click gave the menu button the focus; keys with other
// modifiers do nothing. The display reports leaving when other windows come and go: the keys'
// day stays until the pointer moves, which takes the selection over.
TEST_F(MainWindowKeysTest, EnterEditsTheKeysDayCtrlGGoesToADayAndOnlyThePointerLeavesIt)
{
    CMainDlg &w = Open();
    EXPECT_EQ(QApplication::focusWidget(), &w);
    Key(Qt::Key_Return); // no day selected: nothing opens
    w.findChild<CMenuButton *>()->setFocus(Qt::MouseFocusReason);
    Type("HR");
    Key(Qt::Key_Down, Qt::KeypadModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    OnNextDialog<CEventTreeDialog>([](CEventTreeDialog &tree) {
        tree.AddEvent(u"Годовщина"_s, {});
        tree.accept();
    });
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Names(9, 20), QStringList{u"Годовщина 9/20 День рождения"_s});
    // The keys' day shows its pop-up, which goes with the window minimised, and under a dialog
    // of the program (below).
    EXPECT_TRUE(Popup().isVisible());
    w.showMinimized();
    EXPECT_FALSE(Popup().isVisible());
    w.showNormal();

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
    EXPECT_TRUE(Hot(9, 20));
    MoveTo(Cell(9, 21));
    QApplication::sendEvent(&w, &leave);
    EXPECT_FALSE(Selected().isValid() || Popup().isVisible());

    // Ctrl+G: the dialog opens on today; a month chosen lowers the day only where the month is
    // shorter, in today's year (the rows: the year, a day typed but not yet taken, the month
    // chosen, the day then). A day typed is opened as typed, not fitted: 31 April, which the store
    // keeps in the slot of 1 May.
    Type("HRD");
    EXPECT_TRUE(Popup().isVisible());
    std::pair<int, int> opened;
    OnNextDialog<CGoToDayDlg>([this, &opened](CGoToDayDlg &dialog) {
        EXPECT_FALSE(Popup().isVisible());
        auto *months = dialog.findChild<QComboBox *>(QString::number(CGoToDayDlg::IDC_MONTH));
        auto *days = dialog.findChild<QSpinBox *>(QString::number(CGoToDayDlg::IDC_DAY));
        EXPECT_EQ(std::make_pair(months->currentIndex() + 1, days->value()), std::make_pair(9, 12));
        const std::tuple<int, const char *, int, int> steps[] = {
            {2024, "30", 2, 29}, {2024, "", 3, 29}, {2025, "31", 5, 31}, {2025, "30", 2, 28}, {2025, "31", 4, 30}};
        for (const auto &[year, typed, month, day] : steps) {
            today.setDate(year, 9, 12);
            days->selectAll();
            QTest::keyClicks(days, QString::fromLatin1(typed));
            months->setCurrentIndex(month - 1);
            EXPECT_EQ(days->value(), day) << year << "-" << month;
        }
        days->selectAll();
        QTest::keyClicks(days, u"31"_s);
        OnNextDialog<CEventTreeDialog>([this, &opened](CEventTreeDialog &) {
            opened = {document.m_user.m_selected.month, document.m_user.m_selected.day};
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>(QString::number(CGoToDayDlg::IDC_OPEN)), Qt::LeftButton);
    });
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(opened, std::make_pair(4, 31));
}

TEST_F(MainWindowKeysTest, CopyAndPasteCarryTheSelectedDaysEventsSavingAndReporting)
{
    Add(9, 12, {u"Лена"_s});
    Add(9, 12, {u"Отпуск"_s}, {}, 1);
    Add(9, 13, {u"Другой день"_s});
    const CUser before = document.m_user;
    MessageRecorder messages;
    QClipboard &clipboard = *QGuiApplication::clipboard();
    clipboard.clear();
    Open();

    // Without a day nothing is copied or pasted (the first text comes before a day is selected);
    // a text that holds no events, or is no exchange document, is refused with a message and
    // changes nothing.
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboard.text().isEmpty());
    for (const QString &text : {u"<Orvane><Event name=\"a\"/></Orvane>"_s, u""_s, u"<Orvane version=\"1, 9, 2, 0\"/>"_s,
                                u"Лена, 12 сентября"_s}) {
        messages.texts.clear();
        clipboard.setText(text);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(messages.texts.size(), Selected().isValid() ? 1 : 0) << text.toStdString();
        Key(Qt::Key_Home);
    }
    EXPECT_EQ(document.m_user, before);

    Key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = clipboard.text();
    Type("DD"); // a day without events leaves the clipboard as it was
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), copied);

    messages.texts.clear();
    Key(Qt::Key_Right);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Names(9, 21), (QStringList{u"Лена 9/21 День рождения"_s, u"Отпуск 9/21 Остальное"_s}));
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 2."_s});
    EXPECT_EQ(Popup().Text(), u"Лена\nОтпуск\n"_s);
    ExpectSaved();
}

// Screen readers see a table per month shown, of days named by date and described by their
// events; the keys' day is selected and focused, with events; a press opens the day's editor.
// The menus, the settings and the end have keys too.
TEST_F(MainWindowKeysTest, ReadersSeeTheMonthsAsTablesOfDaysAndMenusSettingsAndTheEndHaveKeys)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QList<std::pair<QAccessible::Event, QString>> events;
    RecordAccessibleEvents([&events](QAccessibleEvent &event) {
        events.append({event.type(), event.accessibleInterface()->text(QAccessible::Name)});
    });
    const auto restore = qScopeGuard([] { RecordAccessibleEvents({}); });
    Add(9, 13, {u"Анна"_s});
    Add(9, 14, {u"Анна"_s, u"Борис"_s, u"Вера"_s, u"Глеб"_s, u"Дина"_s});
    CMainDlg &w = Open();
    QAccessibleInterface *main = QAccessible::queryAccessibleInterface(&w);
    const auto tables = [main] {
        QList<QAccessibleInterface *> found;
        for (int i = 0; i < main->childCount(); ++i) {
            QAccessibleInterface *child = main->child(i);
            EXPECT_EQ(std::make_pair(main->indexOfChild(child), child->parent()), std::make_pair(i, main));
            EXPECT_FALSE(child->text(QAccessible::Name).isEmpty()) << i; // the buttons and the status line too
            if (child->role() == QAccessible::Table)
                found << child;
        }
        return found;
    };
    QAccessibleTableInterface *september = tables().first()->tableInterface();
    EXPECT_EQ(tables().last()->text(QAccessible::Name), u"Октябрь 2024"_s);
    const std::tuple<int, const char *, const char *> cells[] = { // by day: the name, the description
        {12, "четверг, 12 сентября 2024 г., сегодня", ""},
        {13, "пятница, 13 сентября 2024 г.", "1 событие: Анна"},
        {14, "суббота, 14 сентября 2024 г.", "5 событий: Анна, Борис, Вера, Глеб, Дина"}};
    for (const auto &[day, name, description] : cells) {
        QAccessibleInterface *cell = september->cellAt(2, day - 9); // 1 September is a Sunday
        EXPECT_EQ(cell->text(QAccessible::Name) + u"|"_s + cell->text(QAccessible::Description),
                  QString::fromUtf8(name) + u"|"_s + QString::fromUtf8(description));
        EXPECT_EQ(cell->rect(), QRect(w.mapToGlobal(w.DayRect(9, day).topLeft()), w.DayRect(9, day).size()));
        EXPECT_EQ(cell->parent()->child(cell->parent()->indexOfChild(cell)), cell);
    }
    events.clear();
    Type("HD");
    QAccessibleInterface *thirteenth = september->cellAt(2, 4);
    EXPECT_TRUE(thirteenth->state().selected && thirteenth->state().focused);
    EXPECT_FALSE(september->cellAt(2, 3)->state().selected);
    EXPECT_EQ(main->focusChild(), thirteenth);
    for (const QAccessible::Event type : {QAccessible::Focus, QAccessible::Selection})
        EXPECT_TRUE(events.contains(std::pair{type, thirteenth->text(QAccessible::Name)})) << type;
    bool opened = false;
    OnNextDialog<CEventTreeDialog>([&opened](CEventTreeDialog &) { opened = true; });
    thirteenth->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return opened; }));
    Type(">");
    EXPECT_EQ(tables().first()->text(QAccessible::Name), u"Октябрь 2024"_s);

    // Shift+F10 opens the year menu, Enter on "?" its menu, the Menu key the settings; Ctrl+Q ends.
    const auto menuOf = [this](QWidget *focus, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        qsizetype entries = 0;
        QTimer::singleShot(0, window.get(), [&entries] {
            QWidget *menu = QApplication::activePopupWidget();
            entries = menu ? menu->actions().size() : 0;
            if (menu)
                menu->close();
        });
        QTest::keyClick(focus, key, modifiers);
        return entries;
    };
    EXPECT_EQ(menuOf(&w, Qt::Key_F10, Qt::ShiftModifier), 6);
    EXPECT_EQ(menuOf(Button(57664), Qt::Key_Return, Qt::NoModifier), 3); // with a separator
    OnNextDialog<CSettingsDialog>([&opened](CSettingsDialog &) { opened = false; });
    Key(Qt::Key_Menu);
    EXPECT_FALSE(opened);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

} // namespace
} // namespace orvane
