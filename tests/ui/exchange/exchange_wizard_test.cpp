#include "exchange/exchange_document.h"
#include "exchange/import_file.h"
#include "store/clock.h"
#include "store/user.h"
#include "store/windows1251.h"
#include "ui/controls/tool_tip_button.h"
#include "ui/exchange/event_check_tree.h"
#include "ui/exchange/exchange_path_row.h"
#include "ui/exchange/exchange_wizards.h"
#include "ui/exchange/wizard_export.h"
#include "ui/exchange/wizard_export_last.h"
#include "ui/exchange/wizard_import.h"
#include "ui/exchange/wizard_import_last.h"

#include "../main/qt_print.h"
#include "event_maker.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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
        wizard.reset();
        Clock::SetSource({});
    }

    CEventRecord &Add(int month, int day, const QString &name)
    {
        return *user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name));
    }
    CExchangeWizard &Show(std::unique_ptr<CExchangeWizard> made)
    {
        wizard = std::move(made);
        wizard->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard.get()));
        return *wizard;
    }
    template <typename T = QAbstractButton>
    T *Control(int id) const
    {
        T *control = wizard->currentPage()->findChild<T *>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    // Clicks a radio button or check box on its box, where a user clicks it.
    void Click(int id) const
    {
        QAbstractButton *button = Control(id);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QAbstractButton *Button(QWizard::WizardButton which) const { return wizard->button(which); }
    bool Available(QWizard::WizardButton which) const
    {
        return Button(which)->isVisible() && Button(which)->isEnabled();
    }
    CEventCheckTree *Tree() const { return Control<CEventCheckTree>(1070); }
    QStringList Labels() const
    {
        QStringList labels;
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
            labels << Tree()->topLevelItem(i)->text(0);
        return labels;
    }
    void Check(int row, bool on) const
    {
        Tree()->topLevelItem(row)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
    void SaveShot(const QString &name) const
    {
        const QString dir = QStringLiteral(ORVANE_BINARY_DIR "/artifacts");
        QDir().mkpath(dir);
        EXPECT_TRUE(wizard->grab().save(dir + u"/"_s + name));
    }
    // Answers the next file dialog with `path`, after `before` has looked at it.
    static void ChooseFileNext(const QString &path, const std::function<void(QFileDialog &)> &before = {})
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, path, before] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->deleteLater();
            if (before)
                before(*dialog);
            // Typed into the name field, as a user would; it takes a full path.
            auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
            ASSERT_NE(name, nullptr);
            name->setText(path);
            static_cast<QDialog *>(dialog)->accept();
        });
        poll->start(10);
    }

    test::SandboxDirs sandbox;
    CUser user;
    test::MessageRecorder messages;
    std::unique_ptr<CExchangeWizard> wizard;
};

TEST_F(ExchangeWizardTest, ExportNextFollowsTheChoiceAndTheChecks)
{
    Show(NewExportWizard(user, nullptr));
    EXPECT_EQ(wizard->windowTitle(), u"Экспорт событий [Шаг 1 из 2]"_s);
    EXPECT_TRUE(Labels().isEmpty());
    EXPECT_FALSE(Available(QWizard::NextButton)) << "nothing to export";
    EXPECT_FALSE(Available(QWizard::BackButton));
    EXPECT_TRUE(Available(QWizard::CancelButton));
    wizard.reset();

    CEventRecord &bob = Add(3, 1, u"bob"_s);
    Add(1, 5, u"Борис"_s);
    Add(2, 2, u"Анна"_s);
    CEventRecord &alice = Add(12, 1, u"alice"_s);
    CEventRecord &anna = Add(6, 6, u"Анна"_s);
    bob.Selected = 1; // left over from an earlier run
    Show(NewExportWizard(user, nullptr));
    EXPECT_EQ(bob.Selected, 0);
    EXPECT_EQ(Labels(), (QStringList{u"alice"_s, u"bob"_s, u"Анна"_s, u"Анна"_s, u"Борис"_s}));
    EXPECT_TRUE(Control(1068)->isChecked());
    EXPECT_FALSE(Tree()->isEnabled());
    EXPECT_TRUE(Available(QWizard::NextButton));

    Click(1069);
    EXPECT_TRUE(Tree()->isEnabled());
    EXPECT_FALSE(Available(QWizard::NextButton)) << "nothing checked";
    Check(1, true);
    EXPECT_TRUE(Available(QWizard::NextButton));
    Check(1, false);
    EXPECT_FALSE(Available(QWizard::NextButton));
    Check(0, true);
    Check(3, true);
    SaveShot(u"wizard_export_1.png"_s);
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    EXPECT_EQ(wizard->currentId(), 1);
    EXPECT_EQ(wizard->windowTitle(), u"Экспорт событий [Шаг 2 из 2]"_s);
    EXPECT_EQ(alice.Selected, 1);
    EXPECT_EQ(bob.Selected, 0);
    EXPECT_EQ(anna.Selected, 1) << "the second Анна, listed after the first";
    EXPECT_TRUE(Available(QWizard::BackButton));
    EXPECT_TRUE(Available(QWizard::FinishButton));

    QTest::mouseClick(Button(QWizard::BackButton), Qt::LeftButton);
    Click(1068);
    EXPECT_FALSE(Tree()->isEnabled());
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    EXPECT_EQ(bob.Selected, 1) << "\"Все \" marks every event, checked or not";
}

