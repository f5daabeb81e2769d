#include "ui/exchange/exchange_path_row.h"

#include "res/resource_ids.h"
#include "ui/controls/tool_tip_button.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>

namespace orvane {

namespace {

constexpr QSize kBrowseSize(21, 21);

// The kinds of file the dialog offers, each "<description> (*.<suffix>)", the exchange document
// first; one more can be opened than written.
QStringList FileFilters(CExchangePathRow::Mode mode)
{
    QStringList filters{QStringLiteral("XML file (*.xml)"), QStringLiteral("iCalendar (*.ics)")};
    if (mode == CExchangePathRow::Mode::Open)
        filters << QStringLiteral("vCard (*.vcf)");
    return filters;
}

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
    m_browse->setAccessibleName(mode == Mode::Save ? m_browse->text() : tr("Указать файл для импорта"));
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

void CExchangePathRow::SetFieldName(const QString &name)
{
    m_edit->setAccessibleName(name);
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
    dialog.setNameFilters(FileFilters(m_mode));
    dialog.selectFile(QStringLiteral("orvane.xml"));
    // The chosen kind of file gives the suffix a bare name gets (the dialog itself changes the
    // suffix of the name in the field).
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter.section(u'.', -1).chopped(1));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_edit->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    Q_EMIT pathChosen();
}

} // namespace orvane
