#include "look.h"
#include "store/message.h"
#include "test_env.h"
#include "ui/controls/hyper_link.h"
#include "ui/controls/link_opener.h"
#include "ui/main/qt_print.h"
#include "widget_grab.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

TEST(LinkColourTest, HoverOnlyWithItsStyleThenActiveThenVisited)
{
    const quint32 plain = LinkStyle::Default;
    EXPECT_EQ(LinkTextColour(plain, true, false, false), QColor(0, 0, 255)) << "no hover colour";
    EXPECT_EQ(LinkTextColour(plain | LinkStyle::HoverColour, true, true, true), QColor(255, 0, 0));
    EXPECT_EQ(LinkTextColour(plain | LinkStyle::NoActiveColour, false, true, true),
              QColor(128, 0, 128));
}

TEST(FitLinkRectTest, KeepsTheEdgeItsAlignmentNames)
{
    const QRect window(10, 20, 100, 30);
    const QSize border(2, 2);
    const QSize text(41, 14);
    EXPECT_EQ(FitLinkRect(window, border, text, Qt::AlignLeft | Qt::AlignTop),
              QRect(10, 20, 43, 16));
    EXPECT_EQ(FitLinkRect(window, border, text, Qt::AlignRight | Qt::AlignTop),
              QRect(69, 20, 43, 16)) << "the right edge stays";
    EXPECT_EQ(FitLinkRect(window, border, text, Qt::AlignHCenter | Qt::AlignVCenter),
              QRect(39, 28, 44, 16)) << "narrowed and lowered equally on both sides";
}

TEST(BrowserArgumentsTest, CutsAtThePlaceholderAndKeepsTheTargetWhole)
{
    const QString target = u"https://orvane.example.org/a b\"c"_s;
    EXPECT_EQ(BrowserArguments(u"/usr/bin/web browser \"%s\" --new-window"_s, target),
              (QStringList{u"/usr/bin/web"_s, u"browser"_s, target}));
    EXPECT_EQ(BrowserArguments(u"\"/opt/my browser/run\" --private %s"_s, target),
              (QStringList{u"/opt/my browser/run"_s, u"--private"_s, target}));
    EXPECT_EQ(BrowserArguments(u"w3m"_s, target), (QStringList{u"w3m"_s, target}));
    EXPECT_EQ(BrowserArguments(u"  "_s, target), QStringList());
    const QString huge = u"https://orvane.example.org/"_s + QString(8000, u'x');
    EXPECT_EQ(BrowserArguments(u"w3m %s"_s, huge).last(), huge) << "no fixed buffer to outgrow";
}

TEST(OpenErrorTextTest, KnownCodesHaveTheirTextOthersTheirNumber)
{
    EXPECT_EQ(OpenErrorText(2), u"Can't open link:\n\nThe specified file was not found."_s);
    EXPECT_EQ(OpenErrorText(26), u"Can't open link:\n\nA sharing violation occurred. "_s);
    EXPECT_EQ(OpenErrorText(31), u"Can't open link:\n\nThere is no application associated\n"
                                 u"with the given filename extension."_s);
    EXPECT_EQ(OpenErrorText(42), u"Can't open link:\n\nUnknown Error (42) occurred."_s);
}

