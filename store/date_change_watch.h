#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace orvane {

// Tells when the date may have changed, without waking the program in between: at the next
// local midnight, when the machine wakes from a suspend that passed midnight, and whenever the
// system clock is set. The receiver compares the dates itself. On Linux one timer file
// (timerfd) does all three; elsewhere a timer to midnight, checked at least hourly.
class DateChangeWatch : public QObject {
    Q_OBJECT
public:
    explicit DateChangeWatch(QObject *parent = nullptr);
    ~DateChangeWatch() override;

Q_SIGNALS:
    void dateMayHaveChanged();

private:
    void Arm();
    void OnFired();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_fallback;
};

} // namespace orvane
