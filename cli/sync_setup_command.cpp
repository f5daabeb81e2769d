#include "cli/sync_setup_command.h"

#include "cli/cli_calendar.h"
#include "cli/password_prompt.h"
#include "sync/dav_client.h"
#include "sync/discovery.h"
#include "sync/password_store.h"
#include "sync/sync_run.h"

#include <QCoreApplication>

#include <cstdio>

namespace orvane::cli {

namespace {

struct SetupRequest {
    QString server;
    QString user;
    QString calendar; // as given: a path or a whole address
    QString addressBook;
};

bool Parse(const QStringList &arguments, SetupRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--user" && hasValue) {
            request.user = arguments[++i];
        } else if (argument == u"--calendar" && hasValue) {
            request.calendar = arguments[++i];
        } else if (argument == u"--addressbook" && hasValue) {
            request.addressBook = arguments[++i];
        } else if (request.server.isEmpty() && !argument.startsWith(u'-')) {
            request.server = argument;
        } else {
            PrintError(QStringLiteral("sync setup: unexpected argument '%1' (see orvanectl --help)").arg(argument));
            return false;
        }
    }
    if (request.server.isEmpty() || request.user.isEmpty())
        PrintError(QStringLiteral("sync setup: the server's address and --user NAME are needed"));
    return !request.server.isEmpty() && !request.user.isEmpty();
}

// The decoded path of the collection `href` names on the client's server, once the server
// answered for it with the client's credentials; nothing, with the reason printed, otherwise.
std::optional<QString> CheckedPath(sync::CDavClient &client, const QString &server, const QString &href)
{
    const QUrl url = sync::CollectionUrl(server, href);
    if (url.scheme() != client.Server().scheme() || url.host() != client.Server().host()
        || url.port() != client.Server().port()) {
        PrintError(QCoreApplication::translate("SyncCommand", "%1 не на сервере %2").arg(href, server));
        return std::nullopt;
    }
    const QString path = url.path(QUrl::FullyDecoded);
    const auto reply = client.SendXml("PROPFIND", path, "0",
        R"(<?xml version="1.0" encoding="utf-8"?><D:propfind xmlns:D="DAV:"><D:prop><D:resourcetype/>)"
        R"(</D:prop></D:propfind>)");
    if (reply && reply->status != 207)
        client.FailStatus(reply->status, path);
    if (!reply || reply->status != 207) {
        PrintError(client.Error());
        return std::nullopt;
    }
    return path;
}

// The first calendar that takes events among the user's collections.
std::optional<QString> FoundCalendar(sync::CDavClient &client)
{
    const std::optional<QList<sync::FoundCollection>> found = sync::DiscoverCollections(client);
    if (!found) {
        PrintError(client.Error());
        return std::nullopt;
    }
    for (const sync::FoundCollection &collection : *found)
        if (collection.kind == sync::CollectionKind::Calendar && collection.takesEvents)
            return collection.href;
    PrintError(QCoreApplication::translate("SyncCommand", "на сервере %1 нет календаря для событий")
                   .arg(client.Server().host()));
    return std::nullopt;
}

} // namespace

int RunSyncSetup(const QStringList &arguments)
{
    SetupRequest request;
    if (!Parse(arguments, request))
        return kFailed;
    if (const std::optional<QString> problem = sync::CDavClient::AddressProblem(QUrl(request.server))) {
        PrintError(*problem);
        return kFailed;
    }
    const std::optional<QString> password = ReadPassword(request.server, request.user);
    if (!password)
        return kFailed;
    sync::CDavClient client(QUrl(request.server), request.user, *password);
    const std::optional<QString> calendar = request.calendar.isEmpty()
        ? FoundCalendar(client) : CheckedPath(client, request.server, request.calendar);
    if (!calendar)
        return kFailed;
    std::optional<QString> addressBook;
    if (!request.addressBook.isEmpty() && !(addressBook = CheckedPath(client, request.server, request.addressBook)))
        return kFailed;

    const sync::CPasswordStore::Result kept = sync::CPasswordStore::Write(request.server, request.user, *password);
    if (kept.status == sync::CPasswordStore::Status::NoService) {
        PrintError(kept.error + u' '
                   + QCoreApplication::translate("SyncCommand", "Пароль будет спрошен при каждой синхронизации."));
    } else if (kept.status != sync::CPasswordStore::Status::Done) {
        PrintError(kept.error);
        return kFailed;
    }
    CRegistryStore registry;
    sync::CSyncSettings store(registry);
    sync::SyncSettings settings = store.Read();
    settings.server = request.server;
    settings.user = request.user;
    settings.calendarHref = *calendar;
    settings.addressBookHref = addressBook.value_or(QString());
    store.Write(settings);
    const QString done = addressBook
        ? QCoreApplication::translate("SyncCommand", "синхронизация настроена: календарь %1, адресная книга %2")
              .arg(*calendar, *addressBook)
        : QCoreApplication::translate("SyncCommand", "синхронизация настроена: календарь %1").arg(*calendar);
    std::fputs((done + u'\n').toUtf8().constData(), stdout);
    return 0;
}

} // namespace orvane::cli
