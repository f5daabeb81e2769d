#include "ui/exchange/wizard_import.h"

#include "exchange/import_file.h"
#include "ui/exchange/exchange_path_row.h"
#include "ui/exchange/exchange_transfer.h"
#include "ui/exchange/wizard_page_layout.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane {

CWizardImport::CWizardImport(CImportList &list, ImportRead &read, QWidget *parent)
    : QWizardPage(parent),
      m_list(list),
      m_read(read),
      m_radioClipboard(new QRadioButton(tr("Импортировать из буфера обмена."), this)),
      m_radioFile(new QRadioButton(tr("Импортировать из файла:"), this)),
      m_path(new CExchangePathRow(CExchangePathRow::Mode::Open, this))
{
    m_radioClipboard->setObjectName(QString::number(IDC_CLIPBOARD));
    m_radioFile->setObjectName(QString::number(IDC_FILE));
    m_nChoice = 0;
    PutChoice();

    QVBoxLayout *layout = StartWizardPage(this, tr(
        "Мастер импорта позволит вам добавить события из календарей ваших коллег или друзей. "
        "Выберите сбособ импорта."));
    layout->addWidget(m_radioClipboard);
    layout->addWidget(m_radioFile);
    m_path->SetFieldName(m_radioFile->text());
    layout->addWidget(m_path);
    layout->addStretch();

    connect(m_radioClipboard, &QAbstractButton::clicked, this, &CWizardImport::OnSourceClicked);
    connect(m_radioFile, &QAbstractButton::clicked, this, &CWizardImport::OnSourceClicked);
    connect(m_path, &CExchangePathRow::pathChosen, this, &CWizardImport::PutChoice);
}

void CWizardImport::ReadChoice()
{
    m_nChoice = m_radioFile->isChecked() ? 1 : 0;
}

void CWizardImport::PutChoice()
{
    (m_nChoice == 1 ? m_radioFile : m_radioClipboard)->setChecked(true);
}

void CWizardImport::OnSourceClicked()
{
    ReadChoice();
    m_path->SetActive(m_nChoice == 1);
}

bool CWizardImport::validatePage()
{
    ReadChoice();
    if (m_nChoice == 1)
        return ImportEvents(ExchangeTarget::File, m_list, m_path->Path(), m_read) == 1;
    return ImportEvents(ExchangeTarget::Clipboard, m_list, QString(), m_read) == 1;
}

} // namespace orvane
