#include "ui/exchange/exchange_wizards.h"

#include "exchange/import_file.h"
#include "exchange/import_merge.h"
#include "store/data_file.h"
#include "store/message.h"
#include "ui/exchange/wizard_export.h"
#include "ui/exchange/wizard_export_last.h"
#include "ui/exchange/wizard_import.h"
#include "ui/exchange/wizard_import_last.h"

namespace orvane {

CExchangeWizard::CExchangeWizard(QWidget *parent) : QWizard(parent)
{
    setWizardStyle(QWizard::ClassicStyle);
    connect(this, &QWizard::currentIdChanged, this,
            [this](int id) { setWindowTitle(m_titles.value(id)); });
}

void CExchangeWizard::AddPage(QWizardPage *page, const QString &title)
{
    m_titles.append(title);
    setPage(static_cast<int>(m_titles.size()) - 1, page);
}

std::unique_ptr<CExchangeWizard> NewExportWizard(CUser &user, QWidget *parent)
{
    auto wizard = std::make_unique<CExchangeWizard>(parent);
    wizard->AddPage(new CWizardExport(user), CExchangeWizard::tr("Экспорт событий [Шаг 1 из 2]"));
    wizard->AddPage(new CWizardExportLast(user), CExchangeWizard::tr("Экспорт событий [Шаг 2 из 2]"));
    return wizard;
}

std::unique_ptr<CExchangeWizard> NewImportWizard(CImportList &list, ImportRead &read, QWidget *parent)
{
    auto wizard = std::make_unique<CExchangeWizard>(parent);
    wizard->AddPage(new CWizardImport(list, read), CExchangeWizard::tr("Импорт событий [Шаг 1 из 2]"));
    wizard->AddPage(new CWizardImportLast(list), CExchangeWizard::tr("Импорт событий [Шаг 2 из 2]"));
    return wizard;
}

void RunExportWizard(CUser &user, QWidget *parent)
{
    NewExportWizard(user, parent)->exec();
}

void RunImportWizard(CDataFile &document, QWidget *parent, const std::function<void()> &redraw)
{
    CImportList list;
    ImportRead read{document.m_user.GetCategory(0), {}};
    if (NewImportWizard(list, read, parent)->exec() != QDialog::Accepted)
        return;
    MergeReport report = MergeImportedEvents(document.m_user, list);
    report.AddUnread(std::move(read.unread));
    if (report.added > 0)
        document.Save(); // a failure is shown by Save itself
    redraw();
    ShowMessage(MergeReportMessage(report));
}

} // namespace orvane
