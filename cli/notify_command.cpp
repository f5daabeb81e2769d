#include "cli/notify_command.h"

#include "cli/cli_calendar.h"
#include "notify/desktop_notifier.h"
#include "settings/announced_through.h"
#include "store/clock.h"
#include "store/upcoming_days.h"

#include <optional>

namespace orvane {

namespace {

constexpr int kSent = 0;
constexpr int kNothingSent = 1;

} // namespace

int RunNotifyCommand(const QStringList &arguments)
{
    const std::optional<QString> path = cli::OnlyFileArgument(QStringLiteral("notify"), arguments);
    if (!path)
        return cli::kFailed;
    cli::CliCalendar calendar;
    if (!calendar.Load(*path))
        return cli::kFailed;
    const QDate today = Clock::Today();
    const int span = calendar.MonitorDays();
    CAnnouncedThrough announced(calendar.Registry());
    int status = kNothingSent;
    announced.AnnounceOnce(today, span, [&] {
        const std::vector<UpcomingDay> days = FindUpcomingDays(calendar.User(), today, span, announced.Read());
        if (days.empty())
            return true;
        // Left for the next run (or the calendar) to announce when nobody took it.
        if (!NotifyDesktop(MonitorTitle(), UpcomingDaysText(days), Delivery::WaitForReceipt)) {
            cli::PrintError(QStringLiteral("notify: no notification service took the notification"));
            status = cli::kFailed;
            return false;
        }
        status = kSent;
        return true;
    });
    return status;
}

} // namespace orvane
