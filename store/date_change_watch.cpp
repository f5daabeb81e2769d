#include "store/date_change_watch.h"

#include <QDateTime>
#include <QSocketNotifier>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>

namespace orvane {

namespace {

QDateTime NextMidnight()
{
    return QDateTime(QDate::currentDate().addDays(1), QTime(0, 0));
}

} // namespace

DateChangeWatch::DateChangeWatch(QObject *parent) : QObject(parent)
{
#ifdef __linux__
    // Wall-clock time: a deadline passed during a suspend fires at the wake-up, and a set clock
    // cancels the wait, which reads as ECANCELED.
    m_fd = ::timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
    if (m_fd >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &DateChangeWatch::OnFired);
    }
#endif
    m_fallback.setSingleShot(true);
    connect(&m_fallback, &QTimer::timeout, this, &DateChangeWatch::OnFired);
    Arm();
}

DateChangeWatch::~DateChangeWatch()
{
#ifdef __linux__
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void DateChangeWatch::Arm()
{
    const QDateTime midnight = NextMidnight();
#ifdef __linux__
    if (m_fd >= 0) {
        itimerspec at{};
        at.it_value.tv_sec = static_cast<time_t>(midnight.toSecsSinceEpoch());
        if (::timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at, nullptr) == 0)
            return;
    }
#endif
    constexpr qint64 kHourMs = 3600 * 1000;
    const qint64 toMidnight = QDateTime::currentDateTime().msecsTo(midnight);
    m_fallback.start(static_cast<int>(std::clamp<qint64>(toMidnight + 1000, 1000, kHourMs)));
}

void DateChangeWatch::OnFired()
{
#ifdef __linux__
    if (m_fd >= 0) {
        std::uint64_t expirations = 0;
        // Fails with ECANCELED when the clock was set: that too is a reason to look.
        [[maybe_unused]] const ssize_t read = ::read(m_fd, &expirations, sizeof expirations);
    }
#endif
    Q_EMIT dateMayHaveChanged();
    Arm();
}

} // namespace orvane
