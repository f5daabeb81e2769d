#pragma once

#include <QString>

class QVBoxLayout;
class QWizardPage;

namespace orvane {

// Gives a wizard page its size and its explanation at the top; the page adds its controls to
// the returned layout below it.
QVBoxLayout *StartWizardPage(QWizardPage *page, const QString &explanation);

} // namespace orvane
