#include "sync/sync_run.h"

#include "sync/dav_client.h"
#include "sync/dav_collection.h"

#include <QCoreApplication>

#include <optional>

namespace orvane::sync {

QUrl CollectionUrl(const QString &server, const QString &href)
{
    return QUrl(server).resolved(QUrl(href));
}

SyncRun RunSync(CUser &user, const QString &calendarPath, const SyncSettings &settings, const QString &password,
                bool dryRun, const CSyncState *last)
{
    SyncRun run;
    const QUrl server(settings.server);
    if (const std::optional<QString> problem = CDavClient::AddressProblem(server)) {
        run.outcome.error = *problem;
        return run;
    }
    CDavClient client(server, settings.user, password);
    CDavCollection calendar(client, settings.calendarHref, CollectionKind::Calendar);
    std::optional<CDavCollection> addressBook;
    QString addressBookUrl;
    if (!settings.addressBookHref.isEmpty()) {
        addressBook.emplace(client, settings.addressBookHref, CollectionKind::AddressBook);
        addressBookUrl = CollectionUrl(settings.server, settings.addressBookHref).toString();
    }
    const QString calendarUrl = CollectionUrl(settings.server, settings.calendarHref).toString();
    const QString statePath = CSyncState::PathFor(calendarPath);
    if (last && last->calendar.url == calendarUrl && last->addressBook.url == addressBookUrl && last->IsStoredAt(statePath))
        run.state = *last;
    else
        run.state = CSyncState::Load(statePath, calendarUrl, addressBookUrl);
    run.outcome = Synchronize(user, run.state, calendar, addressBook ? &*addressBook : nullptr, dryRun);
    run.requests = client.RequestCount();
    return run;
}

QString SyncReportText(const SyncOutcome &outcome)
{
    if (!outcome.ok())
        return outcome.error;
    return QCoreApplication::translate("SyncReport", "выгружено %1, загружено %2, удалено %3, конфликтов %4, оставлено %5")
        .arg(outcome.uploaded)
        .arg(outcome.downloaded)
        .arg(outcome.deleted)
        .arg(outcome.conflicts)
        .arg(outcome.leftAlone);
}

} // namespace orvane::sync
