#pragma once

#include "exchange/imported_event.h"

#include <QWizardPage>

namespace orvane {

class CEventCheckTree;

// Import, step 2: the events read, all checked each time the page is shown; Finish marks the
// checked ones to be added.
class CWizardImportLast : public QWizardPage {
    Q_OBJECT
public:
    static constexpr int IDC_TREE = 1070;

    explicit CWizardImportLast(CImportList &list, QWidget *parent = nullptr);

    void initializePage() override;
    bool validatePage() override;

private:
    CImportList &m_list;
    CEventCheckTree *m_tree;
};

} // namespace orvane
