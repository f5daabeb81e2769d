#pragma once

#include <QWizardPage>

class QRadioButton;

namespace orvane {

class CEventCheckTree;
class CUser;

// Export, step 1: all events, or the ones checked in the list. Next is available while there
// is something to export.
class CWizardExport : public QWizardPage {
    Q_OBJECT
public:
    static constexpr int IDC_ALL = 1068;
    static constexpr int IDC_CHOSEN = 1069;
    static constexpr int IDC_TREE = 1070;

    // Lists every event of the user, unchecked, and clears its Selected byte.
    explicit CWizardExport(CUser &user, QWidget *parent = nullptr);

    bool isComplete() const override;
    // Marks the events to export: every one with "Все ", the checked ones otherwise.
    bool validatePage() override;

private:
    void OnNextUpdate();

    CEventCheckTree *m_tree;
    QRadioButton *m_radioAll;
    QRadioButton *m_radioChosen;
    int m_nChoice = -1; // 0 all, 1 chosen
    int m_nCount = 0;
    bool m_bNext = false;
};

} // namespace orvane
