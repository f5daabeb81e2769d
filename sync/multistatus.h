#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvane::sync {

// One DAV:response of a 207 multistatus body (RFC 4918), with the properties the sync and the
// discovery read. Properties count only from a propstat of a 2xx status.
struct DavResponse {
    QString href; // percent-decoded path
    int status = 0; // the response's own status; 0 when it has propstats instead
    int propStatus = 0; // the status of its first propstat
    QByteArray etag;
    bool isCollection = false;
    bool isCalendar = false;
    bool isAddressBook = false;
    bool takesEvents = true; // false when a supported-calendar-component-set lacks VEVENT
    QString displayName;
    QString principal; // current-user-principal
    QStringList calendarHomes; // calendar-home-set
    QStringList addressBookHomes; // addressbook-home-set
    QByteArray data; // calendar-data or address-data
};

struct Multistatus {
    QList<DavResponse> responses;
    QByteArray syncToken; // the top-level sync-token of a sync-collection report
    bool hasSyncToken = false;
};

// The multistatus of a body; nothing when it is not one (or has a document type declaration).
std::optional<Multistatus> ParseMultistatus(const QByteArray &body);
// Whether `body` is a DAV:error naming the DAV precondition `name` ("valid-sync-token").
bool HasPrecondition(const QByteArray &body, const char *name);
// An href as a percent-decoded path with its dot segments resolved.
QString NormalizedHref(const QString &href);

} // namespace orvane::sync
