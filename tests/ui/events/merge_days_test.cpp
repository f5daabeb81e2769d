#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/message.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/events/merge_days_model.h"

#include "../controls/look.h"
#include "../main/qt_print.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;
using Side = CMergeDaysModel::Side;
using MoveStatus = CMergeDaysModel::MoveStatus;

CEventRecord Event(const QString &name, int month, int day)
{
    CEventRecord event;
    event.Name = name;
    event.Notes = u"заметки "_s + name;
    event.Month = month;
    event.Day = day;
    event.Category = 1;
    event.Monitoring = 0;
    return event;
}

// "name month/day" of every event of a day, in list order.
QStringList Day(CUser &user, int month, int day)
{
    QStringList names;
    for (const CEventRecord &e : user.GetDayEvents(month, day))
        names << QStringLiteral("%1 %2/%3").arg(e.Name).arg(e.Month).arg(e.Day);
    return names;
}

QStringList Items(const QListWidget &list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

class MergeDaysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2025, 3, 10); });
        SetMessagePresenter([this](const QString &text, MessageButtons) {
            messages << text;
            return MessageAnswer::Ok;
        });
    }
    void TearDown() override
    {
        dialog.reset();
        SetMessagePresenter({});
        Clock::SetSource({});
    }

    void Fill(int month, int day, const QStringList &names)
    {
        for (const QString &name : names)
            user().GetDayEvents(month, day).AddTail(Event(name, month, day));
    }
    // Fills a day with `count` events named "Событие 1" ...
    void FillCount(int month, int day, int count)
    {
        for (int i = 1; i <= count; ++i)
            user().GetDayEvents(month, day).AddTail(Event(u"Событие %1"_s.arg(i), month, day));
    }
    CUser &user() { return document.m_user; }

    // The dialog for a drop of 5 March onto 7 March.
    CMergeDaysDialog &Open()
    {
        dialog = std::make_unique<CMergeDaysDialog>(document, 3, 5, 3, 7);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }
    QListWidget &List(int id) const
    {
        return *dialog->findChild<QListWidget *>(QString::number(id));
    }
    QListWidget &Upper() const { return List(CMergeDaysDialog::IDC_SOURCE_LIST); }
    QListWidget &Lower() const { return List(CMergeDaysDialog::IDC_TARGET_LIST); }
    void Click(int id)
    {
        auto *button = dialog->findChild<QAbstractButton *>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Select(QListWidget &list, const QString &name)
    {
        const QList<QListWidgetItem *> found = list.findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(found.first()).center());
    }
    void DoubleClick(QListWidget &list, const QString &name)
    {
        const QList<QListWidgetItem *> found = list.findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        // What a real double click delivers: press, release, double click, release.
        const QPoint at = list.visualItemRect(found.first()).center();
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
    }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    std::unique_ptr<CMergeDaysDialog> dialog;
    QStringList messages;
};

TEST_F(MergeDaysTest, OpensWithBothDaysSortedByNameUnderTheTitleOfTheTwoDates)
{
    Fill(3, 5, {u"Яблоня"_s, u"арбуз"_s, u"Ёлка"_s});
    Fill(3, 7, {u"Жук"_s, u"Дом"_s});
    Open();
    EXPECT_EQ(dialog->windowTitle(), u"Объединение дней 5 (Март) и 7 (Март)"_s);
    EXPECT_EQ(Items(Upper()), (QStringList{u"арбуз"_s, u"Ёлка"_s, u"Яблоня"_s}));
    EXPECT_EQ(Items(Lower()), (QStringList{u"Дом"_s, u"Жук"_s}));

    test::SaveForLook(dialog->grab().toImage(), u"merge_days_dialog"_s);
}

