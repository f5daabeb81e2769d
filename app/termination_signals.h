#pragma once

#include <QObject>

class QSocketNotifier;

namespace orvane {

// Turns SIGTERM and SIGINT into a Qt signal delivered on the user-interface thread, so that the
// program can end as if its window were closed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

private:
    void Drain();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace orvane