// A browser that writes its arguments, one a line, into a file.
class FakeBrowser {
public:
    FakeBrowser()
    {
        m_script = m_dir.filePath(u"browser"_s);
        test::writeFile(m_script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        QFile::setPermissions(m_script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Command() const { return u"\""_s + m_script + u"\" --new \"%s\" --more"_s; }
    QStringList Arguments() const
    {
        const QString file = m_script + u".args"_s;
        QDeadlineTimer deadline(10000);
        while (test::readFile(file).isEmpty() && !deadline.hasExpired())
            QTest::qWait(20);
        return QString::fromUtf8(test::readFile(m_script + u".args"_s)).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
    QString m_script;
};

TEST(OpenTargetTest, FallsBackToTheBrowserWhenTheDesktopCannotOpen)
{
    const QString target = u"https://orvane.example.org/?q=1&r=$HOME"_s;
    QUrl asked;
    const UrlOpener refuses = [&asked](const QUrl &url) {
        asked = url;
        return false;
    };
    FakeBrowser browser;
    EXPECT_EQ(OpenTarget(target, refuses, browser.Command() + u":other"_s), LinkResult::kOpened);
    EXPECT_EQ(asked, QUrl(target));
    EXPECT_EQ(browser.Arguments(), (QStringList{u"--new"_s, target}));

    EXPECT_EQ(OpenTarget(target, refuses, QString()), LinkResult::kNoAssociation);
    EXPECT_EQ(OpenTarget(target, refuses, u"/nonexistent/browser"_s), LinkResult::kFileNotFound);
    EXPECT_EQ(OpenTarget(target, [](const QUrl &) { return true; }, QString()), LinkResult::kOpened);
}

// Catches the URLs the desktop is asked to open, for one scheme.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const QString &scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(scheme, this, "Catch");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(m_scheme); }
    QList<QUrl> urls;

public Q_SLOTS:
    void Catch(const QUrl &url) { urls << url; }

private:
    QString m_scheme;
};

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(300, 100);
        m_link = new CHyperLink(&m_window);
        m_other = new QWidget(&m_window);
        m_other->setFocusPolicy(Qt::StrongFocus);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    void Place(const QString &text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
    {
        m_link->setText(text);
        m_link->setAlignment(alignment);
        m_link->setGeometry(20, 20, 250, 30);
    }
    QColor TextColour() const { return m_link->palette().color(QPalette::WindowText); }

    QWidget m_window;
    CHyperLink *m_link = nullptr;
    QWidget *m_other = nullptr;
};

TEST_F(HyperLinkTest, ACaptionThatIsAnAddressIsTheTargetAndTheTooltip)
{
    Place(u"https://orvane.example.org/"_s);
    m_link->Attach();
    EXPECT_EQ(m_link->GetLinkTarget(), u"https://orvane.example.org/"_s);
    EXPECT_EQ(m_link->toolTip(), m_link->GetLinkTarget());
    EXPECT_TRUE(m_link->font().underline());
    EXPECT_EQ(TextColour(), QColor(0, 0, 255));
    EXPECT_EQ(m_link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(m_link->geometry().topLeft(), QPoint(20, 20));
    EXPECT_EQ(m_link->size(), QFontMetrics(m_link->font()).size(Qt::TextSingleLine, m_link->text()))
        << "fitted to the text";

    UrlCatcher catcher(u"https"_s);
    QTest::mouseClick(m_link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(catcher.urls, (QList<QUrl>{QUrl(u"https://orvane.example.org/"_s)}));
    EXPECT_TRUE(m_link->hasFocus());
    EXPECT_EQ(TextColour(), QColor(0, 128, 128)) << "active while focused";
    m_other->setFocus();
    EXPECT_EQ(TextColour(), QColor(128, 0, 128)) << "visited once opened";
    test::SaveForLook(test::Grab(m_window), u"hyper_link_visited"_s);

    m_link->setFocus();
    QTest::keyClick(m_link, Qt::Key_Space);
    EXPECT_EQ(catcher.urls.size(), 2);
}

TEST_F(HyperLinkTest, AnEmptyCaptionShowsTheTargetSetBeforeAttaching)
{
    Place(QString(), Qt::AlignRight | Qt::AlignTop);
    m_link->SetLinkTarget(u"mailto:orvane@example.org"_s);
    m_link->Attach();
    EXPECT_EQ(m_link->text(), u"mailto:orvane@example.org"_s);
    EXPECT_EQ(m_link->geometry().right(), 20 + 250 - 1) << "right-aligned keeps its right edge";
}

TEST_F(HyperLinkTest, WithItsStylesItRedrawsOnHoverAndOpensOnThePress)
{
    Place(u"orvane-none://nowhere"_s);
    m_link->Attach();
    EXPECT_FALSE(m_link->ChangeStyle(LinkStyle::OnPress, LinkStyle::OnPress, true));
    EXPECT_TRUE(m_link->ChangeStyle(LinkStyle::Underline, LinkStyle::HoverColour | LinkStyle::OnPress, true));
    EXPECT_FALSE(m_link->font().underline());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(m_link, &enter);
    EXPECT_EQ(TextColour(), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_link, &leave);
    EXPECT_EQ(TextColour(), QColor(0, 0, 255));

    // Nothing can open this target: a beep, the reason, and the link stays unvisited.
    test::ScopedEnv env;
    env.set("PATH", QFile::encodeName(QDir::tempPath() + u"/orvane-no-programs"_s));
    env.unset("BROWSER");
    env.unset("ORVANE_AUTO_ANSWER");
    QStringList messages;
    SetMessagePresenter([&messages](const QString &text, MessageButtons) {
        messages << text;
        return MessageAnswer::Ok;
    });
    QTest::mousePress(m_link, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(messages.size(), 1) << "opens on the press";
    EXPECT_TRUE(messages[0].startsWith(u"Can't open link:\n\n"_s));
    QTest::mouseRelease(m_link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(messages.size(), 1);
    EXPECT_FALSE(m_link->IsVisited());
    SetMessagePresenter({});
}

} // namespace
} // namespace orvane

#include "hyper_link_test.moc"
