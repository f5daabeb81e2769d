#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/message.h"
#include "ui/events/event_clipboard_text.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/event_tree_rules.h"

#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace orvane;
using namespace Qt::StringLiterals;

namespace {

class EventTreeDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2026, 5, 10); });
        SetMessagePresenter([this](const QString &text, MessageButtons) {
            messages.append(text);
            return answer;
        });
        document.m_user.m_selected = {3, 5};
    }
    void TearDown() override
    {
        SetMessagePresenter({});
        Clock::SetSource({});
    }

    void AddStored(int month, int day, const QString &name, int category, const QString &notes = {})
    {
        CEventRecord e;
        e.Name = name;
        e.Notes = notes;
        e.Month = month;
        e.Day = day;
        e.Category = category;
        e.Monitoring = 0;
        document.m_user.GetDayEvents(month, day).AddTail(e);
    }
    std::unique_ptr<CEventTreeDialog> Open()
    {
        auto dialog = std::make_unique<CEventTreeDialog>(document);
        dialog->show();
        return dialog;
    }
    static QPushButton *Button(CEventTreeDialog &d, int id)
    {
        return d.findChild<QPushButton *>(QString::number(id));
    }
    static QTreeWidgetItem *Category(CEventTreeDialog &d, int i) { return d.Tree()->topLevelItem(i); }
    static QLineEdit *Editor(CEventTreeDialog &d)
    {
        for (QLineEdit *editor : d.Tree()->viewport()->findChildren<QLineEdit *>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // Types a label into the tree's editor and presses Enter.
    static void Rename(CEventTreeDialog &d, QTreeWidgetItem *item, const QString &text)
    {
        d.Tree()->editItem(item);
        QLineEdit *editor = Editor(d);
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(20);
    }
    const CEventList &Day() { return document.m_user.GetDayEvents(3, 5); }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags options{registry};
    CDataFile document{options};
    QStringList messages;
    MessageAnswer answer = MessageAnswer::Yes;
};

} // namespace

TEST_F(EventTreeDialogTest, OpensAnEmptyDayWithCategoriesOnly)
{
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("День 05, Март"));
    ASSERT_EQ(d->Tree()->topLevelItemCount(), 2);
    EXPECT_EQ(Category(*d, 0)->text(0), QStringLiteral("День рождения"));
    EXPECT_EQ(Category(*d, 1)->childCount(), 0);
    EXPECT_FALSE(Button(*d, CEventTreeDialog::IDC_DELETE)->isEnabled());
    EXPECT_EQ(d->Tree()->currentItem(), Category(*d, 0));
}

