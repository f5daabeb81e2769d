#pragma once

#include <QWizardPage>

class QCheckBox;

namespace orvane {

class CExchangePathRow;
class CUser;

// Export, step 2: to the clipboard, to a file, or both; Finish exports the marked events.
class CWizardExportLast : public QWizardPage {
    Q_OBJECT
public:
    static constexpr int IDC_CLIPBOARD = 1071;
    static constexpr int IDC_FILE = 1072;

    explicit CWizardExportLast(const CUser &user, QWidget *parent = nullptr);

    // Exports as the boxes say; the wizard closes whatever the export reports.
    bool validatePage() override;

private:
    // The boxes' states are taken into the page only when the file box is clicked and at Finish;
    // choosing a file puts the states last taken back into the boxes.
    void ReadChoices();
    void PutChoices();
    void OnFileClicked();

    const CUser &m_user;
    QCheckBox *m_checkClipboard;
    QCheckBox *m_checkFile;
    CExchangePathRow *m_path;
    bool m_bClipboard = false;
    bool m_bFile = false;
};

} // namespace orvane
