#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "ui/events/event_clipboard_text.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/event_tree_rules.h"
#include "ui/main/qt_print.h"

#include "event_maker.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace orvane {
namespace {

const QString kUnsupported = u"Текст содержит символы, которые календарь не может сохранить\n"
                             u"(например, значки или иероглифы). Уберите их, пожалуйста."_s;

TEST(EventTreeRules, LabelsNewNamesAndClipboardText)
{
    const auto check = [](const QString &typed, bool category) {
        const LabelCheck label = CheckLabel(typed, u"было"_s, category);
        return std::tuple(label.text, label.message, label.editAgain);
    };
    EXPECT_EQ(check(QString(45, u'ы'), false), std::tuple(QString(40, u'ы'),
              u"Количество символов в названии события\nне может превышать 40 символов."_s, false));
    EXPECT_EQ(check(QString(25, u'к'), true), std::tuple(QString(20, u'к'),
              u"Количество символов в названии категории\nне может превышать 20 символов."_s, false));
    EXPECT_EQ(check({}, false), std::tuple(u"было"_s, u"Необходимо указать название события"_s, true));
    EXPECT_EQ(check({}, true), std::tuple(u"было"_s, u"Необходимо указать название категории"_s, true));
    EXPECT_EQ(check(u"Смайлик 😀"_s, false), std::tuple(u"было"_s, kUnsupported, true));
    EXPECT_EQ(check(u"Встреча"_s, false), std::tuple(u"Встреча"_s, QString(), false));
    EXPECT_EQ(NameForNewEvent({}, u"Остальное"_s, true), u"Без названия"_s);
    EXPECT_EQ(NameForNewEvent({}, u"Слово (пояснение)"_s, false), u"Слово"_s);
    EXPECT_EQ(NameForNewEvent(u"(a"_s, {}, false), QString());
    for (const QString &whole : {u"просто текст"_s, u"@начало"_s})
        EXPECT_EQ(ParseEventClipboardText(whole).name + ParseEventClipboardText(whole).notes, whole);
}

// The editor of 5 March with the categories "День рождения", "Работа", "Остальное".
class EventTreeDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.m_user.m_selected = {3, 5};
        document.m_user.SetCategories({u"День рождения"_s, u"Работа"_s, u"Остальное"_s});
    }
    void Add(const QString &name, int category, const QString &notes = {}, int month = 3)
    {
        CEventRecord event = test::MakeEvent(month, 5, name, notes, category);
        event.Monitoring = 0;
        document.m_user.GetDayEvents(month, 5).AddTail(event);
    }
    void Open()
    {
        dialog = std::make_unique<CEventTreeDialog>(document);
        dialog->show();
    }
    QTreeWidgetItem *Category(int i) const { return dialog->Tree()->topLevelItem(i); }
    QPushButton *Button(int id) const { return dialog->findChild<QPushButton *>(QString::number(id)); }
    QPlainTextEdit *Notes() const { return dialog->findChild<QPlainTextEdit *>(QString::number(CEventTreeDialog::IDC_NOTES)); }
    QLineEdit *Editor() const
    {
        for (QLineEdit *editor : dialog->Tree()->viewport()->findChildren<QLineEdit *>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // Waits for a message after the `shown` ones.
    void WaitForMessage(qsizetype shown)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.texts.size() > shown; }, 10000));
    }
    const CEventList &Day() { return document.m_user.GetDayEvents(3, 5); }

    test::SandboxDirs sandbox;
    test::MessageRecorder messages{MessageAnswer::Yes};
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile document{options};
    std::unique_ptr<CEventTreeDialog> dialog;
};

TEST_F(EventTreeDialogTest, ALabelIsCheckedOnceItsEditorHasClosed)
{
    Add(u"встреча"_s, 1);
    Open();
    EXPECT_EQ(dialog->windowTitle(), u"День 05, Март"_s);
    QTreeWidgetItem *event = Category(1)->child(0);
    for (const QString &typed : {QString(45, u'ы'), QString()}) {
        dialog->Tree()->editItem(event);
        ASSERT_NE(Editor(), nullptr);
        Editor()->setText(typed);
        const qsizetype shown = messages.texts.size();
        QTest::keyClick(Editor(), Qt::Key_Return);
        WaitForMessage(shown);
        EXPECT_EQ(event->text(0), QString(40, u'ы'));
    }
    EXPECT_EQ(messages.texts.last(), u"Необходимо указать название события"_s);
    EXPECT_NE(Editor(), nullptr) << "the same item is edited again";
}

TEST_F(EventTreeDialogTest, CategoryAndEventLimits)
{
    Open();
    for (int fixed : {0, 2}) { // the first and the last category stay
        EXPECT_FALSE(Category(fixed)->flags() & Qt::ItemIsEditable);
        dialog->Tree()->setCurrentItem(Category(fixed));
        EXPECT_FALSE(Button(CEventTreeDialog::IDC_DELETE)->isEnabled());
        dialog->DeleteSelected();
    }
    QPushButton *newCategory = Button(CEventTreeDialog::IDC_NEW_CATEGORY);
    for (int i = 0; i < 8; ++i)
        dialog->NewCategory();
    EXPECT_EQ(dialog->Tree()->topLevelItemCount(), 10);
    EXPECT_EQ(Category(9)->text(0), u"Остальное"_s) << "new categories go before the last";
    EXPECT_FALSE(newCategory->isEnabled());
    dialog->Tree()->setCurrentItem(Category(3));
    dialog->DeleteSelected();
    EXPECT_EQ(messages.texts, QStringList{u"Действительно хотите удалить категорию 'Новая категория' ?"_s});
    EXPECT_EQ(dialog->Tree()->topLevelItemCount(), 9);
    EXPECT_TRUE(newCategory->isEnabled());

    dialog->Tree()->setCurrentItem(Category(0));
    EXPECT_EQ(dialog->AddEvent({}, {})->text(0), u"День рождения"_s) << "named after its category";
    for (int i = 1; i < 31; ++i)
        ASSERT_NE(dialog->AddEvent(u"e%1"_s.arg(i), {}), nullptr) << i;
    EXPECT_EQ(dialog->AddEvent(u"one too many"_s, {}), nullptr);
    EXPECT_FALSE(Button(CEventTreeDialog::IDC_NEW_EVENT)->isEnabled());
    EXPECT_EQ(Category(0)->childCount(), 31) << "with an event selected, new ones join its category";
    dialog->DeleteSelected();
    EXPECT_TRUE(Button(CEventTreeDialog::IDC_NEW_EVENT)->isEnabled());
}

