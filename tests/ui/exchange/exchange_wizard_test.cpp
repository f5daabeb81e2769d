// The export and import wizards page by page, and the main window's commands that run them.
#include "app/app_context.h"
#include "exchange/exchange_document.h"
#include "res/menus.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/windows1251.h"
#include "ui/exchange/event_check_tree.h"
#include "ui/exchange/exchange_wizards.h"
#include "ui/main/main_dlg.h"

#include "event_maker.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

class ExchangeWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2026, 5, 10); });
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override { Clock::SetSource({}); }

    // A new export wizard on screen, on its second page when asked.
    void ShowExport(bool secondPage)
    {
        owned = NewExportWizard(user, nullptr);
        wizard = owned.get();
        wizard->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard));
        if (secondPage)
            Press(QWizard::NextButton);
    }
    template <typename T = QAbstractButton>
    T *Control(int id) const { return wizard->currentPage()->findChild<T *>(QString::number(id)); }
    QLineEdit *Path() const { return Control<QLineEdit>(1003); }
    // The names assistive technology reads for the path field and its browse button.
    QStringList PathNames() const
    {
        QStringList names;
        for (QWidget *control : {static_cast<QWidget *>(Path()), static_cast<QWidget *>(Control(1073))})
            names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        return names;
    }
    // Clicks a radio button, check box or button on its left, where a user clicks a box.
    void Click(int id) const { QTest::mouseClick(Control(id), Qt::LeftButton, {}, QPoint(6, Control(id)->height() / 2)); }
    void Press(QWizard::WizardButton which) const { QTest::mouseClick(wizard->button(which), Qt::LeftButton); }
    CEventCheckTree *Tree() const { return Control<CEventCheckTree>(1070); }
    // Hands the next modal dialog of type T to `answer` as soon as it is up, which closes it; a
    // failed check inside leaves the dialog rejected rather than `exec()` hanging.
    template <typename T>
    static void AnswerNextModal(std::function<void(T &)> answer)
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                const auto guard = qScopeGuard([dialog] { if (dialog->isVisible()) static_cast<QDialog *>(dialog)->reject(); });
                answer(*dialog);
            }
        });
        poll->start(10);
    }
    // Answers the next file dialog as a user would: picks the kind of file `type` in its list,
    // then types `path` into its name field.
    static void ChooseFileNext(const QString &path, int type)
    {
        AnswerNextModal<QFileDialog>([path, type](QFileDialog &dialog) {
            auto *types = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
            Q_EMIT types->textActivated(types->itemText(type)); // as a user's choice gives it
            dialog.findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
            static_cast<QDialog &>(dialog).accept();
        });
    }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    CUser &user = document.m_user;
    test::MessageRecorder messages;
    std::unique_ptr<CExchangeWizard> owned;
    QWizard *wizard = nullptr; // the wizard on screen, shown by the test or by a command
};

