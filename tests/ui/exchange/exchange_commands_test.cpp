// The main window's import and export commands, end to end through the wizards.
#include "app/app_context.h"
#include "res/menus.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/message.h"
#include "ui/main/main_dlg.h"

#include "event_maker.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWizard>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

class ExchangeCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2026, 5, 10); });
        window = std::make_unique<CMainDlg>(context, true);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        Clock::SetSource({});
    }

    // Runs `drive` on the wizard as soon as the command has it up; it must close it.
    void RunCommand(int id, std::function<void(QWizard &)> drive)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto *wizard = qobject_cast<QWizard *>(QApplication::activeModalWidget());
            if (!wizard)
                return;
            poll.stop();
            const auto guard = qScopeGuard([wizard] { if (wizard->isVisible()) wizard->reject(); });
            drive(*wizard);
        });
        poll.start(10);
        window->OnCommand(id);
    }
    static void Press(QWizard &wizard, QWizard::WizardButton which)
    {
        QTest::mouseClick(wizard.button(which), Qt::LeftButton);
    }
    // Where the grid marks a day that holds events.
    QColor MarkPixel(int month, int day) const
    {
        const QPoint at = window->DayRect(month, day).topLeft() + QPoint(4, 14);
        return window->FramePicture().toImage().pixelColor(at * window->devicePixelRatioF());
    }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    AppContext context{document, registry, flags, false};
    std::unique_ptr<CMainDlg> window;
    test::MessageRecorder messages;
};

TEST_F(ExchangeCommandsTest, ImportAddsTheCheckedEventsSavesAndRedraws)
{
    QGuiApplication::clipboard()->setText(u"<Orvane><Event name=\"Лена\" category=\"Друзья\" month=\"5\" day=\"20\"/>"
                                          "<Event name=\"Вне\" month=\"2\" day=\"30\"/></Orvane>"_s);
    EXPECT_NE(MarkPixel(5, 20), QColor(0, 192, 0));
    QColor markUnderMessage;
    SetMessagePresenter([&](const QString &text, MessageButtons) {
        markUnderMessage = MarkPixel(5, 20);
        messages.texts << text;
        return MessageAnswer::Ok;
    });
    RunCommand(res::CommandId::Import, [](QWizard &wizard) {
        Press(wizard, QWizard::NextButton);
        Press(wizard, QWizard::FinishButton);
    });
    const CEventList &day = document.m_user.GetDayEvents(5, 20);
    ASSERT_EQ(day.GetCount(), 1);
    EXPECT_EQ(day.begin()->Name, u"Лена"_s);
    EXPECT_EQ(document.m_user.GetCategory(day.begin()->Category), u"Друзья"_s);
    EXPECT_EQ(markUnderMessage, QColor(0, 192, 0)) << "the day is drawn with its mark before the message";
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(u"Добавлено событий: 1.\n\nНе добавлено событий: 1"_s)) << messages.texts[0].toStdString();

    CDataFile saved(flags);
    ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), saved.CurrentReadContext()).ok()) << "saved at once";
    EXPECT_EQ(saved.m_user.GetDayEvents(5, 20).GetCount(), 1);
}

TEST_F(ExchangeCommandsTest, ACancelledImportChangesNothing)
{
    QGuiApplication::clipboard()->setText(u"<Orvane><Event name=\"Лена\" month=\"5\" day=\"20\"/></Orvane>"_s);
    RunCommand(res::CommandId::Import, [](QWizard &wizard) {
        Press(wizard, QWizard::NextButton);
        Press(wizard, QWizard::CancelButton);
    });
    EXPECT_TRUE(document.m_user.GetDayEvents(5, 20).IsEmpty());
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_FALSE(document.Exists()) << "nothing saved";
}

TEST_F(ExchangeCommandsTest, ExportPutsTheCalendarOnTheClipboard)
{
    document.m_user.GetDayEvents(5, 20).AddTail(test::MakeEvent(5, 20, u"Лена"_s));
    QGuiApplication::clipboard()->clear();
    RunCommand(res::CommandId::Export, [](QWizard &wizard) {
        Press(wizard, QWizard::NextButton);
        Press(wizard, QWizard::FinishButton);
    });
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              u"<Orvane version=\"1, 9, 2, 0\">\r\n<Event name=\"Лена\" information=\"\" category=\"День рождения\" "
              "month=\"5\" day=\"20\"/>\r\n</Orvane>\r\n"_s);
    EXPECT_TRUE(messages.texts.isEmpty());
}


TEST_F(ExchangeCommandsTest, ImportOfContactsTellsHowManyHadNoBirthday)
{
    const QString contacts = sandbox.path() + u"/contacts.vcf"_s;
    test::writeFile(contacts, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Лена\r\nBDAY:--0520\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Олег\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Гоша\r\nEND:VCARD\r\n");
    RunCommand(res::CommandId::Import, [&](QWizard &wizard) {
        QTest::mouseClick(wizard.currentPage()->findChild<QRadioButton *>(u"1069"_s), Qt::LeftButton, {}, QPoint(6, 8));
        wizard.currentPage()->findChild<QLineEdit *>(u"1003"_s)->setText(contacts);
        Press(wizard, QWizard::NextButton);
        Press(wizard, QWizard::FinishButton);
    });
    ASSERT_EQ(document.m_user.GetDayEvents(5, 20).GetCount(), 1);
    EXPECT_EQ(document.m_user.GetDayEvents(5, 20).begin()->Category, 0);
    EXPECT_EQ(messages.texts, QStringList{u"Добавлено событий: 1.\n\nНе добавлено событий: 2\n"
                                          "    у контакта не указан день рождения: 2"_s});
}

} // namespace
} // namespace orvane
