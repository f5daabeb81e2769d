#include "test_env.h"
#include "ui/controls/hyper_link.h"
#include "ui/controls/link_opener.h"
#include "ui/main/qt_print.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

// The colour and the place of the text; $BROWSER is a list of commands, of which the first is run
// with the target in place of %s.
TEST(LinkLookAndOpener, ColourEdgeBrowserCommandAndErrorsNamed)
{
    EXPECT_EQ(LinkTextColour(LinkStyle::Default, true, false, false), QColor(0, 0, 255)) << "no hover colour";
    EXPECT_EQ(LinkTextColour(LinkStyle::NoActiveColour, false, true, true), QColor(128, 0, 128));
    EXPECT_EQ(FitLinkRect({10, 20, 100, 30}, {2, 2}, {41, 14}, Qt::AlignCenter), QRect(39, 28, 44, 16))
        << "centred: narrowed and lowered equally on both sides";
    const QString target = u"https://orvane.example.org/a b\"c"_s;
    EXPECT_EQ(BrowserArguments(u"\"/opt/my browser/run\" --private %s"_s, target),
              (QStringList{u"/opt/my browser/run"_s, u"--private"_s, target}));
    EXPECT_EQ(BrowserArguments(u"w3m"_s, target), (QStringList{u"w3m"_s, target}));
    EXPECT_EQ(BrowserArguments(u"  "_s, target), QStringList());
    EXPECT_EQ(OpenTarget(target, [](const QUrl &) { return false; }, u"/nonexistent/browser \"%s\":/bin/true"_s),
              LinkResult::kFileNotFound) << "only the first command is run";
    EXPECT_EQ(OpenErrorText(26), u"Can't open link:\n\nA sharing violation occurred. "_s);
    EXPECT_EQ(OpenErrorText(42), u"Can't open link:\n\nUnknown Error (42) occurred."_s);
}

// The desktop opens nothing here (no programs on the PATH) but $BROWSER may. A caption that is an
// address opens on a click or Space; a link that opens on the press and that nothing can open
// says why.
TEST(HyperLinkTest, OpensOnClickOrSpaceOrSaysWhyNot)
{
    test::ScopedEnv env("PATH", QFile::encodeName(QDir::tempPath() + u"/orvane-no-programs"_s));
    env.set("BROWSER", "/bin/true");
    test::MessageRecorder messages;
    QWidget window;
    auto *link = new CHyperLink(&window);
    link->setGeometry(20, 20, 250, 30);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *pressed = new CHyperLink(&window);
    pressed->setGeometry(20, 60, 250, 30);
    pressed->setAlignment(Qt::AlignRight | Qt::AlignTop);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const QString target = u"https://orvane.example.org/?q=1&r=$HOME"_s;
    link->setText(target);
    link->Attach();
    EXPECT_EQ(link->geometry(), QRect(QPoint(20, 20), QFontMetrics(link->font()).size(Qt::TextSingleLine, target)));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(link->IsVisited());
    env.set("BROWSER", "/nonexistent/browser");
    QTest::keyClick(link, Qt::Key_A);
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(messages.texts, QStringList{OpenErrorText(LinkResult::kFileNotFound)}) << "Space opens it";

    pressed->SetLinkTarget(u"orvane-none://nowhere"_s);
    pressed->Attach();
    EXPECT_EQ(pressed->text(), u"orvane-none://nowhere"_s) << "an empty caption shows the target";
    EXPECT_EQ(pressed->geometry().right(), 20 + 250 - 1) << "right-aligned keeps its right edge";
    EXPECT_FALSE(pressed->ChangeStyle(LinkStyle::OnPress, LinkStyle::OnPress, true));
    EXPECT_TRUE(pressed->ChangeStyle(LinkStyle::Underline, LinkStyle::HoverColour | LinkStyle::OnPress, true));
    QTest::mouseMove(pressed, QPoint(3, 3));
    EXPECT_EQ(pressed->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::mouseMove(link, QPoint(3, 3));
    EXPECT_EQ(pressed->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    env.unset("BROWSER");
    QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(messages.texts.value(1), OpenErrorText(LinkResult::kNoAssociation)) << "on the press";
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(messages.texts.size(), 2);
    EXPECT_FALSE(pressed->IsVisited());
}

} // namespace
} // namespace orvane
