#include "ui/controls/menu_button.h"
#include "ui/main/day_cursor.h"
#include "ui/events/event_tree_dialog.h"

#include "main_window_fixture.h"

#include <QClipboard>

#include <map>
#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace test;

class MainWindowKeysTest : public MainWindowTest {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    CMainDlg &Open(int scale)
    {
        document.m_nScale = static_cast<quint16>(scale);
        document.m_bLarge = scale > 6;
        return MainWindowTest::Open();
    }
    QDate Selected() const { return SelectedDayDate(window->MonthTable(), document.m_user.m_selected); }
    // Types keys by letter: U D L R arrows, < > page up and down, H Home.
    void Type(const std::string &keys)
    {
        static const std::map<char, Qt::Key> kKeys{{'U', Qt::Key_Up},       {'D', Qt::Key_Down},     {'L', Qt::Key_Left},
                                                   {'R', Qt::Key_Right},    {'<', Qt::Key_PageUp},   {'>', Qt::Key_PageDown},
                                                   {'H', Qt::Key_Home}};
        for (char key : keys)
            Key(kKeys.at(key));
    }
    void Paste(const QString &clipboard)
    {
        QGuiApplication::clipboard()->setText(clipboard);
        Key(Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(MainWindowKeysTest, TheWindowTakesTheFocusAndArrowsMoveTheHotDayWithItsPopUp)
{
    Add(9, 20, {u"Годовщина"_s});
    CMainDlg &w = Open(3);
    EXPECT_EQ(QApplication::focusWidget(), &w);
    Key(Qt::Key_Down); // nothing selected yet: the first key selects today
    EXPECT_EQ(Selected(), QDate(2024, 9, 12));
    EXPECT_EQ(w.StatusText(), u"Четверг  "_s);
    Type("DR");
    EXPECT_TRUE(Hot(9, 20) && !Hot(9, 13));
    EXPECT_EQ(Popup().Text(), u"Годовщина\n"_s);
    EXPECT_EQ(Popup().pos().y(), w.mapToGlobal(w.DayRect(9, 20).topLeft()).y());
    Type("LU");
    EXPECT_EQ(Selected(), QDate(2024, 9, 12));
    EXPECT_FALSE(Popup().isVisible());

    // A click on the menu button gives it the focus; the day keys still reach the window. Keys
    // with other modifiers do nothing.
    w.findChild<CMenuButton *>()->setFocus(Qt::MouseFocusReason);
    Key(Qt::Key_Down, Qt::KeypadModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), QDate(2024, 9, 13));

    // The display reports leaving when other windows come and go: the keys' day stays until
    // the pointer moves, which takes the selection over as before.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
    EXPECT_TRUE(Hot(9, 13));
    MoveTo(Cell(9, 20));
    EXPECT_EQ(Selected(), QDate(2024, 9, 20));
    QApplication::sendEvent(&w, &leave);
    EXPECT_FALSE(Selected().isValid());
    EXPECT_FALSE(Popup().isVisible());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(w.isMinimized());
}

// Arrows step a day (up, down) or a week (left, right) and page when they leave the months
// shown; page keys keep the day in view; Home returns to today.
TEST_F(MainWindowKeysTest, KeysStepAndPageAcrossMonthAndYearEnds)
{
    struct Step {
        std::string keys;
        QDate selected;
        int firstMonth;
        QString years;
    };
    const struct {
        QDate today;
        int scale;
        std::vector<Step> steps;
    } runs[] = {
        {{2024, 12, 30}, 2, {{"HDD", {2025, 1, 1}, 12, u"2024/2025"_s}, {"RRRRR", {2025, 2, 5}, 1, u"2025"_s},
                             {"LLLLLL", {2024, 12, 25}, 12, u"2024/2025"_s}}},
        {{2024, 12, 30}, 12, {{"H" + std::string(49, 'R'), {2025, 12, 8}, 1, u"2025"_s}}},
        {{2025, 2, 27}, 2, {{"HDD", {2025, 3, 1}, 2, u"2025"_s}, {"U", {2025, 2, 28}, 2, u"2025"_s},
                            {"LRR", {2025, 3, 7}, 2, u"2025"_s}}}, // no 29 February in a common year
        {{2024, 2, 27}, 2, {{"HDD", {2024, 2, 29}, 2, u"2024"_s}}},
        {{2024, 9, 12}, 3, {{">", {}, 10, u"2024"_s}, // nothing selected: only the months move
                            {"RRRRR", {2024, 10, 29}, 10, u"2024"_s}, {"<", {2024, 10, 29}, 9, u"2024"_s},
                            {">>>>", {2025, 1, 29}, 1, u"2025"_s}, {">", {2025, 2, 28}, 2, u"2025"_s},
                            {"H", {2024, 9, 12}, 9, u"2024"_s}}},
    };
    for (const auto &run : runs) {
        today = run.today;
        CMainDlg &w = Open(run.scale);
        for (const Step &step : run.steps) {
            SCOPED_TRACE(run.today.toString(Qt::ISODate).toStdString() + " " + step.keys);
            Type(step.keys);
            EXPECT_EQ(Selected(), step.selected);
            EXPECT_EQ(w.MonthTable().FirstMonth(), step.firstMonth);
            EXPECT_EQ(Title(), u"Календарь - "_s + step.years);
            EXPECT_TRUE(!step.selected.isValid() || Hot(step.selected.month(), step.selected.day()));
        }
    }
}

TEST_F(MainWindowKeysTest, EnterEditsTheSelectedDayAndCtrlGOpensGoToDay)
{
    Open(3);
    Key(Qt::Key_Return); // no day selected: nothing opens
    Type("HR");
    OnNextDialog<CEventTreeDialog>([](CEventTreeDialog &tree) {
        tree.AddEvent(u"Годовщина"_s, u"цветы"_s);
        tree.accept();
    });
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Names(9, 19), QStringList{u"Годовщина 9/19 День рождения"_s});
    ExpectSaved();
    EXPECT_TRUE(Hot(9, 19));
    EXPECT_TRUE(Popup().isVisible());
    QString opened;
    OnNextDialog<QDialog>([&opened](QDialog &dialog) { opened = QString::fromLatin1(dialog.metaObject()->className()); });
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(opened, u"orvane::CGoToDayDlg"_s);
}

TEST_F(MainWindowKeysTest, CopyAndPasteCarryTheSelectedDaysEventsMergingSavingAndReporting)
{
    Add(9, 12, {u"Лена"_s}, u"торт"_s);
    Add(9, 12, {u"Отпуск"_s}, {}, 1);
    Add(9, 13, {u"Другой день"_s});
    ASSERT_EQ(document.Save(), 1);
    const QByteArray stored = readFile(CDataFile::GetFilePath());
    const CUser before = document.m_user;
    MessageRecorder messages;
    Open(3);

    // Without a day nothing is copied or pasted, and a text that is no exchange document
    // changes nothing.
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    Paste(u"<Orvane><Event name=\"a\"/></Orvane>"_s);
    EXPECT_TRUE(messages.texts.isEmpty());
    Key(Qt::Key_Home);
    const QString none = u"В буфере нет данных для импорта."_s;
    const std::pair<QString, QString> cases[] = {
        {u""_s, none}, {u"<Orvane version=\"1, 9, 2, 0\"/>"_s, none},
        {u"Лена, 12 сентября"_s, u"В буфере находится неверный формат данных для импорта."_s}};
    for (const auto &[clipboard, message] : cases) {
        messages.texts.clear();
        Paste(clipboard);
        EXPECT_EQ(messages.texts, QStringList{message}) << clipboard.toStdString();
    }
    EXPECT_EQ(document.m_user, before);
    EXPECT_EQ(readFile(CDataFile::GetFilePath()), stored);

    Key(Qt::Key_C, Qt::ControlModifier);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(u"<Orvane version=\"1, 9, 2, 0\">\r\n<Event name=\"Лена\" information=\"торт\" "
                                "category=\"День рождения\" month=\"9\" day=\"12\"/>\r\n"_s));
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &e : document.m_user.Slot(index))
            EXPECT_EQ(e.Selected, 0) << "no export mark left behind";
    Type("DD"); // a day without events leaves the clipboard as it was
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);

    messages.texts.clear();
    Key(Qt::Key_Right);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Names(9, 21), (QStringList{u"Лена 9/21 День рождения"_s, u"Отпуск 9/21 Остальное"_s}));
    EXPECT_EQ(document.m_user.GetDayEvents(9, 21).begin()->Notes, u"торт"_s);
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 2."_s});
    EXPECT_TRUE(Hot(9, 21));
    EXPECT_EQ(Popup().Text(), u"Лена\nОтпуск\n"_s);

    // The file form, with a category the calendar lacks, a long name and a date of its own,
    // onto a day that takes only two more events.
    messages.texts.clear();
    Add(9, 5, QStringList(38, u"Событие"_s));
    Type("HL");
    Paste(u"<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Orvane version=\"1, 9, 2, 0\">"
          "<Event name=\"%1\" information=\"\" category=\"Работа\" month=\"13\" day=\"40\"/>"
          "<Event name=\"b\"/><Event name=\"c\"/></Orvane>\n"_s.arg(QString(45, u'я')));
    EXPECT_EQ(Names(9, 5).mid(38), (QStringList{QString(40, u'я') + u" 9/5 Работа"_s, u"b 9/5 Остальное"_s}));
    EXPECT_EQ(document.m_user.GetDayEvents(9, 5).GetCount(), 40);
    EXPECT_EQ(document.m_user.Categories(), (QStringList{u"День рождения"_s, u"Работа"_s, u"Остальное"_s}));
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 2.\n\nНе добавлено событий: 1\n    в этом дне уже 40 событий: 1\n\n"
                                          "Добавлено с изменениями: 2\n    категория не указана, событие отнесено к последней: 1\n"
                                          "    название сокращено до 40 символов: 1"_s});
    ExpectSaved();
}

} // namespace
} // namespace orvane
