#include "sync/birthday_sync.h"

#include "exchange/vcard_reader.h"
#include "store/user.h"

namespace orvane::sync {

CBirthdaySync::CBirthdaySync(SyncContext &context, CollectionState &state, CCollection &collection,
                             ServerListing listing, const DaySet &days)
    : m_context(context), m_state(state), m_collection(collection), m_listing(std::move(listing)),
      m_pairing(PairLocalEvents(state.resources, context.locals, days))
{
}

bool CBirthdaySync::Run()
{
    std::optional<QHash<QString, DavResource>> bodies = FetchListed(m_collection, m_state, m_listing);
    if (!bodies)
        return false;
    m_bodies = std::move(*bodies);
    const QList<SyncedResource> before = std::exchange(m_state.resources, {});
    for (qsizetype index = 0; index < before.size(); ++index) {
        if (m_pairing.carried[index]) {
            m_state.resources.append(before[index]);
            continue;
        }
        const std::optional<size_t> local = m_pairing.localOf[index];
        Settle(before[index], m_listing.side[index], local ? &m_context.locals[*local] : nullptr,
               m_pairing.edited[index]);
    }
    for (const DavResource &contact : m_listing.added)
        Add(contact);
    m_state.token = m_listing.token;
    return true;
}

std::optional<CImportedEvent> CBirthdaySync::Birthday(const QByteArray &body) const
{
    CImportList list;
    std::vector<MergeNote> skipped;
    if (!ReadVCards(body, m_context.user.GetCategory(0), list, skipped).ok() || list.IsEmpty())
        return std::nullopt;
    return *list.begin();
}

void CBirthdaySync::Settle(SyncedResource resource, ServerSide side, LocalEvent *local, bool edited)
{
    const auto body = m_bodies.constFind(resource.href);
    if (side == ServerSide::Changed && body == m_bodies.cend())
        side = ServerSide::Deleted;
    const bool ours = local && !edited; // the event is as the contact made it
    if (side == ServerSide::Deleted) {
        if (ours)
            m_context.Remove(*local);
        return;
    }
    if (side == ServerSide::Changed) {
        resource.etag = body->etag;
        const std::optional<CImportedEvent> birthday = Birthday(body->body);
        const EventDigest now = birthday ? FittedDigest(m_context.user, *birthday) : EventDigest{};
        if (now != resource.event && ours && birthday) {
            if (const std::optional<EventDigest> taken = m_context.Replace(*local, *birthday))
                resource.event = *taken;
        } else if (now != resource.event && ours) {
            m_context.Remove(*local);
            resource.event = {};
        } else if (now != resource.event && !local && resource.event.month == 0 && birthday) {
            resource.event = m_context.Take(*birthday).value_or(EventDigest{});
        }
    }
    m_state.resources.append(resource);
}

void CBirthdaySync::Add(const DavResource &contact)
{
    const auto body = m_bodies.constFind(contact.href);
    if (body == m_bodies.cend())
        return;
    SyncedResource resource{contact.href, body->etag, {}, {}};
    if (const std::optional<CImportedEvent> birthday = Birthday(body->body)) {
        const EventDigest digest = FittedDigest(m_context.user, *birthday);
        LocalEvent *same = nullptr;
        for (LocalEvent &local : m_context.locals)
            if (!local.claimed && local.digest == digest && !same)
                same = &local;
        if (same) {
            same->claimed = true; // taken at an earlier sync whose state was not kept
            resource.event = digest;
        } else {
            resource.event = m_context.Take(*birthday).value_or(EventDigest{});
        }
    }
    m_state.resources.append(resource);
}

} // namespace orvane::sync
