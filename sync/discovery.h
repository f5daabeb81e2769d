#pragma once

#include "sync/dav_collection.h"

#include <QList>
#include <QString>

#include <optional>

namespace orvane::sync {

class CDavClient;

// A calendar or address book the user may choose.
struct FoundCollection {
    QString href; // decoded path
    QString displayName;
    CollectionKind kind = CollectionKind::Calendar;
    bool takesEvents = true; // a calendar that holds VEVENTs (always true for an address book)
};

// The calendars and address books of the client's user, found from the client's server address
// (RFC 6764 without DNS): the address itself when it is one, else the user's principal (named by
// the address, else by /.well-known/caldav and /.well-known/carddav), its calendar and address
// book homes, and their members. Nothing, with the client's error, when none is found.
std::optional<QList<FoundCollection>> DiscoverCollections(CDavClient &client);

} // namespace orvane::sync
