#include "sandbox_calendar.h"
#include "ui/events/event_clipboard_text.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/event_tree_rules.h"
#include "ui/main/qt_print.h"

#include "event_maker.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace orvane {
namespace {

TEST(EventTreeRules, LabelsNewNamesAndClipboardText)
{
    const auto check = [](const QString &typed, bool category) {
        const LabelCheck label = CheckLabel(typed, u"было"_s, category);
        return std::tuple(label.text, label.message, label.editAgain);
    };
    EXPECT_EQ(check(QString(25, u'к'), true), std::tuple(QString(20, u'к'),
              u"Количество символов в названии категории\nне может превышать 20 символов."_s, false));
    EXPECT_EQ(check({}, true), std::tuple(u"было"_s, u"Необходимо указать название категории"_s, true));
    EXPECT_EQ(check(u"Смайлик 😀"_s, false), std::tuple(u"было"_s, UnsupportedCharactersMessage(), true));
    EXPECT_EQ(NameForNewEvent({}, u"Остальное"_s, true), u"Без названия"_s);
    EXPECT_EQ(NameForNewEvent({}, u"Слово (пояснение)"_s, false), u"Слово"_s);
    for (const QString &whole : {u"просто текст"_s, u"@начало"_s})
        EXPECT_EQ(ParseEventClipboardText(whole).name + ParseEventClipboardText(whole).notes, whole);
}

class EventTreeDialogTest : public test::SandboxCalendar {
protected:
    void Add(const QString &name, int category, const QString &notes = {}, int month = 3)
    {
        document.m_user.GetDayEvents(month, 5).AddTail(test::MakeEvent(month, 5, name, notes, category));
    }
    // The editor of 5 March with the categories "День рождения", "Работа", "Остальное".
    void Open()
    {
        document.m_user.m_selected = {3, 5};
        document.m_user.SetCategories({u"День рождения"_s, u"Работа"_s, u"Остальное"_s});
        dialog = std::make_unique<CEventTreeDialog>(document);
        dialog->show();
        // Active, as a user's dialog is: an editor then has the focus, and commits as it loses it.
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    void Delete(QTreeWidgetItem *item)
    {
        dialog->Tree()->setCurrentItem(item);
        dialog->DeleteSelected();
    }
    QTreeWidgetItem *Category(int i) const { return dialog->Tree()->topLevelItem(i); }
    bool Enabled(int button) const { return dialog->findChild<QPushButton *>(QString::number(button))->isEnabled(); }
    QPlainTextEdit *Notes() const { return dialog->findChild<QPlainTextEdit *>(QString::number(CEventTreeDialog::IDC_NOTES)); }
    // The open editor of the first event: an editor just closed may still wait for its deletion.
    QLineEdit *Editor() const { return qobject_cast<QLineEdit *>(dialog->Tree()->itemWidget(Category(1)->child(0), 0)); }

    std::unique_ptr<CEventTreeDialog> dialog;
};

// A label is checked once its editor has closed. The first and the last category stay; there
// are at most ten categories and 31 events.
TEST_F(EventTreeDialogTest, LabelsAreCheckedAndCategoriesAndEventsLimited)
{
    Add(u"встреча"_s, 1);
    Open();
    for (const auto &[control, label] : {std::pair<QWidget *, QString>{dialog->Tree(), u"Дерево событий:"_s}, {Notes(), u"Заметки: "_s}})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), label);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Notes())->relations(QAccessible::Label).size(), 1);
    QTreeWidgetItem *event = Category(1)->child(0);
    for (const QString &typed : {QString(45, u'ы'), QString()}) {
        dialog->Tree()->editItem(event);
        ASSERT_NE(Editor(), nullptr);
        Editor()->setText(typed);
        const qsizetype shown = messages.texts.size();
        QTest::keyClick(Editor(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.texts.size() > shown; }, 10000));
        EXPECT_EQ(event->text(0), QString(40, u'ы'));
    }
    EXPECT_TRUE(Editor() && Editor()->isVisible()) << "the same item is edited again";

    for (int fixed : {0, 2})
        Delete(Category(fixed));
    for (int i = 0; i < 8; ++i)
        dialog->NewCategory();
    EXPECT_EQ(Category(9)->text(0), u"Остальное"_s) << "new categories go before the last";
    EXPECT_FALSE(Enabled(CEventTreeDialog::IDC_NEW_CATEGORY));
    Delete(Category(3));
    EXPECT_EQ(messages.texts.last(), u"Действительно хотите удалить категорию 'Новая категория' ?"_s);
    EXPECT_TRUE(Enabled(CEventTreeDialog::IDC_NEW_CATEGORY));

    dialog->Tree()->setCurrentItem(Category(0));
    for (int i = 0; i < 30; ++i)
        ASSERT_NE(dialog->AddEvent({}, {}), nullptr) << i;
    EXPECT_EQ(dialog->AddEvent(u"one too many"_s, {}), nullptr);
    EXPECT_FALSE(Enabled(CEventTreeDialog::IDC_NEW_EVENT));
    EXPECT_EQ(Category(0)->childCount(), 30) << "with an event selected, new ones join its category";
}

