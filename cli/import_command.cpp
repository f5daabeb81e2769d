#include "cli/import_command.h"

#include "cli/cli_calendar.h"
#include "exchange/import_file.h"
#include "exchange/import_merge.h"

#include <QFile>

#include <cstdio>

namespace orvane::cli {

namespace {

constexpr int kCalendarRunning = 3;

struct ImportRequest {
    QString source; // a file, or "-" for standard input
    bool dryRun = false;
    QString calendar = CDataFile::GetFilePath();
};

bool Parse(const QStringList &arguments, ImportRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--dry-run") {
            request.dryRun = true;
        } else if (argument == u"--file" && i + 1 < arguments.size()) {
            request.calendar = arguments[++i];
        } else if (request.source.isEmpty() && (argument == u"-" || !argument.startsWith(u'-'))) {
            request.source = argument;
        } else {
            PrintError(QStringLiteral("import: unexpected argument '%1' (see orvanectl --help)").arg(argument));
            return false;
        }
    }
    if (request.source.isEmpty())
        PrintError(QStringLiteral("import: which document? (a file, or - for standard input)"));
    return !request.source.isEmpty();
}

ExchangeReadResult ReadDocument(const QString &source, CImportList &list, ImportRead &read)
{
    if (source != u"-")
        return ReadImportFile(source, list, read);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return {ExchangeReadFailure::CannotOpen, input.errorString()};
    return ReadImportDevice(input, list, read);
}

QString Describe(MergeReason reason)
{
    switch (reason) {
    case MergeReason::NoSuchDate:
        return QStringLiteral("no such date");
    case MergeReason::DayFull:
        return QStringLiteral("the day already holds 40 events");
    case MergeReason::CategoryListFull:
        return QStringLiteral("10 categories already, put into the last one");
    case MergeReason::NoCategory:
        return QStringLiteral("no category, put into the last one");
    case MergeReason::CategoryCut:
        return QStringLiteral("category name cut to 20 characters");
    case MergeReason::NameCut:
        return QStringLiteral("name cut to 40 characters");
    case MergeReason::NotesCut:
        return QStringLiteral("notes cut to 255 characters");
    case MergeReason::OutsideCodePage:
        return QStringLiteral("characters outside Windows-1251 replaced by \"?\"");
    case MergeReason::NotAnEvent:
        return QStringLiteral("not an event");
    case MergeReason::NotYearly:
        return QStringLiteral("does not come back every year on one date");
    case MergeReason::NotAllDay:
        return QStringLiteral("has a time of day, not all day");
    case MergeReason::NoBirthday:
        return QStringLiteral("no birthday");
    }
    return {};
}

void PrintReport(const MergeReport &report)
{
    for (const MergeNote &note : report.notes) {
        QStringList reasons;
        for (const MergeReason reason : note.reasons)
            reasons << Describe(reason);
        const QString date = note.month > 0 ? QStringLiteral(" %1/%2").arg(note.month).arg(note.day) : QString();
        const QString line = QStringLiteral("%1: \"%2\"%3: %4\n")
                                 .arg(note.Added() ? u"changed" : u"skipped", note.name, date, reasons.join(u"; "));
        std::fputs(line.toUtf8().constData(), stdout);
    }
    std::printf("added %d, skipped %d, changed %d\n", report.added, report.skipped, report.changed);
}

} // namespace

int RunImport(const QStringList &arguments)
{
    ImportRequest request;
    if (!Parse(arguments, request))
        return kFailed;
    SingleInstance instance; // held until the end
    if (!request.dryRun && ProgramRunsOn(request.calendar, instance)) {
        PrintError(QStringLiteral("import: the calendar program is running: it would write its own events "
                                  "over the imported ones when it ends. Close it and import again."));
        return kCalendarRunning;
    }
    CliCalendar calendar;
    if (!calendar.Load(request.calendar))
        return kFailed;
    CImportList list;
    ImportRead read{calendar.User().GetCategory(0), {}};
    const ExchangeReadResult result = ReadDocument(request.source, list, read);
    if (!result.ok()) {
        PrintError(QStringLiteral("import: refused %1: %2")
                       .arg(request.source == u"-" ? QStringLiteral("standard input") : request.source, result.detail));
        return kFailed;
    }
    for (CEventRecord &record : list)
        record.Selected = 1;
    MergeReport report = MergeImportedEvents(calendar.User(), list);
    report.AddUnread(std::move(read.unread));
    if (!request.dryRun && report.added > 0) {
        const SaveResult saved = calendar.Save(request.calendar);
        if (!saved.ok) {
            PrintError(QStringLiteral("cannot save calendar: %1").arg(saved.reason));
            return kFailed;
        }
    }
    PrintReport(report);
    return 0;
}

} // namespace orvane::cli
