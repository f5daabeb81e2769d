#include "cli/import_command.h"

#include "app/single_instance.h"
#include "cli/cli_calendar.h"
#include "exchange/exchange_reader.h"
#include "exchange/import_merge.h"

#include <QFile>
#include <QFileInfo>

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

bool SameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

ExchangeReadResult ReadDocument(const QString &source, CEventList &list)
{
    if (source != u"-")
        return ReadExchangeFile(source, list);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return {ExchangeReadFailure::CannotOpen, input.errorString()};
    return ReadExchangeDevice(input, list);
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
    }
    return {};
}

void PrintReport(const MergeReport &report)
{
    for (const MergeNote &note : report.notes) {
        QStringList reasons;
        for (const MergeReason reason : note.reasons)
            reasons << Describe(reason);
        const QString line = QStringLiteral("%1: \"%2\" %3/%4: %5\n")
                                 .arg(note.Added() ? u"changed" : u"skipped", note.name)
                                 .arg(note.month)
                                 .arg(note.day)
                                 .arg(reasons.join(u"; "));
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
    // Held until the end, so that the calendar cannot start on the old file meanwhile; a lock
    // that a running calendar holds is never taken over.
    SingleInstance instance;
    if (!request.dryRun && SameFile(request.calendar, CDataFile::GetFilePath()) && !instance.Acquire()) {
        PrintError(QStringLiteral("import: the calendar program is running: it would write its own events "
                                  "over the imported ones when it ends. Close it and import again."));
        return kCalendarRunning;
    }
    CliCalendar calendar;
    if (!calendar.Load(request.calendar))
        return kFailed;
    CEventList list;
    const ExchangeReadResult read = ReadDocument(request.source, list);
    if (!read.ok()) {
        PrintError(QStringLiteral("import: refused %1: %2")
                       .arg(request.source == u"-" ? QStringLiteral("standard input") : request.source, read.detail));
        return kFailed;
    }
    for (CEventRecord &record : list)
        record.Selected = 1;
    const MergeReport report = MergeImportedEvents(calendar.User(), list);
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
