#include "cli/sync_command.h"

#include "cli/cli_calendar.h"
#include "cli/password_prompt.h"
#include "cli/sync_setup_command.h"
#include "sync/password_store.h"
#include "sync/sync_run.h"

#include <QCoreApplication>

#include <cstdio>

namespace orvane::cli {

namespace {

constexpr int kCalendarRunning = 3;

struct SyncRequest {
    bool dryRun = false;
    QString calendar = CDataFile::GetFilePath();
};

bool Parse(const QStringList &arguments, SyncRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--dry-run") {
            request.dryRun = true;
        } else if (arguments[i] == u"--file" && i + 1 < arguments.size()) {
            request.calendar = arguments[++i];
        } else {
            PrintError(QStringLiteral("sync: unexpected argument '%1' (see orvanectl --help)").arg(arguments[i]));
            return false;
        }
    }
    return true;
}

// The password kept in the Secret Service, else the one the user types (or gives on standard input).
std::optional<QString> Password(const sync::SyncSettings &settings)
{
    const sync::CPasswordStore::Result kept = sync::CPasswordStore::Read(settings.server, settings.user);
    if (kept.status == sync::CPasswordStore::Status::Done)
        return kept.password;
    if (kept.status == sync::CPasswordStore::Status::Failed) {
        PrintError(kept.error);
        return std::nullopt;
    }
    return ReadPassword(settings.server, settings.user);
}

void PrintLine(const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stdout);
}

} // namespace

int RunSync(const QStringList &arguments)
{
    if (!arguments.isEmpty() && arguments.first() == u"setup")
        return RunSyncSetup(arguments.mid(1));
    SyncRequest request;
    if (!Parse(arguments, request))
        return kFailed;
    SingleInstance instance; // held until the end
    if (!request.dryRun && ProgramRunsOn(request.calendar, instance)) {
        PrintError(QCoreApplication::translate("SyncCommand",
            "календарь открыт в программе, которая запишет свои события поверх полученных, когда "
            "закончит работу. Закройте её и повторите синхронизацию."));
        return kCalendarRunning;
    }
    CliCalendar calendar;
    if (!calendar.Load(request.calendar))
        return kFailed;
    sync::CSyncSettings store(calendar.Registry());
    sync::SyncSettings settings = store.Read();
    if (settings.server.isEmpty() || settings.calendarHref.isEmpty()) {
        PrintError(QCoreApplication::translate("SyncCommand",
            "синхронизация не настроена (orvanectl sync setup URL --user ИМЯ)"));
        return kFailed;
    }
    const std::optional<QString> password = Password(settings);
    if (!password)
        return kFailed;
    sync::SyncRun run = sync::RunSync(calendar.User(), request.calendar, settings, *password, request.dryRun);
    const QString report = sync::SyncReportText(run.outcome);
    int status = run.outcome.ok() ? 0 : kFailed;
    if (run.outcome.ok() && !request.dryRun) {
        SaveResult saved;
        if (run.outcome.calendarChanged)
            saved = calendar.Save(request.calendar);
        if (saved.ok)
            saved = run.state.Save(sync::CSyncState::PathFor(request.calendar));
        if (!saved.ok) {
            PrintError(QStringLiteral("cannot save calendar: %1").arg(saved.reason));
            status = kFailed;
        }
    }
    if (!request.dryRun) {
        settings.lastSync = QDateTime::currentDateTime();
        settings.lastResult = report;
        store.Write(settings);
    }
    if (!run.outcome.ok()) {
        PrintError(report);
        return kFailed;
    }
    for (const QString &note : run.outcome.notes)
        PrintLine(note);
    PrintLine(report);
    return status;
}

} // namespace orvane::cli
