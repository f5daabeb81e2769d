#include "cli/calendar_json.h"
#include "cli/cli_calendar.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "cli/notify_command.h"
#include "cli/sync_command.h"
#include "cli/upcoming_command.h"
#include "i18n/ui_language.h"
#include "store/data_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

using orvane::cli::PrintError;

constexpr int kUsageError = 2;
constexpr int kReadError = 2;

const char kHelp[] =
    "Usage: orvanectl COMMAND [OPTIONS]\n"
    "\n"
    "Reads the Orvane calendar from a terminal; only import and sync write it.\n"
    "\n"
    "Commands:\n"
    "  dump [--file PATH]   print the calendar as JSON on standard output: the header,\n"
    "                       the user, the categories and every day that holds events.\n"
    "                       Without --file the program's own calendar is read\n"
    "                       (ORVANE_DATA_DIR, else the user's data folder).\n"
    "  upcoming [--days N] [--missed] [--json] [--file PATH]\n"
    "                       list the days from today through today + N that hold events\n"
    "                       to be notified, as the monitor does: for each day a line\n"
    "                       '<heading> <date>', then each event's name indented by two\n"
    "                       spaces. N is 0..366; without --days it is the notice span of\n"
    "                       the options (7 by default). --missed lists first the days\n"
    "                       missed since the last announcement (31 at most), under one\n"
    "                       heading; it writes nothing. --json prints one JSON object:\n"
    "                       {\"today\",\"days\",\"upcoming\":[{\"offset\",\"date\",\"heading\",\n"
    "                       \"events\":[{\"name\",\"notes\",\"category\"}]}]}, a missed day\n"
    "                       with a negative offset. Exit status 0 when a day is listed,\n"
    "                       1 when none is.\n"
    "  notify [--file PATH] send the days of upcoming --missed as the calendar's desktop\n"
    "                       notification, once per date: the calendar started with\n"
    "                       /monitoring, its change of the date and this command share\n"
    "                       the date last announced, and whichever comes first sends it.\n"
    "                       Exit status 0 when it sent one, 1 when there was nothing to\n"
    "                       send or the date was announced already, 2 when no\n"
    "                       notification service took it. The systemd user timer\n"
    "                       orvane-remind.timer runs it daily and after log-in.\n"
    "  export [--format xml|ics] [--out FILE] [--clipboard-form] [--name NAME]...\n"
    "         [--category NAME]... [--file PATH]\n"
    "                       write an exchange document (XML, Windows-1251) of all events,\n"
    "                       or of those with any of the given names or categories, to FILE\n"
    "                       or standard output; --clipboard-form writes it as the export\n"
    "                       wizard puts it on the clipboard. --format ics writes iCalendar\n"
    "                       (UTF-8) instead: one all-day event a year for each.\n"
    "  import FILE|- [--dry-run] [--file PATH]\n"
    "                       add every event of an exchange document (- reads standard\n"
    "                       input) as the import wizard does and save the calendar at once;\n"
    "                       an iCalendar file gives its yearly all-day events, a vCard file\n"
    "                       its contacts' birthdays (in the first category). The first line\n"
    "                       tells the format (BEGIN:VCALENDAR, BEGIN:VCARD), else the\n"
    "                       extension (.ics, .vcf), else it is read as XML. Entries that are\n"
    "                       not taken (to-dos, timed or non-yearly events, contacts\n"
    "                       without a birthday) are counted as skipped, with the reason;\n"
    "                       prints a line per event not added or changed, then\n"
    "                       \"added N, skipped M, changed K\". --dry-run writes nothing.\n"
    "                       Refused (status 3) while the calendar program runs, as it\n"
    "                       would write over the imported events when it ends.\n"
    "  sync [--dry-run] [--file PATH]\n"
    "                       sync the calendar with the CalDAV calendar (and the birthdays\n"
    "                       of the CardDAV address book) that sync setup named: save the\n"
    "                       calendar when it changed, then the sync state beside it\n"
    "                       (orvane.sync); print a line per server entry not taken, then\n"
    "                       \"uploaded N, downloaded M, deleted K, conflicts C, left alone\n"
    "                       L\" (in Russian unless ORVANE_LANG=en).\n"
    "                       The password comes from the desktop's Secret Service, else it\n"
    "                       is asked on the terminal (or read as the first line of standard\n"
    "                       input). --dry-run counts what a sync would do and writes\n"
    "                       nothing. Refused (status 3) while the calendar program runs.\n"
    "  sync setup URL --user NAME [--calendar HREF] [--addressbook HREF]\n"
    "                       set up the sync with the server at URL: HREF is a path on it\n"
    "                       or a whole address; without --calendar the first of the user's\n"
    "                       calendars that takes events. The password is asked as above\n"
    "                       and checked with the server, then kept in the Secret Service\n"
    "                       where one runs.\n"
    "  --help               show this text.\n"
    "\n"
    "Environment: ORVANE_DATA_DIR (folder of orvane.orvd), ORVANE_TODAY (YYYY-MM-DD, the\n"
    "date taken as today), XDG_CONFIG_HOME (where the registry hive with the options lives).\n"
    "\n"
    "Exit status: 0 on success, 2 when the calendar cannot be read or the command is wrong.\n"
    "import and export: 2 also for a refused document or a failed write; 3 for import\n"
    "while the calendar program is running. sync: 2 when it is not set up, the server\n"
    "refuses or cannot be reached (nothing is changed then); 3 while the calendar\n"
    "program is running.\n";

int Dump(const QStringList &arguments)
{
    const std::optional<QString> path = orvane::cli::OnlyFileArgument(QStringLiteral("dump"), arguments);
    if (!path)
        return kUsageError;
    orvane::cli::CliCalendar calendar;
    if (!calendar.Load(*path))
        return kReadError;
    const QByteArray json = orvane::CalendarToJson(calendar.Document()) + '\n';
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The calendar's own texts (headings, reports) stay Russian in a terminal unless
    // ORVANE_LANG=en; a desktop notification speaks the desktop's language, as the calendar does.
    const bool desktop = !arguments.isEmpty() && arguments.first() == u"notify";
    orvane::InstallProgramTranslation(application, desktop ? orvane::SystemUiLanguage() : orvane::TerminalUiLanguage());
    if (arguments.isEmpty() || arguments.first() == u"--help" || arguments.first() == u"-h"
        || arguments.first() == u"help") {
        std::fputs(kHelp, arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? kUsageError : 0;
    }
    if (arguments.first() == u"dump")
        return Dump(arguments.mid(1));
    if (arguments.first() == u"upcoming")
        return orvane::RunUpcomingCommand(arguments.mid(1));
    if (arguments.first() == u"notify")
        return orvane::RunNotifyCommand(arguments.mid(1));
    if (arguments.first() == u"export")
        return orvane::cli::RunExport(arguments.mid(1));
    if (arguments.first() == u"import")
        return orvane::cli::RunImport(arguments.mid(1));
    if (arguments.first() == u"sync")
        return orvane::cli::RunSync(arguments.mid(1));
    PrintError(QStringLiteral("unknown command '%1' (see orvanectl --help)").arg(arguments.first()));
    return kUsageError;
}
