#include "qt_print.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/hyper_link.h"
#include "ui/main/about_dlg.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane {
namespace {

TEST(AboutDlgTest, ShowsThePictureTheVersionAndTheTwoLinks)
{
    CAboutDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage picture = LoadPicture(res::IDB_ABOUT_PICTURE).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shot.copy(15, 10, 64, 77), picture);
    EXPECT_TRUE(dialog.findChild<QLabel *>(QString::number(CAboutDlg::IDC_VERSION))->text().endsWith(u"1, 9, 2, 0"_s));
    EXPECT_EQ(dialog.WebLink().GetLinkTarget(), CAboutDlg::kWebAddress);
    EXPECT_EQ(dialog.MailLink().GetLinkTarget(), u"mailto:"_s + CAboutDlg::kMailAddress);
}

} // namespace
} // namespace orvane
