#pragma once

#include "sync/collection.h"
#include "sync/local_pairing.h"
#include "sync/server_listing.h"
#include "sync/sync_context.h"

namespace orvane::sync {

// The birthdays of an address book in the calendar: each contact's birthday is an event named
// after the contact in the first category, changed when the contact changes and deleted when the
// contact or its birthday goes, as long as nobody changed the event here. The address book is
// only read, and its events stay out of the calendar collection.
class CBirthdaySync {
public:
    // Claims the events of the contacts of the last sync on the dates in `days`.
    CBirthdaySync(SyncContext &context, CollectionState &state, CCollection &collection, ServerListing listing,
                  const DaySet &days);
    // Reads the changes of the address book into the calendar; false when the server failed.
    bool Run();

private:
    // The birthday a contact gives, if any.
    std::optional<CImportedEvent> Birthday(const QByteArray &body) const;
    void Settle(SyncedResource resource, ServerSide side, LocalEvent *local, bool edited);
    void Add(const DavResource &contact);

    SyncContext &m_context;
    CollectionState &m_state;
    CCollection &m_collection;
    const ServerListing m_listing;
    LocalPairing m_pairing;
    QHash<QString, DavResource> m_bodies;
};

} // namespace orvane::sync
