#include "ui/exchange/wizard_page_layout.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWizardPage>

namespace orvane {

namespace {

// The pages' size, 275 x 151 dialog units of the system font.
constexpr QSize kPageSize(412, 245);

} // namespace

QVBoxLayout *StartWizardPage(QWizardPage *page, const QString &explanation)
{
    page->setMinimumSize(kPageSize);
    auto *text = new QLabel(explanation, page);
    text->setWordWrap(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addSpacing(6);
    return layout;
}

} // namespace orvane
