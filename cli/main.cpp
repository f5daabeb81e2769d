#include "cli/calendar_json.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;
constexpr int kReadError = 2;

const char kHelp[] =
    "Usage: orvanectl COMMAND [OPTIONS]\n"
    "\n"
    "Reads the Orvane calendar from a terminal; only import writes it.\n"
    "\n"
    "Commands:\n"
    "  dump [--file PATH]   print the calendar as JSON on standard output: the header,\n"
    "                       the user, the categories and every day that holds events.\n"
    "                       Without --file the program's own calendar is read\n"
    "                       (ORVANE_DATA_DIR, else the user's data folder).\n"
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
    "  --help               show this text.\n"
    "\n"
    "Environment: ORVANE_DATA_DIR (folder of orvane.orvd), ORVANE_TODAY (YYYY-MM-DD, the\n"
    "date taken as today), XDG_CONFIG_HOME (where the registry hive with the options lives).\n"
    "\n"
    "Exit status: 0 on success, 2 when the calendar cannot be read or the command is wrong.\n"
    "import and export: 2 also for a refused document or a failed write; 3 for import\n"
    "while the calendar program is running.\n";

void PrintError(const QString &text)
{
    std::fprintf(stderr, "orvanectl: %s\n", text.toUtf8().constData());
}

// The notice span as the calendar would load with it, read without writing the options back.
int MonitorDays(orvane::CRegistryStore &registry)
{
    qint32 options = orvane::COptionFlags::kDefaultOptions;
    registry.ReadInt(QStringLiteral("Orvane"), QStringLiteral("OptionsFlag"), options);
    return orvane::COptionFlags::MonitorDaysOf(static_cast<quint32>(options));
}

int Dump(const QStringList &arguments)
{
    QString path = orvane::CDataFile::GetFilePath();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--file" && i + 1 < arguments.size()) {
            path = arguments[++i];
        } else {
            PrintError(QStringLiteral("dump: unexpected argument '%1' (see orvanectl --help)").arg(arguments[i]));
            return kUsageError;
        }
    }
    orvane::CRegistryStore registry;
    orvane::COptionFlags options(registry);
    orvane::CDataFile document(options);
    const orvane::LoadResult result =
        document.Read(path, {orvane::Clock::Today(), MonitorDays(registry)});
    if (!result.ok()) {
        PrintError(QStringLiteral("cannot read calendar: %1").arg(result.reason));
        return kReadError;
    }
    const QByteArray json = orvane::CalendarToJson(document) + '\n';
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == u"--help" || arguments.first() == u"-h"
        || arguments.first() == u"help") {
        std::fputs(kHelp, arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? kUsageError : 0;
    }
    if (arguments.first() == u"dump")
        return Dump(arguments.mid(1));
    if (arguments.first() == u"export")
        return orvane::cli::RunExport(arguments.mid(1));
    if (arguments.first() == u"import")
        return orvane::cli::RunImport(arguments.mid(1));
    PrintError(QStringLiteral("unknown command '%1' (see orvanectl --help)").arg(arguments.first()));
    return kUsageError;
}