TEST_F(ExchangeWizardTest, ExportTargetsFollowTheBoxes)
{
    Add(3, 8, u"Маша"_s);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.xml"_s);
    auto toStepTwo = [&] {
        Show(NewExportWizard(user, nullptr));
        QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    };

    toStepTwo();
    EXPECT_TRUE(Control(1071)->isChecked());
    EXPECT_FALSE(Control(1072)->isChecked());
    EXPECT_FALSE(Control<QLineEdit>(1003)->isEnabled());
    EXPECT_FALSE(Control(1073)->isEnabled());
    EXPECT_EQ(Control<CToolTipButton>(1073)->size(), QSize(21, 21));
    EXPECT_EQ(Control<CToolTipButton>(1073)->ToolTipText(), u"Указать файл для экспорта"_s);
    Click(1072);
    EXPECT_TRUE(Control<QLineEdit>(1003)->isEnabled());
    EXPECT_TRUE(Control(1073)->isEnabled());
    SaveShot(u"wizard_export_2.png"_s);
    // A file box with no path: the clipboard alone, and no message.
    QTest::mouseClick(Button(QWizard::FinishButton), Qt::LeftButton);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              DecodeCp1251(CExchangeDocument::Build(user)->ClipboardForm()));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(u"<Orvane version=\"1, 9, 2, 0\">\r\n<Event name=\"Маша\""_s));
    EXPECT_TRUE(messages.texts.isEmpty());

    // Both boxes cleared: nothing at all.
    QGuiApplication::clipboard()->clear();
    toStepTwo();
    Click(1071);
    QTest::mouseClick(Button(QWizard::FinishButton), Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    // File checked, clipboard unchecked, then a file chosen: the clipboard box is checked again,
    // for its state is taken only when the file box is clicked.
    toStepTwo();
    Click(1072);
    Click(1071);
    ChooseFileNext(path);
    Click(1073);
    EXPECT_EQ(Control<QLineEdit>(1003)->text(), QDir::toNativeSeparators(path));
    EXPECT_TRUE(Control(1071)->isChecked());
    EXPECT_TRUE(Control(1072)->isChecked());
    Click(1071); // clipboard off for real this time
    QTest::mouseClick(Button(QWizard::FinishButton), Qt::LeftButton);
    EXPECT_EQ(test::readFile(path), CExchangeDocument::Build(user)->FileForm());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    // A file that cannot be written (its folder would be a file): its message, and the wizard
    // closes all the same.
    const QString unwritable = dir.filePath(u"out.xml/x.xml"_s);
    toStepTwo();
    Click(1072);
    Control<QLineEdit>(1003)->setText(unwritable);
    QTest::mouseClick(Button(QWizard::FinishButton), Qt::LeftButton);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(messages.texts, QStringList{u"Не удалось экспортировать события в файл: "_s + unwritable});
}

