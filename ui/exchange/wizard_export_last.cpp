#include "ui/exchange/wizard_export_last.h"

#include "ui/exchange/exchange_path_row.h"
#include "ui/exchange/exchange_transfer.h"
#include "ui/exchange/wizard_page_layout.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace orvane {

CWizardExportLast::CWizardExportLast(const CUser &user, QWidget *parent)
    : QWizardPage(parent),
      m_user(user),
      m_checkClipboard(new QCheckBox(tr("Сохранить в буфере обмена."), this)),
      m_checkFile(new QCheckBox(tr("Сохранить в файле :"), this)),
      m_path(new CExchangePathRow(CExchangePathRow::Mode::Save, this))
{
    m_checkClipboard->setObjectName(QString::number(IDC_CLIPBOARD));
    m_checkFile->setObjectName(QString::number(IDC_FILE));
    m_bClipboard = true;
    PutChoices();

    QVBoxLayout *layout = StartWizardPage(this, tr(
        "Если вы хотите переслать информацию о событиях коллегам или друзьям по e-mail или icq, "
        "то экспортируйте ее в буфер объектов, для передачи другим способом выберите опцию "
        "\"сохранить в файле\"."));
    layout->addWidget(m_checkClipboard);
    layout->addWidget(m_checkFile);
    m_path->SetFieldName(m_checkFile->text());
    layout->addWidget(m_path);
    layout->addStretch();

    connect(m_checkFile, &QAbstractButton::clicked, this, &CWizardExportLast::OnFileClicked);
    connect(m_path, &CExchangePathRow::pathChosen, this, &CWizardExportLast::PutChoices);
}

void CWizardExportLast::ReadChoices()
{
    m_bClipboard = m_checkClipboard->isChecked();
    m_bFile = m_checkFile->isChecked();
}

void CWizardExportLast::PutChoices()
{
    m_checkClipboard->setChecked(m_bClipboard);
    m_checkFile->setChecked(m_bFile);
}

void CWizardExportLast::OnFileClicked()
{
    ReadChoices();
    m_path->SetActive(m_bFile);
}

bool CWizardExportLast::validatePage()
{
    ReadChoices();
    const QString path = m_path->Path();
    if (m_bClipboard && m_bFile)
        ExportEvents(m_user, ExchangeTarget::ClipboardAndFile, path);
    else if (m_bClipboard)
        ExportEvents(m_user, ExchangeTarget::Clipboard, QString());
    else if (m_bFile)
        ExportEvents(m_user, ExchangeTarget::File, path);
    return true;
}

} // namespace orvane
