// The export and import wizards page by page, and the main window's commands that run them.
#include "app/app_context.h"
#include "exchange/exchange_document.h"
#include "exchange/import_file.h"
#include "res/menus.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/windows1251.h"
#include "ui/controls/tool_tip_button.h"
#include "ui/exchange/event_check_tree.h"
#include "ui/exchange/exchange_wizards.h"
#include "ui/main/main_dlg.h"

#include "event_maker.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
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
    void TearDown() override
    {
        owned.reset();
        Clock::SetSource({});
    }

    CEventRecord &Add(int month, int day, const QString &name)
    {
        return *user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name));
    }
    void Show(std::unique_ptr<CExchangeWizard> made)
    {
        owned = std::move(made);
        wizard = owned.get();
        wizard->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard));
    }
    template <typename T = QAbstractButton>
    T *Control(int id) const { return wizard->currentPage()->findChild<T *>(QString::number(id)); }
    QLineEdit *Path() const { return Control<QLineEdit>(1003); }
    // Clicks a radio button or check box on its box, where a user clicks it.
    static void Click(QAbstractButton *box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
    void Click(int id) const { Click(Control(id)); }
    void Press(QWizard::WizardButton which) const { QTest::mouseClick(wizard->button(which), Qt::LeftButton); }
    bool Available(QWizard::WizardButton which) const { return wizard->button(which)->isVisible() && wizard->button(which)->isEnabled(); }
    CEventCheckTree *Tree() const { return Control<CEventCheckTree>(1070); }
    QStringList Labels() const
    {
        QStringList labels;
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
            labels << Tree()->topLevelItem(i)->text(0);
        return labels;
    }
    void Check(int row, bool on) const { Tree()->topLevelItem(row)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked); }
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
    // Answers the next file dialog with `path` typed into its name field, as a user would.
    static void ChooseFileNext(const QString &path, const std::function<void(QFileDialog &)> &before = [](QFileDialog &) {})
    {
        AnswerNextModal<QFileDialog>([path, before](QFileDialog &dialog) {
            before(dialog);
            dialog.findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
            static_cast<QDialog &>(dialog).accept();
        });
    }
    // The second page of the export wizard with the file box as given and the clipboard box on.
    void ToExportStepTwo(bool file)
    {
        Show(NewExportWizard(user, nullptr));
        Press(QWizard::NextButton);
        if (file)
            Click(1072);
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

TEST_F(ExchangeWizardTest, ExportNextFollowsTheChoiceAndTheChecks)
{
    Show(NewExportWizard(user, nullptr));
    EXPECT_FALSE(Available(QWizard::NextButton)) << "nothing to export";
    CEventRecord &bob = Add(3, 1, u"bob"_s);
    Add(1, 5, u"Борис"_s);
    Add(2, 2, u"Анна"_s);
    CEventRecord &alice = Add(12, 1, u"alice"_s);
    CEventRecord &anna = Add(6, 6, u"Анна"_s);
    bob.Selected = 1; // left over from an earlier run
    Show(NewExportWizard(user, nullptr));
    EXPECT_EQ(wizard->windowTitle(), u"Экспорт событий [Шаг 1 из 2]"_s);
    EXPECT_EQ(bob.Selected, 0);
    EXPECT_EQ(Labels(), (QStringList{u"alice"_s, u"bob"_s, u"Анна"_s, u"Анна"_s, u"Борис"_s}));
    EXPECT_TRUE(Control(1068)->isChecked() && Available(QWizard::NextButton));
    EXPECT_FALSE(Tree()->isEnabled());

    Click(1069);
    EXPECT_TRUE(Tree()->isEnabled());
    EXPECT_FALSE(Available(QWizard::NextButton)) << "nothing checked";
    Check(1, true);
    EXPECT_TRUE(Available(QWizard::NextButton));
    Check(1, false);
    EXPECT_FALSE(Available(QWizard::NextButton));
    Check(0, true);
    Check(3, true);
    Press(QWizard::NextButton);
    EXPECT_EQ(wizard->windowTitle(), u"Экспорт событий [Шаг 2 из 2]"_s);
    EXPECT_EQ(std::tuple(alice.Selected, bob.Selected, anna.Selected), std::tuple(1, 0, 1)) << "the second Анна, listed after the first";
    EXPECT_TRUE(Available(QWizard::BackButton) && Available(QWizard::FinishButton));

    Press(QWizard::BackButton);
    Click(1068);
    EXPECT_FALSE(Tree()->isEnabled());
    Press(QWizard::NextButton);
    EXPECT_EQ(bob.Selected, 1) << "\"Все \" marks every event, checked or not";
}

TEST_F(ExchangeWizardTest, ExportTargetsFollowTheBoxes)
{
    Add(3, 8, u"Маша"_s).Selected = 1;
    const QString clipboardText = DecodeCp1251(CExchangeDocument::Build(user)->ClipboardForm());
    const QString folder = sandbox.path();
    ToExportStepTwo(false);
    EXPECT_TRUE(Control(1071)->isChecked());
    EXPECT_FALSE(Control(1072)->isChecked() || Path()->isEnabled() || Control(1073)->isEnabled());
    EXPECT_EQ(Control<CToolTipButton>(1073)->size(), QSize(21, 21));
    EXPECT_EQ(Control<CToolTipButton>(1073)->ToolTipText(), u"Указать файл для экспорта"_s);
    Click(1072);
    EXPECT_TRUE(Path()->isEnabled() && Control(1073)->isEnabled());

    // Both boxes: the clipboard form on the clipboard, the file form in the file when one is named.
    // The clipboard box alone left cleared: nothing at all.
    for (const auto &[file, path] : {std::pair{true, QString()}, {true, folder + u"/out.xml"_s}, {false, QString()}}) {
        QGuiApplication::clipboard()->clear();
        ToExportStepTwo(file);
        if (!file)
            Click(1071);
        Path()->setText(path);
        Press(QWizard::FinishButton);
        EXPECT_FALSE(wizard->isVisible());
        EXPECT_EQ(QGuiApplication::clipboard()->text(), file ? clipboardText : QString()) << path.toStdString();
    }
    EXPECT_EQ(test::readFile(folder + u"/out.xml"_s), CExchangeDocument::Build(user)->FileForm());

    // The file alone, chosen in the dialog as iCalendar; the clipboard box is checked again
    // when a file is chosen, for its state is taken only when the file box is clicked.
    ToExportStepTwo(true);
    Click(1071);
    QStringList filters;
    QString proposed;
    ChooseFileNext(folder + u"/family"_s, [&filters, &proposed](QFileDialog &dialog) {
        filters = dialog.nameFilters();
        auto *types = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
        types->setCurrentIndex(1);
        Q_EMIT types->activated(1); // as a user's choice gives them
        Q_EMIT types->textActivated(types->currentText());
        proposed = dialog.findChild<QLineEdit *>(u"fileNameEdit"_s)->text();
    });
    Click(1073);
    EXPECT_EQ(filters, (QStringList{u"XML file (*.xml)"_s, u"iCalendar (*.ics)"_s}));
    EXPECT_EQ(proposed, u"orvane.ics"_s);
    EXPECT_EQ(Path()->text(), QDir::toNativeSeparators(folder + u"/family.ics"_s)) << "the kind gives the suffix";
    EXPECT_TRUE(Control(1071)->isChecked() && Control(1072)->isChecked());
    Click(1071);
    Press(QWizard::FinishButton);
    EXPECT_TRUE(test::readFile(folder + u"/family.ics"_s).startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty());

    // A file that cannot be written (its folder is a file): its message, and the wizard closes all the same.
    ToExportStepTwo(true);
    Path()->setText(folder + u"/out.xml/x.xml"_s);
    Press(QWizard::FinishButton);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(messages.texts, QStringList{u"Не удалось экспортировать события в файл: "_s + folder + u"/out.xml/x.xml"_s});
}

// The import wizard reads its source on every Next and stays on a failed read; the merge of
// what was read is saved and drawn before its message shows.
TEST_F(ExchangeWizardTest, TheMainWindowsImportAndExportCommands)
{
    AppContext context{document, registry, flags, false};
    CMainDlg window(context, true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Runs the command with `drive` on its wizard, which closes it.
    const auto run = [this, &window](int id, const std::function<void()> &drive) {
        AnswerNextModal<QWizard>([this, drive](QWizard &running) {
            wizard = &running;
            drive();
        });
        window.OnCommand(id);
    };
    // Where the grid marks 20 May when it holds events.
    const auto mark = [&window] {
        const QPoint at = window.DayRect(5, 20).topLeft() + QPoint(4, 14);
        return window.FramePicture().toImage().pixelColor(at * window.devicePixelRatioF());
    };
    QColor markUnderMessage;
    SetMessagePresenter([&](const QString &text, MessageButtons) {
        markUnderMessage = mark();
        messages.texts << text;
        return MessageAnswer::Ok;
    });
    const QString contacts = sandbox.path() + u"/contacts.vcf"_s;
    test::writeFile(contacts, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Лена\r\nBDAY:--0520\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Вера\r\nBDAY:--0401\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Олег\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Гоша\r\nEND:VCARD\r\n");

    run(res::CommandId::Import, [&] {
        EXPECT_EQ(wizard->windowTitle(), u"Импорт событий [Шаг 1 из 2]"_s);
        EXPECT_TRUE(Control(1068)->isChecked() && !Path()->isEnabled());
        Press(QWizard::NextButton); // an empty clipboard
        QGuiApplication::clipboard()->setText(u"Купить хлеба"_s);
        Press(QWizard::NextButton);
        Click(1069);
        Press(QWizard::NextButton); // an empty path
        EXPECT_EQ(wizard->currentId(), 0);
        EXPECT_TRUE(Control(1069)->isChecked() && Path()->isEnabled()) << "the inputs stay";
        ChooseFileNext(contacts);
        Click(1073);
        EXPECT_EQ(Path()->text(), QDir::toNativeSeparators(contacts));
        Press(QWizard::NextButton);
        EXPECT_EQ(wizard->windowTitle(), u"Импорт событий [Шаг 2 из 2]"_s);
        EXPECT_EQ(Labels(), (QStringList{u"Вера"_s, u"Лена"_s}));
        EXPECT_TRUE(Tree()->isEnabled() && Available(QWizard::BackButton) && Available(QWizard::FinishButton));
        Press(QWizard::CancelButton);
    });
    EXPECT_TRUE(user.GetDayEvents(5, 20).IsEmpty());
    EXPECT_FALSE(document.Exists()) << "nothing saved";
    EXPECT_EQ(messages.texts, (QStringList{u"В буфере нет данных для импорта."_s, u"В буфере находится неверный формат данных для импорта."_s,
                                           u"В файле находится неверный формат данных для импорта."_s}));
    EXPECT_NE(mark(), QColor(0, 192, 0));

    messages.texts.clear();
    run(res::CommandId::Import, [&] {
        Click(1069);
        Path()->setText(contacts);
        Press(QWizard::NextButton);
        Check(0, false);
        Press(QWizard::FinishButton);
    });
    EXPECT_TRUE(user.GetDayEvents(4, 1).IsEmpty()) << "unchecked";
    ASSERT_EQ(user.GetDayEvents(5, 20).GetCount(), 1);
    EXPECT_EQ(user.GetDayEvents(5, 20).begin()->Category, 0);
    EXPECT_EQ(markUnderMessage, QColor(0, 192, 0)) << "the day is drawn with its mark before the message";
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 1.\n\nНе добавлено событий: 2\n"
                                          "    у контакта не указан день рождения: 2"_s});
    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), saved.CurrentReadContext()).ok()) << "saved at once";
    EXPECT_EQ(saved.m_user.GetDayEvents(5, 20).GetCount(), 1);

    run(res::CommandId::Export, [&] {
        Press(QWizard::NextButton);
        Press(QWizard::FinishButton);
    });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"<Orvane version=\"1, 9, 2, 0\">\r\n<Event name=\"Лена\" information=\"\" "
                                                    "category=\"День рождения\" month=\"5\" day=\"20\"/>\r\n</Orvane>\r\n"_s);
}

} // namespace
} // namespace orvane
