#include "app/orderly_end.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

// A dialog that keeps itself open against Esc and Cancel.
class StubbornDialog : public QDialog {
public:
    void reject() override {}
};

// Open: the main window, a dialog that refuses to close, a question above it, a menu above that.
TEST(OrderlyEndTest, SigtermClosesMenusThenTheDialogsInnermostFirstAsCancelThenEndsTheMainWindow)
{
    OrderlyEnd end{*qApp};
    QDialog main;
    QStringList ended; // how each window ended
    const auto run = [&](QDialog &dialog, const QString &name) { ended << u"%1=%2"_s.arg(name).arg(dialog.exec()); };
    end.Watch(&main);
    QTimer::singleShot(0, [&] {
        StubbornDialog stubborn;
        stubborn.setParent(&main, Qt::Dialog);
        QTimer::singleShot(0, [&] {
            QMessageBox question(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No, &stubborn);
            QTimer::singleShot(0, [&] {
                QMenu menu;
                menu.addAction(u"День..."_s);
                QTimer::singleShot(0, [] { ::raise(SIGTERM); });
                ended << (menu.exec(QPoint(10, 10)) ? u"menu=chosen"_s : u"menu=closed"_s);
            });
            ended << (question.exec() == QMessageBox::No ? u"question=No"_s : u"question=?"_s);
        });
        run(stubborn, u"stubborn"_s);
        QDialog later(&main); // opened by the code the dialog returned to: closed as well
        run(later, u"later"_s);
    });
    run(main, u"main"_s);
    EXPECT_EQ(ended, (QStringList{u"menu=closed"_s, u"question=No"_s, u"stubborn=0"_s, u"later=0"_s, u"main=1"_s}));
}