TEST_F(MergeDaysTest, MovingAllDownPutsTheMovedEventsFirstInReverseNameOrder)
{
    Fill(3, 5, {u"B"_s, u"C"_s, u"A"_s});
    Fill(3, 7, {u"Y"_s, u"X"_s});
    Open();
    Click(CMergeDaysDialog::IDC_MOVE_ALL_DOWN);

    EXPECT_EQ(Upper().count(), 0);
    EXPECT_EQ(Items(Lower()), (QStringList{u"A"_s, u"B"_s, u"C"_s, u"X"_s, u"Y"_s}));
    EXPECT_TRUE(user().GetDayEvents(3, 5).IsEmpty());
    EXPECT_EQ(Day(user(), 3, 7),
              (QStringList{u"C 3/7"_s, u"B 3/7"_s, u"A 3/7"_s, u"Y 3/7"_s, u"X 3/7"_s}));
    // Only the date changes.
    const CEventRecord &moved = *user().GetDayEvents(3, 7).begin();
    EXPECT_EQ(moved.Notes, u"заметки C"_s);
    EXPECT_EQ(moved.Category, 1);
    EXPECT_EQ(moved.Monitoring, 0);

    // Up again: the target day's own events go along, and the lists stay in step with the store.
    Click(CMergeDaysDialog::IDC_MOVE_ALL_UP);
    EXPECT_EQ(Lower().count(), 0);
    EXPECT_EQ(Items(Upper()), (QStringList{u"A"_s, u"B"_s, u"C"_s, u"X"_s, u"Y"_s}));
    EXPECT_EQ(Day(user(), 3, 5),
              (QStringList{u"Y 3/5"_s, u"X 3/5"_s, u"C 3/5"_s, u"B 3/5"_s, u"A 3/5"_s}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MergeDaysTest, AnEventMovedDownAndBackUpReturnsToTheHeadOfItsDayWithItsDate)
{
    Fill(3, 5, {u"Первое"_s, u"Второе"_s});
    Fill(3, 7, {u"Третье"_s, u"Четвёртое"_s, u"Пятое"_s});
    Open();

    Click(CMergeDaysDialog::IDC_MOVE_ONE_DOWN); // nothing selected: nothing moves
    EXPECT_EQ(user().GetDayEvents(3, 5).GetCount(), 2);

    Select(Upper(), u"Первое"_s);
    Click(CMergeDaysDialog::IDC_MOVE_ONE_DOWN);
    EXPECT_EQ(Items(Upper()), QStringList{u"Второе"_s});
    EXPECT_EQ(Items(Lower()),
              (QStringList{u"Первое"_s, u"Пятое"_s, u"Третье"_s, u"Четвёртое"_s}));
    EXPECT_EQ(Day(user(), 3, 7),
              (QStringList{u"Первое 3/7"_s, u"Третье 3/7"_s, u"Четвёртое 3/7"_s, u"Пятое 3/7"_s}));

    Select(Lower(), u"Первое"_s);
    Click(CMergeDaysDialog::IDC_MOVE_ONE_UP);
    EXPECT_EQ(Day(user(), 3, 5), (QStringList{u"Первое 3/5"_s, u"Второе 3/5"_s}));
    EXPECT_EQ(Day(user(), 3, 7),
              (QStringList{u"Третье 3/7"_s, u"Четвёртое 3/7"_s, u"Пятое 3/7"_s}));
    EXPECT_EQ(Items(Upper()), (QStringList{u"Второе"_s, u"Первое"_s}));
}

TEST_F(MergeDaysTest, DoubleClicksMoveTheClickedEvent)
{
    Fill(3, 5, {u"Первое"_s, u"Второе"_s});
    Fill(3, 7, {u"Третье"_s});
    Open();
    DoubleClick(Upper(), u"Второе"_s);
    EXPECT_EQ(Day(user(), 3, 5), QStringList{u"Первое 3/5"_s});
    EXPECT_EQ(Day(user(), 3, 7), (QStringList{u"Второе 3/7"_s, u"Третье 3/7"_s}));

    DoubleClick(Lower(), u"Третье"_s);
    EXPECT_EQ(Day(user(), 3, 5), (QStringList{u"Третье 3/5"_s, u"Первое 3/5"_s}));
    EXPECT_EQ(Items(Lower()), QStringList{u"Второе"_s});
}

TEST_F(MergeDaysTest, NoMoveTakesADayPastFortyEvents)
{
    Fill(3, 5, {u"Первое"_s, u"Второе"_s, u"Третье"_s});
    FillCount(3, 7, 38);
    Open();
    const CUser before = user();

    Click(CMergeDaysDialog::IDC_MOVE_ALL_DOWN); // 38 + 3: nothing moves
    EXPECT_EQ(user(), before);
    EXPECT_EQ(Upper().count(), 3);
    EXPECT_EQ(Lower().count(), 38);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.last(), u"События не перенесены: на один день может приходиться не более "
                               u"40 событий, а на день 7 (Март) их пришлось бы 41."_s);

    Select(Upper(), u"Первое"_s);
    Click(CMergeDaysDialog::IDC_MOVE_ONE_DOWN);
    Select(Upper(), u"Второе"_s);
    Click(CMergeDaysDialog::IDC_MOVE_ONE_DOWN);
    EXPECT_EQ(user().GetDayEvents(3, 7).GetCount(), 40);
    EXPECT_EQ(messages.size(), 1);

    Select(Upper(), u"Третье"_s);
    Click(CMergeDaysDialog::IDC_MOVE_ONE_DOWN); // the 41st: refused
    EXPECT_EQ(Day(user(), 3, 5), QStringList{u"Третье 3/5"_s});
    EXPECT_EQ(user().GetDayEvents(3, 7).GetCount(), 40);
    EXPECT_EQ(Items(Upper()), QStringList{u"Третье"_s});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.last().startsWith(u"Событие не перенесено: "_s)) << messages.last().toStdString();

    // The same limit the other way.
    Click(CMergeDaysDialog::IDC_MOVE_ALL_UP); // 1 + 40
    EXPECT_EQ(user().GetDayEvents(3, 5).GetCount(), 1);
    EXPECT_EQ(messages.size(), 3);
}

