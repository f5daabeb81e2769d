#include "app/orderly_end.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

// Runs `then` once the event loop that runs next is under way.
void Soon(std::function<void()> then)
{
    QTimer::singleShot(10, qApp, std::move(then));
}

// A dialog that keeps itself open against Esc and Cancel.
class StubbornDialog : public QDialog {
public:
    void reject() override {}
};

class OrderlyEndTest : public ::testing::Test {
protected:
    QApplication &Application() { return *qobject_cast<QApplication *>(QCoreApplication::instance()); }
    // Runs a dialog modally, noting how it ended.
    void Run(QDialog &dialog, const QString &name)
    {
        const int result = dialog.exec();
        m_ended << name + u'=' + QString::number(result);
    }

    QStringList m_ended;
};

TEST_F(OrderlyEndTest, SigtermClosesTheDialogsInnermostFirstAsCancelThenEndsTheMainWindow)
{
    OrderlyEnd end(Application());
    QDialog main;
    end.Watch(&main);
    Soon([&] {
        QDialog editor(&main);
        Soon([&] {
            QMessageBox question(QMessageBox::Question, u"Календарь"_s, u"Удалить?"_s,
                                 QMessageBox::Yes | QMessageBox::No, &editor);
            Soon([] { ::raise(SIGTERM); });
            m_ended << (question.exec() == QMessageBox::No ? u"question=No"_s : u"question=?"_s);
        });
        Run(editor, u"editor"_s);
        // The code the editor returned to opens another dialog: it is closed as well.
        QDialog later(&main);
        Run(later, u"later"_s);
    });
    Run(main, u"main"_s);
    EXPECT_EQ(m_ended, (QStringList{u"question=No"_s, u"editor=0"_s, u"later=0"_s, u"main=1"_s}));
    EXPECT_TRUE(end.Requested());
}

TEST_F(OrderlyEndTest, OpenMenusAndADialogThatRefusesToCloseDoNotHoldTheEndUp)
{
    OrderlyEnd end(Application());
    QDialog main;
    end.Watch(&main);
    Soon([&] {
        StubbornDialog stubborn;
        stubborn.setParent(&main, Qt::Dialog);
        Soon([&] {
            QMenu menu;
            menu.addAction(u"День..."_s);
            Soon([&end] { end.Request(); });
            m_ended << (menu.exec(QPoint(10, 10)) ? u"menu=chosen"_s : u"menu=closed"_s);
        });
        Run(stubborn, u"stubborn"_s);
    });
    Run(main, u"main"_s);
    EXPECT_EQ(m_ended, (QStringList{u"menu=closed"_s, u"stubborn=0"_s, u"main=1"_s}));
}

TEST_F(OrderlyEndTest, ARequestBeforeTheMainWindowClosesWhatRunsAndLeavesTheMainWindowUnrun)
{
    OrderlyEnd end(Application());
    QDialog monitor;
    Soon([&end] { end.Request(); });
    Run(monitor, u"monitor"_s);
    EXPECT_EQ(m_ended, (QStringList{u"monitor=0"_s}));
    EXPECT_TRUE(end.Requested()) << "the caller then skips the main window and saves";
}

} // namespace
} // namespace orvane