TEST_F(EventTreeDialogTest, OkStoresTheDayAndCancelForgetsIt)
{
    Add(u"отчёт"_s, 1);
    Add(u"торт"_s, 0);
    Add(u"прочее"_s, 2, {}, 1);
    Open();
    dialog->Tree()->setCurrentItem(Category(1));
    dialog->DeleteSelected();
    dialog->reject();
    EXPECT_EQ(Day().GetCount(), 2) << "Cancel keeps the day";
    EXPECT_EQ(document.m_user.GetCategoryCount(), 3);

    Open();
    dialog->Tree()->setCurrentItem(Category(1));
    dialog->DeleteSelected();
    dialog->Tree()->setCurrentItem(Category(0)->child(0));
    const qsizetype shown = messages.texts.size();
    Notes()->insertPlainText(u"🌊"_s);
    WaitForMessage(shown);
    EXPECT_EQ(messages.texts.last(), kUnsupported);
    Notes()->insertPlainText(QString(300, u'ю'));
    EXPECT_TRUE(Notes()->toPlainText().isEmpty()) << "at most 255 characters, all in the calendar's code page";
    Notes()->setFocus();
    for (const QChar ch : u"к чаю"_s)
        QTest::sendKeyEvent(QTest::Click, Notes(), Qt::Key_unknown, QString(ch), {});
    QTest::keyClick(Notes(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted) << "Enter in the notes box is OK";

    EXPECT_EQ(document.m_user.Categories(), (QStringList{u"День рождения"_s, u"Остальное"_s}));
    ASSERT_EQ(Day().GetCount(), 1);
    EXPECT_EQ(Day().begin()->Notes, u"к чаю"_s) << "typed just before Enter";
    EXPECT_EQ(document.m_user.GetDayEvents(1, 5).begin()->Category, 1) << "other days keep their category";
    CDataFile saved(options);
    ASSERT_EQ(saved.Load(), 1);
    EXPECT_EQ(saved.m_user.GetDayEvents(3, 5).begin()->Notes, u"к чаю"_s);
}

TEST_F(EventTreeDialogTest, ClipboardCarriesNameAndNotes)
{
    Add(u"Отпуск"_s, 1, u"море@пляж"_s);
    Open();
    dialog->Tree()->setCurrentItem(Category(1)->child(0));
    dialog->CutEvent();
    EXPECT_EQ(Category(1)->childCount(), 0);
    EXPECT_EQ(QApplication::clipboard()->text(), u"Отпуск@море@пляж"_s);
    dialog->Tree()->setCurrentItem(Category(0));
    dialog->PasteEvent();
    QApplication::clipboard()->setText(u"😀@x"_s);
    dialog->PasteEvent();
    EXPECT_EQ(messages.texts, QStringList{kUnsupported});
    dialog->accept();
    ASSERT_EQ(Day().GetCount(), 1);
    const CEventRecord &pasted = *Day().begin();
    EXPECT_EQ(std::tuple(pasted.Name, pasted.Notes, pasted.Category), std::tuple(u"Отпуск"_s, u"море@пляж"_s, 0));
}

// An event of a category past the list's end shows under the second category.
TEST_F(EventTreeDialogTest, ContextMenuEntriesFollowTheItem)
{
    Add(u"событие"_s, 7);
    QApplication::clipboard()->clear();
    Open();
    const auto entries = [&](const QTreeWidgetItem *item) {
        QStringList shown;
        const std::unique_ptr<QMenu> menu = dialog->ContextMenuFor(item);
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                shown << u"%1%2"_s.arg(action->data().toInt()).arg(action->isEnabled() ? u"+"_s : u"-"_s);
        return shown;
    };
    EXPECT_EQ(entries(nullptr), (QStringList{u"1053+"_s, u"32775-"_s, u"32785-"_s, u"32786-"_s, u"32787-"_s, u"57670+"_s}));
    EXPECT_EQ(dialog->ContextMenuFor(nullptr)->actions().first()->text(), u"Новая категория"_s);
    EXPECT_EQ(entries(Category(0)), (QStringList{u"32773+"_s, u"32775-"_s, u"32785-"_s, u"32786-"_s, u"32787-"_s, u"57670+"_s}));
    QApplication::clipboard()->setText(u"x"_s);
    EXPECT_EQ(entries(Category(1)->child(0)),
              (QStringList{u"32773+"_s, u"32775+"_s, u"32785+"_s, u"32786+"_s, u"32787+"_s, u"57670+"_s}));
}

} // namespace
} // namespace orvane
