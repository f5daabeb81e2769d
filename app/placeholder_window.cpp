#include "app/placeholder_window.h"

#include "app/app_context.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvane {

PlaceholderWindow::PlaceholderWindow(AppContext &context, bool showOnStart, QWidget *parent)
    : QDialog(parent), m_bShowOnStart(showOnStart)
{
    setWindowTitle(QStringLiteral("Календарь"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Календарь"), this));
    setStyleSheet(context.bPalette256 ? QStringLiteral("background: white")
                                      : QStringLiteral("background: #ffffcc"));
    resize(320, 200);
}

void PlaceholderWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_bShowOnStart)
        setWindowState(windowState() | Qt::WindowMinimized);
}

} // namespace orvane
