#include "sync/discovery.h"

#include "sync/dav_client.h"
#include "sync/multistatus.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace orvane::sync {

namespace {

const QByteArray kPropfind = R"(<?xml version="1.0" encoding="utf-8"?>)"
                             R"(<D:propfind xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav" )"
                             R"(xmlns:CR="urn:ietf:params:xml:ns:carddav"><D:prop>)"
                             R"(<D:resourcetype/><D:displayname/><C:supported-calendar-component-set/>)"
                             R"(<D:current-user-principal/><C:calendar-home-set/><CR:addressbook-home-set/>)"
                             R"(</D:prop></D:propfind>)"_ba;

// The responses of a PROPFIND; nothing when the answer is not a multistatus. A transport failure
// or a refused password ends the discovery (`fatal`).
std::optional<QList<DavResponse>> Propfind(
    CDavClient &client, const QString &path, const QByteArray &depth, bool &fatal)
{
    const auto reply = client.SendXml("PROPFIND", path, depth, kPropfind);
    fatal = !reply || reply->status == 401;
    if (reply && reply->status == 401)
        client.FailStatus(401, path);
    if (!reply || reply->status != 207)
        return std::nullopt;
    const auto status = ParseMultistatus(reply->body);
    if (!status)
        return std::nullopt;
    return status->responses;
}

void Collect(const DavResponse &response, QList<FoundCollection> &found)
{
    if (response.isCalendar)
        found.append({ response.href, response.displayName, CollectionKind::Calendar, response.takesEvents });
    else if (response.isAddressBook)
        found.append({ response.href, response.displayName, CollectionKind::AddressBook, true });
}

} // namespace

std::optional<QList<FoundCollection>> DiscoverCollections(CDavClient &client)
{
    QList<FoundCollection> found;
    bool fatal = false;
    const QString address = client.Server().path(QUrl::FullyDecoded);
    const auto own = Propfind(client, address.isEmpty() ? u"/"_s : address, "0", fatal);
    if (fatal)
        return std::nullopt;
    QString principal;
    for (const DavResponse &response : own.value_or(QList<DavResponse>())) {
        Collect(response, found);
        principal = response.principal;
    }
    if (!found.isEmpty())
        return found;

    for (const QString &wellKnown : { u"/.well-known/caldav"_s, u"/.well-known/carddav"_s }) {
        if (!principal.isEmpty())
            break;
        for (const DavResponse &response : Propfind(client, wellKnown, "0", fatal).value_or(QList<DavResponse>()))
            principal = response.principal;
        if (fatal)
            return std::nullopt;
    }

    QStringList homes;
    if (!principal.isEmpty()) {
        for (const DavResponse &response : Propfind(client, principal, "0", fatal).value_or(QList<DavResponse>()))
            homes << response.calendarHomes << response.addressBookHomes;
        if (fatal)
            return std::nullopt;
    }
    homes.removeDuplicates();
    for (const QString &home : std::as_const(homes)) {
        for (const DavResponse &response : Propfind(client, home, "1", fatal).value_or(QList<DavResponse>()))
            Collect(response, found);
        if (fatal)
            return std::nullopt;
    }
    if (found.isEmpty()) {
        client.Fail(
            QCoreApplication::translate("Discovery", "На сервере %1 не найдено ни календарей, ни адресных книг.")
                .arg(client.Server().host()));
        return std::nullopt;
    }
    return found;
}

} // namespace orvane::sync
