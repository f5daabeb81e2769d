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

// Runs `then` from the event loop that runs next.
void Soon(std::function<void()> then)
{
    QTimer::singleShot(0, qApp, std::move(then));
}

// A dialog that keeps itself open against Esc and Cancel.
class StubbornDialog : public QDialog {
public:
    void reject() override {}
};

class OrderlyEndTest : public ::testing::Test {
protected:
    // Runs a dialog modally, noting how it ended.
    void Run(QDialog &dialog, const QString &name) { m_ended << name + u'=' + QString::number(dialog.exec()); }

    OrderlyEnd end{*qobject_cast<QApplication *>(QCoreApplication::instance())};
    QDialog main;
    QStringList m_ended;
};

// Open: the main window, a dialog that refuses to close, a question above it, a menu above that.
TEST_F(OrderlyEndTest, SigtermClosesMenusThenTheDialogsInnermostFirstAsCancelThenEndsTheMainWindow)
{
    end.Watch(&main);
    Soon([&] {
        StubbornDialog stubborn;
        stubborn.setParent(&main, Qt::Dialog);
        Soon([&] {
            QMessageBox question(QMessageBox::Question, u"Календарь"_s, u"Удалить?"_s, QMessageBox::Yes | QMessageBox::No, &stubborn);
            Soon([&] {
                QMenu menu;
                menu.addAction(u"День..."_s);
                Soon([] { ::raise(SIGTERM); });
                m_ended << (menu.exec(QPoint(10, 10)) ? u"menu=chosen"_s : u"menu=closed"_s);
            });
            m_ended << (question.exec() == QMessageBox::No ? u"question=No"_s : u"question=?"_s);
        });
        Run(stubborn, u"stubborn"_s);
        QDialog later(&main); // opened by the code the dialog returned to: closed as well
        Run(later, u"later"_s);
    });
    Run(main, u"main"_s);
    EXPECT_EQ(m_ended, (QStringList{u"menu=closed"_s, u"question=No"_s, u"stubborn=0"_s, u"later=0"_s, u"main=1"_s}));
    EXPECT_TRUE(end.Requested());
}

TEST_F(OrderlyEndTest, ARequestBeforeTheMainWindowClosesWhatRunsAndLeavesTheMainWindowUnrun)
{
    Soon([&] { end.Request(); });
    Run(main, u"monitor"_s);
    EXPECT_EQ(m_ended, (QStringList{u"monitor=0"_s}));
    EXPECT_TRUE(end.Requested()) << "the caller then skips the main window and saves";
}

} // namespace
} // namespace orvane
