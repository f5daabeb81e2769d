// How the program starts: its switches, the screen it accepts, the names of broken copies; and how
// it ends on SIGTERM.
#include "app/command_line.h"
#include "app/orderly_end.h"
#include "app/platform_checks.h"
#include "store/broken_copy.h"

#include "test_env.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace orvane;
using namespace Qt::Literals::StringLiterals;

TEST(Startup, SwitchesScreenDepthsAndBrokenCopyNames)
{
    const std::pair<QStringList, bool> switches[] = {{{u"/monitoring"_s}, true}, {{u"file"_s, u"-monitoring"_s}, true},
        {{u"/MONITORING"_s}, false}, {{u"monitoring"_s}, false}, {{u"/monitoringx"_s}, false}, {{}, false}};
    for (const auto &[arguments, monitoring] : switches)
        EXPECT_EQ(HasMonitoringSwitch(arguments), monitoring) << qPrintable(arguments.join(u' '));

    test::ScopedEnv answer("ORVANE_AUTO_ANSWER", "ok");
    for (const int depth : {4, 8, 24}) { // 8 bits take a palette of 256 colours, fewer are refused
        const PlatformCheck check = CheckScreenDepth(depth);
        EXPECT_EQ(std::pair(check.ok, check.bPalette256), std::pair(depth >= 8, depth == 8)) << depth;
    }

    test::SandboxDirs sandbox;
    const QDateTime when(QDate(2026, 12, 6), QTime(21, 5, 9));
    const QString first = BrokenCopyPath(sandbox.calendarPath(), when);
    EXPECT_EQ(first, sandbox.calendarPath() + u".broken-20261206-210509"_s);
    test::writeFile(first, "x");
    EXPECT_EQ(BrokenCopyPath(sandbox.calendarPath(), when), first + u"-2"_s) << "never overwrites a copy";
}

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
