#include "test_env.h"
#include "ui/controls/hyper_link.h"
#include "ui/controls/link_opener.h"
#include "ui/main/qt_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

TEST(LinkLook, ColourAndTheEdgeItsAlignmentKeeps)
{
    EXPECT_EQ(LinkTextColour(LinkStyle::Default, true, false, false), QColor(0, 0, 255)) << "no hover colour";
    EXPECT_EQ(LinkTextColour(LinkStyle::HoverColour, true, true, true), QColor(255, 0, 0));
    EXPECT_EQ(LinkTextColour(LinkStyle::NoActiveColour, false, true, true), QColor(128, 0, 128));
    EXPECT_EQ(FitLinkRect({10, 20, 100, 30}, {2, 2}, {41, 14}, Qt::AlignCenter), QRect(39, 28, 44, 16))
        << "centred: narrowed and lowered equally on both sides";
}

TEST(LinkOpener, BrowserCommandsAreCutAtThePlaceholderAndErrorsNamed)
{
    const QString target = u"https://orvane.example.org/a b\"c"_s;
    EXPECT_EQ(BrowserArguments(u"\"/opt/my browser/run\" --private %s"_s, target),
              (QStringList{u"/opt/my browser/run"_s, u"--private"_s, target}));
    EXPECT_EQ(BrowserArguments(u"w3m"_s, target), (QStringList{u"w3m"_s, target}));
    EXPECT_EQ(BrowserArguments(u"  "_s, target), QStringList());
    EXPECT_EQ(OpenErrorText(26), u"Can't open link:\n\nA sharing violation occurred. "_s);
    EXPECT_EQ(OpenErrorText(42), u"Can't open link:\n\nUnknown Error (42) occurred."_s);
}

// A link where the desktop opens nothing (no programs on the PATH) and $BROWSER is a script that
// writes its arguments, one a line, into <script>.args.
class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && /bin/mv \"$0.tmp\" \"$0.args\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        env.set("PATH", QFile::encodeName(QDir::tempPath() + u"/orvane-no-programs"_s));
        env.set("BROWSER", QFile::encodeName(u"\""_s + script + u"\" --new \"%s\" --more:other"_s));
        other->setFocusPolicy(Qt::StrongFocus);
        window.resize(300, 100);
        link->setGeometry(20, 20, 250, 30);
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QColor TextColour() const { return link->palette().color(QPalette::WindowText); }
    // The arguments the browser was started with, once it has written them.
    QStringList BrowserArguments()
    {
        const QString file = script + u".args"_s;
        if (!QTest::qWaitFor([&] { return QFile::exists(file); }, 10000))
            return {};
        const QStringList arguments = QString::fromUtf8(test::readFile(file)).split(u'\n', Qt::SkipEmptyParts);
        QFile::remove(file);
        return arguments;
    }

    QTemporaryDir dir;
    QString script = dir.filePath(u"browser"_s);
    test::ScopedEnv env;
    test::MessageRecorder messages;
    QWidget window;
    CHyperLink *link = new CHyperLink(&window);
    QWidget *other = new QWidget(&window);
};

TEST_F(HyperLinkTest, ACaptionThatIsAnAddressOpensInTheBrowserOnClickOrSpace)
{
    const QString target = u"https://orvane.example.org/?q=1&r=$HOME"_s;
    link->setText(target);
    link->Attach();
    EXPECT_EQ(link->GetLinkTarget(), target);
    EXPECT_EQ(link->toolTip(), target);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(TextColour(), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link->geometry(), QRect(QPoint(20, 20), QFontMetrics(link->font()).size(Qt::TextSingleLine, target)));

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(BrowserArguments(), (QStringList{u"--new"_s, target}));
    EXPECT_EQ(TextColour(), QColor(0, 128, 128)) << "active while focused";
    other->setFocus();
    EXPECT_EQ(TextColour(), QColor(128, 0, 128)) << "visited once opened";
    link->setFocus();
    QTest::keyClick(link, Qt::Key_A);
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(BrowserArguments(), (QStringList{u"--new"_s, target}));
    EXPECT_TRUE(messages.texts.isEmpty());
}

// Nothing can open the target: a beep, the reason, and the link stays unvisited.
TEST_F(HyperLinkTest, WithItsStylesItRedrawsOnHoverAndOpensOnThePressOrSaysWhyNot)
{
    link->setAlignment(Qt::AlignRight | Qt::AlignTop);
    link->SetLinkTarget(u"orvane-none://nowhere"_s);
    link->Attach();
    EXPECT_EQ(link->text(), u"orvane-none://nowhere"_s) << "an empty caption shows the target";
    EXPECT_EQ(link->geometry().right(), 20 + 250 - 1) << "right-aligned keeps its right edge";
    EXPECT_FALSE(link->ChangeStyle(LinkStyle::OnPress, LinkStyle::OnPress, true));
    EXPECT_TRUE(link->ChangeStyle(LinkStyle::Underline, LinkStyle::HoverColour | LinkStyle::OnPress, true));
    EXPECT_FALSE(link->font().underline());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(link, &enter);
    EXPECT_EQ(TextColour(), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    EXPECT_EQ(TextColour(), QColor(0, 0, 255));

    env.set("BROWSER", "/nonexistent/browser");
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(messages.texts, QStringList{u"Can't open link:\n\nThe specified file was not found."_s}) << "on the press";
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(3, 3));
    env.unset("BROWSER");
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(messages.texts.value(1), u"Can't open link:\n\nThere is no application associated\nwith the given filename extension."_s);
    EXPECT_FALSE(link->IsVisited());
}

} // namespace
} // namespace orvane