TEST_F(EventTreeDialogTest, EventOutsideTheListIsShownAndSavedUnderTheSecondCategory)
{
    document.m_user.SetCategories({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    AddStored(3, 5, QStringLiteral("потерянное"), 7, QStringLiteral("заметка"));
    auto d = Open();
    ASSERT_EQ(Category(*d, 1)->childCount(), 1);
    EXPECT_EQ(Category(*d, 1)->child(0)->text(0), QStringLiteral("потерянное"));
    d->accept();
    ASSERT_EQ(Day().GetCount(), 1);
    EXPECT_EQ(Day().begin()->Category, 1);
    EXPECT_EQ(Day().begin()->Notes, QStringLiteral("заметка"));
    EXPECT_EQ(Day().begin()->Monitoring, 0);
    EXPECT_EQ(document.m_user.Categories().size(), 4);
}

TEST_F(EventTreeDialogTest, NewEventsAreNamedAfterTheirCategory)
{
    document.m_user.SetCategories({QStringLiteral("День рождения"), QStringLiteral("Слово (пояснение)"),
                                   QStringLiteral("Остальное")});
    auto d = Open();
    d->Tree()->setCurrentItem(Category(*d, 2));
    EXPECT_EQ(d->AddEvent({}, {})->text(0), QStringLiteral("Без названия"));
    d->Tree()->setCurrentItem(Category(*d, 0));
    EXPECT_EQ(d->AddEvent({}, {})->text(0), QStringLiteral("День рождения"));
    d->Tree()->setCurrentItem(Category(*d, 1));
    QTreeWidgetItem *word = d->AddEvent({}, {});
    EXPECT_EQ(word->text(0), QStringLiteral("Слово"));
    EXPECT_EQ(d->Tree()->currentItem(), word);
    // With an event selected, the new one goes to the event's category.
    EXPECT_EQ(d->AddEvent(QStringLiteral("x"), {})->parent(), Category(*d, 1));
    EXPECT_EQ(NameForNewEvent(QStringLiteral("(a"), {}, false), QString());
}

TEST_F(EventTreeDialogTest, LabelEditingRules)
{
    document.m_user.SetCategories({QStringLiteral("День рождения"), QStringLiteral("Работа"), QStringLiteral("Остальное")});
    AddStored(3, 5, QStringLiteral("встреча"), 1);
    auto d = Open();
    QTreeWidgetItem *event = Category(*d, 1)->child(0);

    Rename(*d, event, QString(45, QChar(u'ы')));
    EXPECT_EQ(event->text(0), QString(40, QChar(u'ы')));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.last(), QStringLiteral("Количество символов в названии события\nне может превышать 40 символов."));

    Rename(*d, Category(*d, 1), QString(25, QChar(u'к')));
    EXPECT_EQ(Category(*d, 1)->text(0), QString(20, QChar(u'к')));

    Rename(*d, event, QString());
    EXPECT_EQ(event->text(0), QString(40, QChar(u'ы')));
    EXPECT_EQ(messages.last(), QStringLiteral("Необходимо указать название события"));
    ASSERT_NE(Editor(*d), nullptr) << "the same item is edited again";
    QTest::keyClick(Editor(*d), Qt::Key_Escape);
    QTest::qWait(20);

    Rename(*d, event, QStringLiteral("Смайлик 😀"));
    EXPECT_EQ(event->text(0), QString(40, QChar(u'ы'))) << "text the calendar cannot hold is refused";
    EXPECT_EQ(messages.last(), UnsupportedCharactersMessage());
    ASSERT_NE(Editor(*d), nullptr);
    QTest::keyClick(Editor(*d), Qt::Key_Escape);
    QTest::qWait(20);

    // The fixed categories can be neither renamed nor deleted.
    for (int i : {0, 2}) {
        EXPECT_FALSE(Category(*d, i)->flags() & Qt::ItemIsEditable);
        d->Tree()->setCurrentItem(Category(*d, i));
        EXPECT_FALSE(Button(*d, CEventTreeDialog::IDC_DELETE)->isEnabled());
        d->DeleteSelected();
        EXPECT_EQ(d->Tree()->topLevelItemCount(), 3);
    }
}

TEST_F(EventTreeDialogTest, CategoryAndEventLimits)
{
    auto d = Open();
    QPushButton *newCategory = Button(*d, CEventTreeDialog::IDC_NEW_CATEGORY);
    for (int i = 0; i < 8; ++i)
        d->NewCategory();
    EXPECT_EQ(d->Tree()->topLevelItemCount(), 10);
    EXPECT_EQ(Category(*d, 9)->text(0), QStringLiteral("Остальное")) << "new categories go before the last";
    EXPECT_FALSE(newCategory->isEnabled());
    d->NewCategory();
    EXPECT_EQ(d->Tree()->topLevelItemCount(), 10);
    d->Tree()->setCurrentItem(Category(*d, 3));
    d->DeleteSelected();
    EXPECT_EQ(d->Tree()->topLevelItemCount(), 9);
    EXPECT_TRUE(newCategory->isEnabled());

    d->Tree()->setCurrentItem(Category(*d, 0));
    for (int i = 0; i < 31; ++i)
        ASSERT_NE(d->AddEvent(QStringLiteral("e%1").arg(i), {}), nullptr) << i;
    EXPECT_EQ(d->AddEvent(QStringLiteral("one too many"), {}), nullptr);
    EXPECT_FALSE(Button(*d, CEventTreeDialog::IDC_NEW_EVENT)->isEnabled());
}

TEST_F(EventTreeDialogTest, OkStoresTheDayAndCancelForgetsIt)
{
    document.m_user.SetCategories({QStringLiteral("День рождения"), QStringLiteral("Работа"), QStringLiteral("Остальное")});
    AddStored(3, 5, QStringLiteral("отчёт"), 1);
    AddStored(3, 5, QStringLiteral("торт"), 0);
    AddStored(1, 1, QStringLiteral("прочее"), 2);
    {
        auto d = Open();
        d->Tree()->setCurrentItem(Category(*d, 1));
        d->DeleteSelected();
        d->reject();
    }
    EXPECT_EQ(Day().GetCount(), 2) << "Cancel keeps the day";
    EXPECT_EQ(document.m_user.GetCategoryCount(), 3);

    messages.clear();
    auto d = Open();
    d->Tree()->setCurrentItem(Category(*d, 1));
    d->DeleteSelected();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first(), QStringLiteral("Действительно хотите удалить категорию 'Работа' ?"));
    d->Tree()->setCurrentItem(Category(*d, 0)->child(0));
    auto *notes = d->findChild<QPlainTextEdit *>(QString::number(CEventTreeDialog::IDC_NOTES));
    notes->setFocus();
    for (const QChar ch : QStringLiteral("к чаю"))
        QTest::sendKeyEvent(QTest::Click, notes, Qt::Key_unknown, QString(ch), {});
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(d->result(), QDialog::Accepted) << "Enter in the notes box is OK";

    EXPECT_EQ(document.m_user.Categories(), (QStringList{QStringLiteral("День рождения"), QStringLiteral("Остальное")}));
    ASSERT_EQ(Day().GetCount(), 1);
    EXPECT_EQ(Day().begin()->Name, QStringLiteral("торт"));
    EXPECT_EQ(Day().begin()->Notes, QStringLiteral("к чаю")) << "typed just before Enter";
    EXPECT_EQ(document.m_user.GetDayEvents(1, 1).begin()->Category, 1) << "other days keep their category";

    CDataFile saved(options);
    ASSERT_EQ(saved.Load(), 1);
    EXPECT_EQ(saved.m_user.GetDayEvents(3, 5).begin()->Notes, QStringLiteral("к чаю"));
}

