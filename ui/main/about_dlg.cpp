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

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("О программе"));
    const CDialogUnits units(font());
    setFixedSize(units.Size(200, 74));

    auto *picture = new QLabel(this);
    picture->setObjectName(QString::number(IDC_PICTURE));
    picture->setPixmap(LoadPicture(res::IDB_ABOUT_PICTURE, devicePixelRatioF()));
    picture->setGeometry(15, 10, 64, 77);

    QLabel *name = AddText(this, QStringLiteral("Календарь Orvane"), units.Rect(62, 8, 132, 10));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    AddText(this, QStringLiteral("Версия ") + QStringLiteral(ORVANE_VERSION_TEXT),
            units.Rect(62, 20, 132, 10))
        ->setObjectName(QString::number(IDC_VERSION));

    m_pWebLink = new CHyperLink(this);
    m_pWebLink->setObjectName(QString::number(IDC_WEB_LINK));
    m_pWebLink->setText(kWebAddress);
    m_pWebLink->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pWebLink->setGeometry(units.Rect(62, 34, 132, 10));
    m_pWebLink->Attach();

    m_pMailLink = new CHyperLink(this);
    m_pMailLink->setObjectName(QString::number(IDC_MAIL_LINK));
    m_pMailLink->setText(kMailAddress);
    m_pMailLink->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pMailLink->setGeometry(units.Rect(62, 46, 132, 10));
    m_pMailLink->Attach();
    m_pMailLink->SetLinkTarget(QStringLiteral("mailto:") + kMailAddress);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDC_OK));
    ok->setGeometry(units.Rect(144, 56, 50, 14));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace orvane
