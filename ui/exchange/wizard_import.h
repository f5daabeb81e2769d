#pragma once

#include "exchange/imported_event.h"

#include <QWizardPage>

class QRadioButton;

namespace orvane {

struct ImportRead;
class CExchangePathRow;

// Import, step 1: from the clipboard or from a file. Next reads the document and appends its
// events to the import list, and the entries of an iCalendar or vCard file it does not take
// to `read` (again on every Next); a failed read keeps the wizard here.
class CWizardImport : public QWizardPage {
    Q_OBJECT
public:
    static constexpr int IDC_CLIPBOARD = 1068;
    static constexpr int IDC_FILE = 1069;

    CWizardImport(CImportList &list, ImportRead &read, QWidget *parent = nullptr);

    bool validatePage() override;

private:
    void ReadChoice();
    void PutChoice();
    void OnSourceClicked();

    CImportList &m_list;
    ImportRead &m_read;
    QRadioButton *m_radioClipboard;
    QRadioButton *m_radioFile;
    CExchangePathRow *m_path;
    int m_nChoice = -1; // 0 clipboard, 1 file
};

} // namespace orvane
