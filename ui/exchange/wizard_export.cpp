#include "ui/exchange/wizard_export.h"

#include "store/user.h"
#include "ui/exchange/event_check_tree.h"
#include "ui/exchange/wizard_page_layout.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane {

CWizardExport::CWizardExport(CUser &user, QWidget *parent)
    : QWizardPage(parent),
      m_tree(new CEventCheckTree(this)),
      m_radioAll(new QRadioButton(tr("Все "), this)),
      m_radioChosen(new QRadioButton(tr("Выборочно"), this))
{
    m_tree->setObjectName(QString::number(IDC_TREE));
    m_radioAll->setObjectName(QString::number(IDC_ALL));
    m_radioChosen->setObjectName(QString::number(IDC_CHOSEN));

    std::vector<CEventRecord *> events;
    for (int index = 0; index < kDaySlots; ++index) {
        for (CEventRecord &event : user.Slot(index)) {
            event.Selected = 0;
            events.push_back(&event);
        }
    }
    m_tree->Fill(events, false);
    m_nCount = static_cast<int>(events.size());
    m_nChoice = 0;
    m_radioAll->setChecked(true);

    QVBoxLayout *layout = StartWizardPage(this, tr(
        "Мастер экспорта событий позволяет выгрузить информацию о событиях.\n"
        "Укажите те события, которые вы желаете экспортировать :"));
    layout->addWidget(m_radioAll);
    layout->addWidget(m_radioChosen);
    layout->addWidget(m_tree, 1);

    connect(m_radioAll, &QAbstractButton::clicked, this, &CWizardExport::OnNextUpdate);
    connect(m_radioChosen, &QAbstractButton::clicked, this, &CWizardExport::OnNextUpdate);
    connect(m_tree, &CEventCheckTree::checksChanged, this, &CWizardExport::OnNextUpdate);
    OnNextUpdate();
}

bool CWizardExport::isComplete() const
{
    return m_bNext;
}

void CWizardExport::OnNextUpdate()
{
    m_nChoice = m_radioChosen->isChecked() ? 1 : 0;
    m_tree->setEnabled(m_nChoice == 1);
    const bool next = m_nChoice == 1 ? m_tree->AnyChecked() : m_nCount > 0;
    if (next != m_bNext) {
        m_bNext = next;
        Q_EMIT completeChanged();
    }
}

bool CWizardExport::validatePage()
{
    m_tree->ForEachRecord([this](CEventRecord &event, bool checked) {
        event.Selected = checked || m_nChoice == 0 ? 1 : 0;
    });
    return true;
}

} // namespace orvane
