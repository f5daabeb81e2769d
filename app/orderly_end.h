#pragma once

#include "app/termination_signals.h"

#include <QObject>
#include <QPointer>

class QApplication;
class QDialog;
class QWidget;

namespace orvane {

// Ends the program in order when it is asked to stop (SIGTERM, SIGINT) or the desktop session
// ends, whatever window is open: open menus and every modal dialog above the main window are
// closed first, innermost first, as Cancel closes them (what they have not committed is
// dropped), then the main window's run ends for real (its close button and Esc only minimise
// it). Dialogs that open while the program winds down are closed the same way. The caller then
// saves the calendar.
class OrderlyEnd : public QObject {
public:
    explicit OrderlyEnd(QApplication &application);

    // The main window, once it exists.
    void Watch(QDialog *window) { m_window = window; }
    bool Requested() const { return m_requested; }
    // What a stop request does.
    void Request();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CloseOpenWindows();

    TerminationSignals m_signals;
    QPointer<QDialog> m_window;
    bool m_requested = false;
};

// Closes a modal window as its Cancel would: a dialog is sent Esc (a message box then takes
// its escape button), and one that stays open is rejected; any other window is closed.
void CancelWindow(QWidget *window);

} // namespace orvane