TEST_F(ExchangeWizardTest, ExportTakesTheChosenEventsToTheChosenTargets)
{
    CEventRecord &bob = *user.GetDayEvents(3, 1).AddTail(test::MakeEvent(3, 1, u"bob"_s));
    user.GetDayEvents(1, 5).AddTail(test::MakeEvent(1, 5, u"Борис"_s));
    user.GetDayEvents(2, 2).AddTail(test::MakeEvent(2, 2, u"Анна"_s));
    CEventRecord &alice = *user.GetDayEvents(12, 1).AddTail(test::MakeEvent(12, 1, u"alice"_s));
    CEventRecord &anna = *user.GetDayEvents(6, 6).AddTail(test::MakeEvent(6, 6, u"Анна"_s));
    bob.Selected = 1; // left over from an earlier run
    ShowExport(false);
    EXPECT_EQ(bob.Selected, 0);
    Click(1069);
    EXPECT_FALSE(wizard->button(QWizard::NextButton)->isEnabled()) << "nothing checked";
    Tree()->topLevelItem(0)->setCheckState(0, Qt::Checked);
    Tree()->topLevelItem(3)->setCheckState(0, Qt::Checked);
    const QAccessible::State first = QAccessible::queryAccessibleInterface(Tree())->tableInterface()->cellAt(0, 0)->state();
    EXPECT_TRUE(first.checkable && first.checked);
    Press(QWizard::NextButton);
    EXPECT_EQ(PathNames(), (QStringList{u"Сохранить в файле :"_s, u"Указать файл для экспорта"_s}));
    // Listed Latin before Cyrillic, whatever the case, and equal names in the calendar's order.
    EXPECT_EQ(std::tuple(alice.Selected, bob.Selected, anna.Selected), std::tuple(1, 0, 1)) << "alice and the second Анна";

    // The file alone, chosen in the dialog as iCalendar, which gives the suffix; the clipboard box
    // is checked again when a file is chosen, for its state is taken only when the file box is
    // clicked.
    const QString family = sandbox.path() + u"/family.ics"_s;
    Click(1072);
    Click(1071);
    ChooseFileNext(family.chopped(4), 1);
    Click(1073);
    Click(1071);
    Press(QWizard::FinishButton);
    EXPECT_EQ(test::readFile(family).count("BEGIN:VEVENT"), 2);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    // Every event, checked or not, to the clipboard; to the file as well once the file box is
    // clicked and a file named (one in a folder that is a file has its message); the clipboard
    // box clicked off, nowhere.
    const QString out = sandbox.path() + u"/out.xml"_s;
    for (const auto &[box, path] :
         {std::pair{0, QString()}, {1072, QString()}, {1072, out}, {1072, out + u"/x.xml"_s}, {1071, QString()}}) {
        QGuiApplication::clipboard()->clear();
        ShowExport(true);
        if (box)
            Click(box);
        Path()->setText(path);
        Press(QWizard::FinishButton);
        const QString clipboard = DecodeCp1251(CExchangeDocument::Build(user)->ClipboardForm());
        EXPECT_EQ(QGuiApplication::clipboard()->text(), box == 1071 ? QString() : clipboard) << box << path.toStdString();
    }
    EXPECT_EQ(bob.Selected, 1);
    EXPECT_EQ(test::readFile(out), CExchangeDocument::Build(user)->FileForm());
    EXPECT_EQ(messages.texts, QStringList{u"Не удалось экспортировать события в файл: "_s + out + u"/x.xml"_s});
}

// The import wizard reads its source on every Next and stays on a failed read; the merge of
// what was read is saved at once.
TEST_F(ExchangeWizardTest, TheMainWindowsImportAndExportCommands)
{
    AppContext context{document, registry, flags, false};
    CMainDlg window(context, true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Runs the command with `drive` on its wizard, which finishes it or leaves it to be cancelled.
    const auto run = [this, &window](int id, const std::function<void()> &drive) {
        AnswerNextModal<QWizard>([this, drive](QWizard &running) {
            wizard = &running;
            drive();
        });
        window.OnCommand(id);
    };
    const QString contacts = sandbox.path() + u"/contacts.vcf"_s;
    test::writeFile(contacts, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Лена\r\nBDAY:--0520\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Вера\r\nBDAY:--0401\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Олег\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Гоша\r\nEND:VCARD\r\n");

    run(res::CommandId::Import, [&] {
        Press(QWizard::NextButton); // an empty clipboard
        QGuiApplication::clipboard()->setText(u"Купить хлеба"_s);
        Press(QWizard::NextButton);
        Click(1069);
        Press(QWizard::NextButton); // an empty path
        ChooseFileNext(contacts, 2);
        Click(1073);
        Press(QWizard::NextButton);
        EXPECT_EQ(Tree()->topLevelItemCount(), 2) << "Лена and Вера, who have birthdays";
    });
    EXPECT_FALSE(document.Exists()) << "nothing saved";
    EXPECT_EQ(messages.texts, (QStringList{u"В буфере нет данных для импорта."_s, u"В буфере находится неверный формат данных для импорта."_s,
                                           u"В файле находится неверный формат данных для импорта."_s}));

    messages.texts.clear();
    run(res::CommandId::Import, [&] {
        Click(1069);
        EXPECT_EQ(PathNames(), (QStringList{u"Импортировать из файла:"_s, u"Указать файл для импорта"_s}));
        Path()->setText(contacts);
        Press(QWizard::NextButton);
        Tree()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        Press(QWizard::FinishButton);
    });
    EXPECT_TRUE(user.GetDayEvents(4, 1).IsEmpty()) << "unchecked";
    EXPECT_TRUE(document.Exists()) << "saved at once";
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 1.\n\nНе добавлено событий: 2\n"
                                          "    у контакта не указан день рождения: 2"_s});

    run(res::CommandId::Export, [&] { EXPECT_EQ(Tree()->topLevelItemCount(), 1); });
}

} // namespace
} // namespace orvane