TEST_F(MergeDaysTest, ClosingWithEscapeKeepsTheMovesAndSavesThem)
{
    test::ScopedEnv answer("ORVANE_AUTO_ANSWER", "ok");
    Fill(3, 5, {u"Отпуск"_s});
    Fill(3, 7, {u"Юбилей"_s});
    Open();
    Click(CMergeDaysDialog::IDC_MOVE_ALL_DOWN);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Day(user(), 3, 7), (QStringList{u"Отпуск 3/7"_s, u"Юбилей 3/7"_s}));

    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(sandbox.calendarPath(), {QDate(2025, 3, 10), 7}).ok());
    EXPECT_EQ(Day(saved.m_user, 3, 5), QStringList{});
    EXPECT_EQ(Day(saved.m_user, 3, 7), (QStringList{u"Отпуск 3/7"_s, u"Юбилей 3/7"_s}));
}

TEST(MergeDaysModelTest, RowsFollowTheNameOrderAsEventsComeAndGo)
{
    CEventList source;
    CEventList target;
    source.AddTail(Event(u"b"_s, 1, 2));
    source.AddTail(Event(u"A"_s, 1, 2));
    target.AddTail(Event(u"a"_s, 5, 6));
    CMergeDaysModel model(source, 1, 2, target, 5, 6);
    EXPECT_EQ(model.Names(Side::kUpper), (QStringList{u"A"_s, u"b"_s}));

    EXPECT_EQ(model.MoveOne(Side::kUpper, 2).status, MoveStatus::NothingToMove);
    EXPECT_FALSE(model.HasMoved());

    // Equal names: the newcomer goes after the one already there.
    const CMergeDaysModel::MoveOutcome outcome = model.MoveOne(Side::kUpper, 0);
    EXPECT_EQ(outcome.status, MoveStatus::Moved);
    EXPECT_EQ(outcome.row, 1);
    EXPECT_TRUE(model.HasMoved());
    EXPECT_EQ(model.Names(Side::kLower), (QStringList{u"a"_s, u"A"_s}));
    EXPECT_EQ(&model.Event(Side::kLower, 1), &*target.begin());
    EXPECT_EQ(target.begin()->Month, 5);
    EXPECT_EQ(target.begin()->Day, 6);

    EXPECT_EQ(model.MoveAll(Side::kLower).status, MoveStatus::Moved);
    EXPECT_EQ(model.MoveAll(Side::kLower).status, MoveStatus::NothingToMove);
    EXPECT_EQ(model.Names(Side::kUpper), (QStringList{u"a"_s, u"A"_s, u"b"_s}));
    EXPECT_EQ(source.GetCount(), 3);
}

} // namespace
} // namespace orvane
