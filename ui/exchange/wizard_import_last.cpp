#include "ui/exchange/wizard_import_last.h"

#include "store/event_list.h"
#include "ui/exchange/event_check_tree.h"
#include "ui/exchange/wizard_page_layout.h"

#include <QVBoxLayout>

namespace orvane {

CWizardImportLast::CWizardImportLast(CImportList &list, QWidget *parent)
    : QWizardPage(parent), m_list(list), m_tree(new CEventCheckTree(this))
{
    m_tree->setObjectName(QString::number(IDC_TREE));
    QVBoxLayout *layout = StartWizardPage(this, tr(
        "Укажите только те события, которые необходимо добавить в ваш календарь:"));
    layout->addWidget(m_tree, 1);
}

void CWizardImportLast::initializePage()
{
    std::vector<CEventRecord *> records;
    for (CEventRecord &record : m_list) {
        record.Selected = 1;
        records.push_back(&record);
    }
    m_tree->Fill(records, true);
}

bool CWizardImportLast::validatePage()
{
    m_tree->ForEachRecord([](CEventRecord &record, bool checked) { record.Selected = checked ? 1 : 0; });
    return true;
}

} // namespace orvane
