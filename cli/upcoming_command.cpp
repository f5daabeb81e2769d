#include "cli/upcoming_command.h"

#include "cli/calendar_json.h"
#include "cli/cli_calendar.h"
#include "settings/announced_through.h"
#include "store/clock.h"
#include "store/upcoming_days.h"

#include <cstdio>
#include <optional>

namespace orvane {

namespace {

constexpr int kListed = 0;
constexpr int kNoneListed = 1;
constexpr int kMaxDays = 366;

struct UpcomingArguments {
    QString path = CDataFile::GetFilePath();
    std::optional<int> days;
    bool json = false;
    bool missed = false;
};

std::optional<UpcomingArguments> ParseArguments(const QStringList &arguments)
{
    UpcomingArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--json") {
            parsed.json = true;
        } else if (argument == u"--missed") {
            parsed.missed = true;
        } else if (argument == u"--file" && hasValue) {
            parsed.path = arguments[++i];
        } else if (argument == u"--days" && hasValue) {
            bool number = false;
            const int days = arguments[++i].toInt(&number);
            if (!number || days < 0 || days > kMaxDays) {
                cli::PrintError(QStringLiteral("upcoming: --days takes a number from 0 to %1, not '%2'")
                                  .arg(kMaxDays).arg(arguments[i]));
                return std::nullopt;
            }
            parsed.days = days;
        } else {
            cli::PrintError(QStringLiteral("upcoming: unexpected argument '%1' (see orvanectl --help)").arg(argument));
            return std::nullopt;
        }
    }
    return parsed;
}

QByteArray IsoDate(QDate date)
{
    return JsonQuoted(date.toString(Qt::ISODate));
}

QByteArray UpcomingJson(const std::vector<UpcomingDay> &days, const CUser &user, QDate today, int span)
{
    QByteArrayList items;
    for (const UpcomingDay &day : days) {
        QByteArrayList events;
        for (const CEventRecord *event : day.events)
            events.append("{\"name\":" + JsonQuoted(event->Name) + ",\"notes\":" + JsonQuoted(event->Notes)
                          + ",\"category\":" + JsonQuoted(user.GetCategory(event->Category)) + '}');
        items.append("{\"offset\":" + QByteArray::number(day.offset) + ",\"date\":" + IsoDate(day.date)
                     + ",\"heading\":" + JsonQuoted(UpcomingHeading(day.offset)) + ",\"events\":[" + events.join(',') + "]}");
    }
    return "{\"today\":" + IsoDate(today) + ",\"days\":" + QByteArray::number(span) + ",\"upcoming\":["
           + items.join(',') + "]}\n";
}

} // namespace

int RunUpcomingCommand(const QStringList &arguments)
{
    const std::optional<UpcomingArguments> parsed = ParseArguments(arguments);
    if (!parsed)
        return cli::kFailed;
    cli::CliCalendar calendar;
    if (!calendar.Load(parsed->path))
        return cli::kFailed;
    const CUser &user = calendar.User();

    const QDate today = Clock::Today();
    const int span = parsed->days.value_or(calendar.MonitorDays());
    const QDate announced = parsed->missed ? CAnnouncedThrough(calendar.Registry()).Read() : QDate();
    const std::vector<UpcomingDay> days = FindUpcomingDays(user, today, span, announced);
    const QByteArray out = parsed->json ? UpcomingJson(days, user, today, span)
                                        : UpcomingDaysText(days).toUtf8();
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return days.empty() ? kNoneListed : kListed;
}

} // namespace orvane