// Entries of the context menu read "<command><+ when enabled, - when not>". Notes take at most
// 255 characters, all in the calendar's code page.
TEST_F(EventTreeDialogTest, CancelForgetsOkStoresAndTheClipboardCarriesNameAndNotes)
{
    Add(u"торт"_s, 0);
    Add(u"Отпуск"_s, 7, u"море@пляж"_s); // a category past the list's end: shown under the second
    Add(u"прочее"_s, 2, {}, 1);
    Open();
    Delete(Category(1));
    dialog->reject();
    EXPECT_EQ(std::pair(document.m_user.GetDayEvents(3, 5).GetCount(), document.m_user.GetCategoryCount()),
              std::pair(2, 3)) << "Cancel keeps all";

    QApplication::clipboard()->clear();
    Open();
    const auto entries = [&](const QTreeWidgetItem *item) {
        QStringList shown;
        const std::unique_ptr<QMenu> menu = dialog->ContextMenuFor(item);
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                shown << u"%1%2"_s.arg(action->data().toInt()).arg(action->isEnabled() ? u"+"_s : u"-"_s);
        return shown.join(u' ');
    };
    EXPECT_EQ(entries(nullptr), u"1053+ 32775- 32785- 32786- 32787- 57670+"_s);
    EXPECT_EQ(entries(Category(0)), u"32773+ 32775- 32785- 32786- 32787- 57670+"_s);
    dialog->Tree()->setCurrentItem(Category(1)->child(0));
    dialog->CutEvent();
    EXPECT_EQ(QApplication::clipboard()->text(), u"Отпуск@море@пляж"_s);
    dialog->Tree()->setCurrentItem(Category(0));
    dialog->PasteEvent();
    EXPECT_EQ(entries(dialog->Tree()->currentItem()), u"32773+ 32775+ 32785+ 32786+ 32787+ 57670+"_s);
    QApplication::clipboard()->setText(u"😀@x"_s);
    dialog->PasteEvent();
    EXPECT_EQ(messages.texts.last(), UnsupportedCharactersMessage());

    Delete(Category(1));
    dialog->Tree()->setCurrentItem(Category(0)->child(0));
    Notes()->insertPlainText(u"🌊"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.texts.count(UnsupportedCharactersMessage()) == 2; }, 10000));
    Notes()->insertPlainText(QString(300, u'ю'));
    EXPECT_TRUE(Notes()->toPlainText().isEmpty());
    Notes()->setFocus();
    for (const QChar ch : u"к чаю"_s)
        QTest::sendKeyEvent(QTest::Click, Notes(), Qt::Key_unknown, QString(ch), {});
    QTest::keyClick(Notes(), Qt::Key_Return); // OK

    CDataFile saved(flags);
    ASSERT_EQ(saved.Load(), 1);
    EXPECT_EQ(saved.m_user.Categories(), (QStringList{u"День рождения"_s, u"Остальное"_s}));
    QStringList day;
    for (const CEventRecord &e : saved.m_user.GetDayEvents(3, 5))
        day << u"%1 %2 %3"_s.arg(e.Name, e.Notes).arg(e.Category);
    EXPECT_EQ(day, (QStringList{u"торт к чаю 0"_s, u"Отпуск море@пляж 0"_s})) << "typed just before Enter";
    EXPECT_EQ(saved.m_user.GetDayEvents(1, 5).begin()->Category, 1) << "other days keep their category";
}

} // namespace
} // namespace orvane
