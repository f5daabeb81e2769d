#include "cli/export_command.h"

#include "cli/cli_calendar.h"
#include "exchange/exchange_document.h"
#include "exchange/ical_document.h"
#include "store/atomic_file.h"

#include <cstdio>

namespace orvane::cli {

namespace {

struct ExportRequest {
    QString out;
    bool clipboardForm = false;
    bool iCalendar = false; // --format ics
    QStringList names;
    QStringList categories;
    QString calendar = CDataFile::GetFilePath();
};

bool Parse(const QStringList &arguments, ExportRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--clipboard-form")
            request.clipboardForm = true;
        else if (argument == u"--format" && hasValue && (arguments[i + 1] == u"xml" || arguments[i + 1] == u"ics"))
            request.iCalendar = arguments[++i] == u"ics";
        else if (argument == u"--out" && hasValue)
            request.out = arguments[++i];
        else if (argument == u"--name" && hasValue)
            request.names << arguments[++i];
        else if (argument == u"--category" && hasValue)
            request.categories << arguments[++i];
        else if (argument == u"--file" && hasValue)
            request.calendar = arguments[++i];
        else {
            PrintError(QStringLiteral("export: unexpected argument '%1' (see orvanectl --help)").arg(argument));
            return false;
        }
    }
    if (request.iCalendar && request.clipboardForm) {
        PrintError(QStringLiteral("export: --clipboard-form is a form of the XML document, not of iCalendar"));
        return false;
    }
    return true;
}

// The document asked for; empty when it cannot be built.
QByteArray Document(const CUser &user, const ExportRequest &request)
{
    if (request.iCalendar) {
        const ICalendarExport calendar = BuildICalendar(user);
        if (calendar.leftOut > 0)
            PrintError(QStringLiteral("export: %1 event(s) dated on a day no year has (such as 31 April) "
                                      "cannot be written in iCalendar and were left out").arg(calendar.leftOut));
        return calendar.text;
    }
    const std::optional<CExchangeDocument> built = CExchangeDocument::Build(user);
    return !built ? QByteArray() : request.clipboardForm ? built->ClipboardForm() : built->FileForm();
}

void SelectEvents(CUser &user, const ExportRequest &request)
{
    const bool all = request.names.isEmpty() && request.categories.isEmpty();
    for (int index = 0; index < kDaySlots; ++index)
        for (CEventRecord &event : user.Slot(index))
            event.Selected = all || request.names.contains(event.Name)
                                     || request.categories.contains(ExchangeCategoryName(user, event));
}

} // namespace

int RunExport(const QStringList &arguments)
{
    ExportRequest request;
    if (!Parse(arguments, request))
        return kFailed;
    CliCalendar calendar;
    if (!calendar.Load(request.calendar))
        return kFailed;
    SelectEvents(calendar.User(), request);
    const QByteArray bytes = Document(calendar.User(), request);
    if (bytes.isEmpty()) {
        PrintError(QStringLiteral("export: the document cannot be built (out of memory)"));
        return kFailed;
    }
    if (request.out.isEmpty()) {
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : kFailed;
    }
    const SaveResult written = WriteFileAtomically(request.out, bytes);
    if (!written.ok) {
        PrintError(QStringLiteral("export: cannot write %1: %2").arg(request.out, written.reason));
        return kFailed;
    }
    return 0;
}

} // namespace orvane::cli
