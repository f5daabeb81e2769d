#include "app/orderly_end.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

namespace orvane {

namespace {

// More windows than this are not open at once; the bound keeps a window that refuses to close
// from holding the end up.
constexpr int kMostOpenWindows = 64;

} // namespace

OrderlyEnd::OrderlyEnd(QApplication &application)
{
    connect(&m_signals, &TerminationSignals::terminationRequested, this, &OrderlyEnd::Request);
#ifndef QT_NO_SESSIONMANAGER
    connect(&application, &QGuiApplication::commitDataRequest, this, &OrderlyEnd::Request);
#else
    Q_UNUSED(application);
#endif
}

void OrderlyEnd::Request()
{
    if (!m_requested)
        qApp->installEventFilter(this);
    m_requested = true;
    CloseOpenWindows();
    if (m_window)
        m_window->done(QDialog::Accepted);
}

void OrderlyEnd::CloseOpenWindows()
{
    for (int i = 0; i < kMostOpenWindows; ++i) {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
            continue;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_window)
            return;
        CancelWindow(modal);
        if (modal->isVisible())
            modal->hide(); // it refused: at least it no longer holds the others
    }
}

bool OrderlyEnd::eventFilter(QObject *watched, QEvent *event)
{
    // A dialog opened on the way out, by the code that a closed dialog returned to.
    if (event->type() == QEvent::Show && watched != m_window) {
        if (auto *dialog = qobject_cast<QDialog *>(watched); dialog && dialog->isModal())
            QTimer::singleShot(0, dialog, [dialog] { CancelWindow(dialog); });
    }
    return QObject::eventFilter(watched, event);
}

void CancelWindow(QWidget *window)
{
    auto *dialog = qobject_cast<QDialog *>(window);
    if (!dialog) {
        window->close();
        return;
    }
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &escape);
    if (dialog->isVisible())
        dialog->reject();
}

} // namespace orvane
