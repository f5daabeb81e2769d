#pragma once

#include <QLocalServer>
#include <QObject>

namespace orvane {

// The running calendar's door for later starts: a local socket beside the instance lock. A later
// start asks through it that the calendar be shown, so that a user who lost the window gets it
// back by starting the program again.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // Called by the instance that holds the lock; a socket left by a holder that died is replaced.
    void Listen();
    // Called by a later start: asks the running instance to show its window; true once it has
    // answered.
    static bool AskToShow();

Q_SIGNALS:
    void showRequested();

private:
    void OnConnection();

    QLocalServer m_server;
};

} // namespace orvane