TEST_F(ExchangeWizardTest, ImportReadsOnEveryNextAndStaysOnAFailedRead)
{
    CImportList list;
    ImportRead read;
    Show(NewImportWizard(list, read, nullptr));
    EXPECT_EQ(wizard->windowTitle(), u"Импорт событий [Шаг 1 из 2]"_s);
    EXPECT_TRUE(Control(1068)->isChecked());
    EXPECT_FALSE(Control<QLineEdit>(1003)->isEnabled());
    EXPECT_TRUE(Available(QWizard::NextButton));

    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    QGuiApplication::clipboard()->setText(u"Купить хлеба"_s);
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    Click(1069);
    EXPECT_TRUE(Control<QLineEdit>(1003)->isEnabled());
    SaveShot(u"wizard_import_1.png"_s);
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton); // an empty path
    EXPECT_EQ(messages.texts, (QStringList{u"В буфере нет данных для импорта."_s,
                                     u"В буфере находится неверный формат данных для импорта."_s,
                                     u"В файле находится неверный формат данных для импорта."_s}));
    EXPECT_EQ(wizard->currentId(), 0);
    EXPECT_TRUE(Control(1069)->isChecked()) << "the inputs stay";

    QTemporaryDir dir;
    const QString path = dir.filePath(u"orvane.xml"_s);
    test::writeFile(path, "<Orvane><Event name=\"Вера\" month=\"4\" day=\"1\"/><Event name=\"anton\" month=\"4\" day=\"2\"/></Orvane>");
    ChooseFileNext(path);
    Click(1073);
    EXPECT_EQ(Control<QLineEdit>(1003)->text(), QDir::toNativeSeparators(path));
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    EXPECT_EQ(wizard->currentId(), 1);
    EXPECT_EQ(wizard->windowTitle(), u"Импорт событий [Шаг 2 из 2]"_s);
    EXPECT_TRUE(Tree()->isEnabled());
    EXPECT_EQ(Labels(), (QStringList{u"anton"_s, u"Вера"_s}));
    EXPECT_TRUE(Available(QWizard::BackButton));
    EXPECT_TRUE(Available(QWizard::FinishButton));
    SaveShot(u"wizard_import_2.png"_s);

    // Back and Next read the file again: both copies, all checked again.
    Check(0, false);
    QTest::mouseClick(Button(QWizard::BackButton), Qt::LeftButton);
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    EXPECT_EQ(Labels(), (QStringList{u"anton"_s, u"anton"_s, u"Вера"_s, u"Вера"_s}));
    EXPECT_FALSE(Tree()->topLevelItem(0)->checkState(0) == Qt::Unchecked);
    Check(1, false);
    Check(2, false);
    QTest::mouseClick(Button(QWizard::FinishButton), Qt::LeftButton);
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    QStringList chosen;
    for (const CEventRecord &record : list)
        if (record.Selected)
            chosen << record.Name;
    EXPECT_EQ(chosen, (QStringList{u"anton"_s, u"Вера"_s}));
}


TEST_F(ExchangeWizardTest, TheExportFileDialogOffersICalendarAndWritesIt)
{
    Add(3, 8, u"Маша"_s).Selected = 1;
    QTemporaryDir dir;
    Show(NewExportWizard(user, nullptr));
    QTest::mouseClick(Button(QWizard::NextButton), Qt::LeftButton);
    Click(1071);
    Click(1072);
    QStringList filters;
    QString proposed;
    // No suffix in the name: the chosen kind gives it.
    ChooseFileNext(dir.filePath(u"family"_s), [&filters, &proposed](QFileDialog &dialog) {
        filters = dialog.nameFilters();
        auto *types = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
        auto *name = dialog.findChild<QLineEdit *>(u"fileNameEdit"_s);
        ASSERT_TRUE(types && name);
        types->setCurrentIndex(1);
        Q_EMIT types->activated(1); // as a user's choice gives them
        Q_EMIT types->textActivated(types->currentText());
        proposed = name->text();
        const QString shots = QStringLiteral(ORVANE_BINARY_DIR "/artifacts");
        QDir().mkpath(shots);
        EXPECT_TRUE(dialog.grab().save(shots + u"/export_file_dialog.png"_s));
    });
    Click(1073);
    EXPECT_EQ(filters, (QStringList{u"XML file (*.xml)"_s, u"iCalendar (*.ics)"_s}));
    EXPECT_EQ(proposed, u"orvane.ics"_s);
    EXPECT_EQ(Control<QLineEdit>(1003)->text().toStdString(), QDir::toNativeSeparators(dir.filePath(u"family.ics"_s)).toStdString());
    QTest::mouseClick(Button(QWizard::FinishButton), Qt::LeftButton);
    const QByteArray written = test::readFile(dir.filePath(u"family.ics"_s));
    EXPECT_TRUE(written.startsWith("BEGIN:VCALENDAR\r\n")) << written.constData();
    EXPECT_TRUE(written.contains("SUMMARY:Маша\r\n"));
    EXPECT_TRUE(messages.texts.isEmpty());
}

} // namespace
} // namespace orvane
