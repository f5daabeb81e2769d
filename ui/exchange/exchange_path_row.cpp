#include "ui/exchange/exchange_path_row.h"

#include "res/resource_ids.h"
#include "ui/controls/tool_tip_button.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>

namespace orvane {

namespace {

constexpr QSize kBrowseSize(21, 21);

} // namespace

CExchangePathRow::CExchangePathRow(Mode mode, QWidget *parent)
    : QWidget(parent),
      m_mode(mode),
      m_edit(new QLineEdit(this)),
      m_browse(new CToolTipButton(res::IDB_BROWSE, res::IDB_BROWSE, kBrowseSize, this))
{
    m_edit->setObjectName(QString::number(IDC_PATH));
    m_browse->setObjectName(QString::number(IDC_BROWSE));
    // The caption is not drawn: it is the button's tooltip (on both pages, as it always was).
    m_browse->setText(tr("Указать файл для экспорта"));
    connect(m_browse, &QAbstractButton::clicked, this, &CExchangePathRow::OnBrowse);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    layout->addWidget(m_browse);
    SetActive(false);
}

QString CExchangePathRow::Path() const
{
    return m_edit->text();
}

void CExchangePathRow::SetActive(bool active)
{
    m_edit->setEnabled(active);
    m_browse->setEnabled(active);
}

void CExchangePathRow::OnBrowse()
{
    QFileDialog dialog(window());
    dialog.setAcceptMode(m_mode == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(m_mode == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    dialog.setNameFilter(QStringLiteral("XML file (*.xml)"));
    dialog.selectFile(QStringLiteral("orvane.xml"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_edit->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    Q_EMIT pathChosen();
}

} // namespace orvane