TEST_F(EventTreeDialogTest, NotesRefuseWhatTheCalendarCannotHold)
{
    AddStored(3, 5, QStringLiteral("событие"), 1);
    auto d = Open();
    d->Tree()->setCurrentItem(Category(*d, 1)->child(0));
    auto *notes = d->findChild<QPlainTextEdit *>(QString::number(CEventTreeDialog::IDC_NOTES));
    ASSERT_TRUE(notes->isEnabled());
    notes->insertPlainText(QStringLiteral("море"));
    notes->insertPlainText(QStringLiteral("🌊"));
    QApplication::processEvents();
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("море"));
    EXPECT_EQ(messages.last(), UnsupportedCharactersMessage());
    notes->insertPlainText(QString(300, QChar(u'ю')));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("море")) << "more than 255 characters are refused";
}

TEST_F(EventTreeDialogTest, ClipboardCarriesNameAndNotes)
{
    EXPECT_EQ(EventClipboardText(QStringLiteral("Отпуск"), QStringLiteral("море")), QStringLiteral("Отпуск@море"));
    const ClipboardEvent plain = ParseEventClipboardText(QStringLiteral("просто текст"));
    EXPECT_EQ(plain.name, QStringLiteral("просто текст"));
    EXPECT_TRUE(plain.notes.isEmpty());
    EXPECT_EQ(ParseEventClipboardText(QStringLiteral("@начало")).name, QStringLiteral("@начало"));
    const ClipboardEvent split = ParseEventClipboardText(QStringLiteral("имя@почта@дом\nвторая"));
    EXPECT_EQ(split.name, QStringLiteral("имя"));
    EXPECT_EQ(split.notes, QStringLiteral("почта@дом\nвторая"));

    AddStored(3, 5, QStringLiteral("Отпуск"), 1, QStringLiteral("море@пляж"));
    {
        auto d = Open();
        d->Tree()->setCurrentItem(Category(*d, 1)->child(0));
        d->CutEvent();
        EXPECT_EQ(Category(*d, 1)->childCount(), 0);
        d->reject();
    }
    EXPECT_EQ(Day().GetCount(), 1) << "cut then Cancel leaves the day";
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Отпуск@море@пляж"));

    document.m_user.m_selected = {7, 1};
    auto d = Open();
    d->Tree()->setCurrentItem(Category(*d, 0));
    d->PasteEvent();
    QTreeWidgetItem *pasted = Category(*d, 0)->child(0);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->text(0), QStringLiteral("Отпуск"));
    d->accept();
    const CEventRecord &stored = *document.m_user.GetDayEvents(7, 1).begin();
    EXPECT_EQ(stored.Notes, QStringLiteral("море@пляж"));
    EXPECT_EQ(stored.Monitoring, 1);

    QApplication::clipboard()->setText(QStringLiteral("😀@x"));
    document.m_user.m_selected = {7, 2};
    auto again = Open();
    again->PasteEvent();
    EXPECT_EQ(again->Tree()->topLevelItem(0)->childCount() + again->Tree()->topLevelItem(1)->childCount(), 0);
    EXPECT_EQ(messages.last(), UnsupportedCharactersMessage());
}

