#include "ui/main/about_dlg.h"

#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/dialog_units.h"
#include "ui/controls/hyper_link.h"

#include <QLabel>
#include <QPushButton>

namespace orvane {

namespace {

QLabel *AddText(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// A link whose target is its caption until it is given another.
CHyperLink *AddLink(QWidget *parent, const QString &caption, int id, const QRect &geometry)
{
    auto *link = new CHyperLink(parent);
    link->setObjectName(QString::number(id));
    link->setText(caption);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setGeometry(geometry);
    link->Attach();
    return link;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("О программе"));
    const CDialogUnits units(font());
    setFixedSize(units.Size(200, 74));

    auto *picture = new QLabel(this);
    picture->setObjectName(QString::number(IDC_PICTURE));
    picture->setPixmap(LoadPicture(res::IDB_ABOUT_PICTURE, devicePixelRatioF()));
    picture->setGeometry(15, 10, 64, 77);

    QLabel *name = AddText(this, tr("Календарь Orvane"), units.Rect(62, 8, 132, 10));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    AddText(this, tr("Версия ") + QStringLiteral(ORVANE_VERSION_TEXT),
            units.Rect(62, 20, 132, 10))
        ->setObjectName(QString::number(IDC_VERSION));

    m_pWebLink = AddLink(this, kWebAddress, IDC_WEB_LINK, units.Rect(62, 34, 132, 10));
    m_pMailLink = AddLink(this, kMailAddress, IDC_MAIL_LINK, units.Rect(62, 46, 132, 10));
    m_pMailLink->SetLinkTarget(QStringLiteral("mailto:") + kMailAddress);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDC_OK));
    ok->setGeometry(units.Rect(144, 56, 50, 14));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace orvane
