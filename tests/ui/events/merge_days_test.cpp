#include "sandbox_calendar.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/main/qt_print.h"

#include "event_maker.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// "name month/day" of every event of a day, in list order.
QStringList Names(const CEventList &day)
{
    QStringList names;
    for (const CEventRecord &e : day)
        names << u"%1 %2/%3"_s.arg(e.Name).arg(e.Month).arg(e.Day);
    return names;
}

constexpr int kUpper = CMergeDaysDialog::IDC_SOURCE_LIST; // 5 March
constexpr int kLower = CMergeDaysDialog::IDC_TARGET_LIST; // 7 March

// The dialog for a drop of 5 March onto 7 March. The lists show their days sorted by name, so a
// list out of step with its day would move another event than the one selected.
class MergeDaysTest : public test::SandboxCalendar {
protected:
    void Fill(int day, const QStringList &names)
    {
        for (const QString &name : names) {
            CEventRecord event = test::MakeEvent(3, day, name, u"заметки "_s + name, 1);
            event.Monitoring = 0;
            document.m_user.GetDayEvents(3, day).AddTail(event);
        }
    }
    QListWidget &List(int id) const { return *dialog->findChild<QListWidget *>(QString::number(id)); }
    QListWidgetItem *Item(int list, const QString &name) const
    {
        return List(list).findItems(name, Qt::MatchExactly).value(0);
    }
    void Click(int id) { QTest::mouseClick(dialog->findChild<QAbstractButton *>(QString::number(id)), Qt::LeftButton); }
    void Move(int list, const QString &name, int button)
    {
        List(list).setCurrentItem(Item(list, name));
        Click(button);
    }
    QStringList Day(int day) { return Names(document.m_user.GetDayEvents(3, day)); }

    std::unique_ptr<CMergeDaysDialog> dialog;
};

TEST_F(MergeDaysTest, MovesKeepTheListsAndTheDaysInStepAndEscapeSavesThem)
{
    Fill(5, {u"B"_s, u"C"_s, u"A"_s});
    Fill(7, {u"Y"_s, u"X"_s});
    dialog = std::make_unique<CMergeDaysDialog>(document, 3, 5, 3, 7);
    dialog->show();
    Click(CMergeDaysDialog::IDC_MOVE_ONE_DOWN); // nothing selected: nothing moves
    Move(kUpper, u"A"_s, CMergeDaysDialog::IDC_MOVE_ONE_DOWN);
    Move(kLower, u"X"_s, CMergeDaysDialog::IDC_MOVE_ONE_UP); // the second of A, X, Y
    EXPECT_EQ(Day(5), (QStringList{u"X 3/5"_s, u"B 3/5"_s, u"C 3/5"_s})) << "at the head of its new day";

    // All at once: to the head of the other day in reverse name order; only the date changes.
    Click(CMergeDaysDialog::IDC_MOVE_ALL_DOWN);
    EXPECT_EQ(Day(7), (QStringList{u"X 3/7"_s, u"C 3/7"_s, u"B 3/7"_s, u"A 3/7"_s, u"Y 3/7"_s}));
    const CEventRecord &moved = *document.m_user.GetDayEvents(3, 7).begin();
    EXPECT_EQ(std::tuple(moved.Notes, moved.Category, moved.Monitoring), std::tuple(u"заметки X"_s, 1, 0));
    Click(CMergeDaysDialog::IDC_MOVE_ALL_UP);
    Click(CMergeDaysDialog::IDC_MOVE_ALL_UP); // nothing left below
    EXPECT_EQ(Day(5), (QStringList{u"Y 3/5"_s, u"X 3/5"_s, u"C 3/5"_s, u"B 3/5"_s, u"A 3/5"_s}));

    Q_EMIT List(kUpper).itemDoubleClicked(Item(kUpper, u"B"_s));
    Q_EMIT List(kLower).itemDoubleClicked(Item(kLower, u"B"_s));
    EXPECT_EQ(Day(5).first(), u"B 3/5"_s);

    Click(CMergeDaysDialog::IDC_MOVE_ALL_DOWN);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(sandbox.calendarPath(), {QDate(2025, 3, 10), 7}).ok());
    EXPECT_EQ(Names(saved.m_user.GetDayEvents(3, 7)), Day(7));
}

TEST_F(MergeDaysTest, NoMoveTakesADayPastFortyEvents)
{
    Fill(5, {u"Первое"_s, u"Второе"_s, u"Третье"_s});
    for (int i = 1; i <= 38; ++i)
        Fill(7, {u"Событие %1"_s.arg(i)});
    CMergeDaysModel model(document.m_user.GetDayEvents(3, 5), 3, 5, document.m_user.GetDayEvents(3, 7), 3, 7);
    for (const int row : {-1, 3}) // a row outside its side moves nothing
        EXPECT_EQ(model.MoveOne(CMergeDaysModel::kUpper, row).status, CMergeDaysModel::MoveStatus::NothingToMove);
    dialog = std::make_unique<CMergeDaysDialog>(document, 3, 5, 3, 7);
    Click(CMergeDaysDialog::IDC_MOVE_ALL_DOWN); // 38 + 3: nothing moves
    for (const QString &name : {u"Первое"_s, u"Второе"_s, u"Третье"_s}) // the third would be the 41st
        Move(kUpper, name, CMergeDaysDialog::IDC_MOVE_ONE_DOWN);
    EXPECT_EQ(Day(5), QStringList{u"Третье 3/5"_s});
    const QString text = u": на один день может приходиться не более 40 событий, а на день 7 (Март) их пришлось бы 41."_s;
    EXPECT_EQ(messages.texts, (QStringList{u"События не перенесены"_s + text, u"Событие не перенесено"_s + text}));
}

} // namespace
} // namespace orvane
