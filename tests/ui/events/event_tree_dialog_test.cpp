#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "ui/events/event_clipboard_text.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/event_tree_rules.h"
#include "ui/main/qt_print.h"

#include "event_maker.h"
#include "test_env.h"

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

class EventTreeDialogTest : public ::testing::Test {
protected:
    void Add(const QString &name, int category, const QString &notes = {}, int month = 3)
    {
        CEventRecord event = test::MakeEvent(month, 5, name, notes, category);
        event.Monitoring = 0;
        document.m_user.GetDayEvents(month, 5).AddTail(event);
    }
    // The editor of 5 March with the categories "День рождения", "Работа", "Остальное".
    void Open()
    {
        document.m_user.m_selected = {3, 5};
        document.m_user.SetCategories({u"День рождения"_s, u"Работа"_s, u"Остальное"_s});
        dialog = std::make_unique<CEventTreeDialog>(document);
        dialog->show();
    }
    QTreeWidgetItem *Category(int i) const { return dialog->Tree()->topLevelItem(i); }
    bool Enabled(int button) const { return dialog->findChild<QPushButton *>(QString::number(button))->isEnabled(); }
    QPlainTextEdit *Notes() const { return dialog->findChild<QPlainTextEdit *>(QString::number(CEventTreeDialog::IDC_NOTES)); }
    QLineEdit *Editor() const { return dialog->Tree()->viewport()->findChild<QLineEdit *>(); }
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
    EXPECT_EQ(messages.texts.last(), u"Необходимо указать название события"_s);
    EXPECT_TRUE(Editor() && Editor()->isVisible()) << "the same item is edited again";
}

TEST_F(EventTreeDialogTest, CategoryAndEventLimits)
{
    Open();
    for (int fixed : {0, 2}) { // the first and the last category stay
        EXPECT_FALSE(Category(fixed)->flags() & Qt::ItemIsEditable);
        dialog->Tree()->setCurrentItem(Category(fixed));
        dialog->DeleteSelected();
    }
    for (int i = 0; i < 8; ++i)
        dialog->NewCategory();
    EXPECT_EQ(Category(9)->text(0), u"Остальное"_s) << "new categories go before the last";
    EXPECT_FALSE(Enabled(CEventTreeDialog::IDC_NEW_CATEGORY));
    dialog->Tree()->setCurrentItem(Category(3));
    dialog->DeleteSelected();
    EXPECT_EQ(messages.texts, QStringList{u"Действительно хотите удалить категорию 'Новая категория' ?"_s});
    EXPECT_TRUE(Enabled(CEventTreeDialog::IDC_NEW_CATEGORY));

    dialog->Tree()->setCurrentItem(Category(0));
    for (int i = 0; i < 31; ++i)
        ASSERT_NE(dialog->AddEvent({}, {}), nullptr) << i;
    EXPECT_EQ(dialog->AddEvent(u"one too many"_s, {}), nullptr);
    EXPECT_FALSE(Enabled(CEventTreeDialog::IDC_NEW_EVENT));
    EXPECT_EQ(Category(0)->childCount(), 31) << "with an event selected, new ones join its category";
    dialog->DeleteSelected();
    EXPECT_TRUE(Enabled(CEventTreeDialog::IDC_NEW_EVENT));
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
    EXPECT_EQ(std::pair(Day().GetCount(), document.m_user.GetCategoryCount()), std::pair(2, 3)) << "Cancel keeps all";

    Open();
    dialog->Tree()->setCurrentItem(Category(1));
    dialog->DeleteSelected();
    dialog->Tree()->setCurrentItem(Category(0)->child(0));
    Notes()->insertPlainText(u"🌊"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.texts.contains(UnsupportedCharactersMessage()); }, 10000));
    Notes()->insertPlainText(QString(300, u'ю'));
    EXPECT_TRUE(Notes()->toPlainText().isEmpty()) << "at most 255 characters, all in the calendar's code page";
    Notes()->setFocus();
    for (const QChar ch : u"к чаю"_s)
        QTest::sendKeyEvent(QTest::Click, Notes(), Qt::Key_unknown, QString(ch), {});
    QTest::keyClick(Notes(), Qt::Key_Return); // OK

    CDataFile saved(options);
    ASSERT_EQ(saved.Load(), 1);
    EXPECT_EQ(saved.m_user.Categories(), (QStringList{u"День рождения"_s, u"Остальное"_s}));
    ASSERT_EQ(saved.m_user.GetDayEvents(3, 5).GetCount(), 1);
    EXPECT_EQ(saved.m_user.GetDayEvents(3, 5).begin()->Notes, u"к чаю"_s) << "typed just before Enter";
    EXPECT_EQ(saved.m_user.GetDayEvents(1, 5).begin()->Category, 1) << "other days keep their category";
}

// The context menu's entries, as "<command><+ when enabled, - when not>".
TEST_F(EventTreeDialogTest, ClipboardAndContextMenuFollowTheItem)
{
    Add(u"Отпуск"_s, 7, u"море@пляж"_s); // a category past the list's end: shown under the second
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
    EXPECT_EQ(entries(Category(0)->child(0)), u"32773+ 32775+ 32785+ 32786+ 32787+ 57670+"_s);
    QApplication::clipboard()->setText(u"😀@x"_s);
    dialog->PasteEvent();
    EXPECT_EQ(messages.texts, QStringList{UnsupportedCharactersMessage()});
    dialog->accept();
    ASSERT_EQ(Day().GetCount(), 1);
    const CEventRecord &pasted = *Day().begin();
    EXPECT_EQ(std::tuple(pasted.Name, pasted.Notes, pasted.Category), std::tuple(u"Отпуск"_s, u"море@пляж"_s, 0));
}

} // namespace
} // namespace orvane