TEST_F(EventTreeDialogTest, RendersToAPictureForReview)
{
    document.m_user.SetCategories({QStringLiteral("День рождения"), QStringLiteral("Работа"), QStringLiteral("Остальное")});
    AddStored(3, 5, QStringLiteral("Мама"), 0, QStringLiteral("Позвонить утром, купить цветы"));
    AddStored(3, 5, QStringLiteral("Сдать отчёт"), 1);
    AddStored(3, 5, QStringLiteral("Вебинар"), 2);
    auto d = Open();
    d->Tree()->setCurrentItem(Category(*d, 0)->child(0));
    QDir().mkpath(QStringLiteral(ORVANE_BINARY_DIR "/artifacts"));
    EXPECT_TRUE(d->grab().save(QStringLiteral(ORVANE_BINARY_DIR "/artifacts/event_tree_dialog.png")));
}

TEST_F(EventTreeDialogTest, ContextMenuEntriesFollowTheItem)
{
    AddStored(3, 5, QStringLiteral("событие"), 1);
    QApplication::clipboard()->clear();
    auto d = Open();
    const auto entries = [&](const QTreeWidgetItem *item) {
        QStringList shown;
        const std::unique_ptr<QMenu> menu = d->ContextMenuFor(item);
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                shown << QStringLiteral("%1%2").arg(action->data().toInt()).arg(action->isEnabled() ? u"+"_s : u"-"_s);
        return shown;
    };
    EXPECT_EQ(entries(nullptr), (QStringList{u"1053+"_s, u"32775-"_s, u"32785-"_s, u"32786-"_s, u"32787-"_s, u"57670+"_s}));
    EXPECT_EQ(d->ContextMenuFor(nullptr)->actions().first()->text(), QStringLiteral("Новая категория"));
    EXPECT_EQ(entries(Category(*d, 0)), (QStringList{u"32773+"_s, u"32775-"_s, u"32785-"_s, u"32786-"_s, u"32787-"_s, u"57670+"_s}));
    QApplication::clipboard()->setText(QStringLiteral("x"));
    EXPECT_EQ(entries(Category(*d, 1)->child(0)),
              (QStringList{u"32773+"_s, u"32775+"_s, u"32785+"_s, u"32786+"_s, u"32787+"_s, u"57670+"_s}));
}
