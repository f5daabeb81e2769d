#pragma once

#include "exchange/imported_event.h"

#include <QWizard>

#include <functional>
#include <memory>

namespace orvane {

class CDataFile;
class CUser;
struct ImportRead;

// A two-step exchange wizard: an empty caption, the title line showing the current page's title.
class CExchangeWizard : public QWizard {
    Q_OBJECT
public:
    explicit CExchangeWizard(QWidget *parent = nullptr);

    void AddPage(QWizardPage *page, const QString &title);

private:
    QStringList m_titles;
};

// The two wizards, not yet run: export, step 1 and 2 (pages 0 and 1), and import, steps 1 and 2
// reading into `list` and `read`.
std::unique_ptr<CExchangeWizard> NewExportWizard(CUser &user, QWidget *parent);
std::unique_ptr<CExchangeWizard> NewImportWizard(CImportList &list, ImportRead &read, QWidget *parent);

// The export wizard, modal over `parent`; the export itself happens at its Finish.
void RunExportWizard(CUser &user, QWidget *parent);

// The import wizard, modal over `parent`. After Finish the events left checked are merged into
// the calendar (birthdays from vCards in its first category), which is saved at once when
// anything was added, `redraw` shows the months with them, and one message tells what was added
// and what was not, the file's entries that were not read as events included. Cancel changes nothing.
void RunImportWizard(CDataFile &document, QWidget *parent, const std::function<void()> &redraw);

} // namespace orvane
