#include "sync/sync_engine.h"

#include "exchange/exchange_document.h"
#include "exchange/ical_event_writer.h"
#include "store/clock.h"
#include "store/user.h"
#include "sync/birthday_sync.h"
#include "sync/event_resource.h"
#include "sync/server_listing.h"
#include "sync/sync_context.h"

#include <QCoreApplication>
#include <QSet>

namespace orvane::sync {

namespace {

// One sync of the calendar collection, on the working copies of the calendar and the state.
class CCalendarSync {
public:
    // Claims the local events of the resources of the last sync on the dates in `days`.
    CCalendarSync(SyncContext &context, CollectionState &state, CCollection &collection, ServerListing listing,
                  const DaySet &days, bool dryRun)
        : m_context(context), m_state(state), m_collection(collection), m_listing(std::move(listing)),
          m_dryRun(dryRun), m_writer(Clock::Today()), m_pairing(PairLocalEvents(state.resources, context.locals, days))
    {
    }

    // Why Run failed.
    QString Error() const { return m_error.isEmpty() ? m_collection.Error() : m_error; }

    bool Run()
    {
        const LocalPairing &pairing = m_pairing;
        // The locally edited resources' bodies come along: an edit is written over them.
        std::optional<QHash<QString, DavResource>> bodies = FetchListed(m_collection, m_state, m_listing, pairing.edited);
        if (!bodies)
            return false;
        m_bodies = std::move(*bodies);
        m_state.leftAlone = m_listing.leftAlone;
        m_before = std::exchange(m_state.resources, {});
        const QList<SyncedResource> &before = m_before;
        m_state.resources.reserve(before.size());
        for (const DavResource &resource : m_listing.added)
            TakeAdded(resource);
        for (qsizetype index = 0; index < before.size(); ++index) {
            if (pairing.carried[index]) {
                m_state.resources.append(before[index]);
                continue;
            }
            SyncedResource resource = before[index];
            resource.etag = m_listing.etag[index];
            LocalEvent *local = pairing.localOf[index] ? &m_context.locals[*pairing.localOf[index]] : nullptr;
            if (!Settle(resource, m_listing.side[index], local, pairing.edited[index]))
                return false;
        }
        m_state.resources.append(m_linked); // after those of the last sync, kept in their order
        for (const auto &[record, resource] : m_downloads)
            Download(record, resource);
        for (LocalEvent &local : m_context.locals)
            if (!local.claimed && !Upload(local))
                return false;
        m_state.token = m_listing.token;
        return true;
    }

private:
    // A resource the state does not know: left alone, linked to an equal new local event, or
    // taken into the calendar.
    void TakeAdded(const DavResource &listed)
    {
        const auto body = m_bodies.constFind(listed.href);
        if (body == m_bodies.cend())
            return; // gone meanwhile
        const ResourceEvent read = ReadEventResource(body->body);
        if (!read.event) {
            LeaveAlone(*body, read.left);
            return;
        }
        const SyncedResource resource{body->href, body->etag, read.uid, FittedDigest(m_context.user, *read.event)};
        if (LocalEvent *local = NewLocalLike(resource.event)) {
            local->claimed = true;
            m_linked.append(resource);
            return;
        }
        m_downloads.append({*read.event, resource});
    }

    LocalEvent *NewLocalLike(const EventDigest &digest)
    {
        for (LocalEvent &local : m_context.locals)
            if (!local.claimed && local.digest == digest)
                return &local;
        return nullptr;
    }

    void LeaveAlone(const DavResource &resource, const MergeNote &note)
    {
        m_state.leftAlone.append({resource.href, resource.etag});
        m_context.outcome.notes << LeftAloneText(note);
        ++m_context.outcome.leftAlone;
    }

    void Download(const CImportedEvent &record, SyncedResource resource)
    {
        if (const std::optional<EventDigest> taken = m_context.Take(record)) {
            resource.event = *taken;
            m_state.resources.append(resource);
        } else {
            m_state.leftAlone.append({resource.href, resource.etag});
        }
    }

    // Brings one resource of the last sync and its local event together.
    bool Settle(SyncedResource &resource, ServerSide side, LocalEvent *local, bool edited)
    {
        std::optional<CImportedEvent> server;
        if (side == ServerSide::Changed) {
            const auto body = m_bodies.constFind(resource.href);
            if (body == m_bodies.cend()) {
                side = ServerSide::Deleted;
            } else if (const ResourceEvent read = ReadEventResource(body->body); !read.event) {
                LeaveAlone(*body, read.left); // no longer an event of ours: the local one goes
                side = ServerSide::Deleted;
            } else if (FittedDigest(m_context.user, *read.event) == resource.event) {
                side = ServerSide::Unchanged; // the same content under a new entity tag
                resource.etag = body->etag;
            } else {
                server = read.event;
                resource.etag = body->etag;
            }
        }
        const SyncedResource unchanged = resource;
        if (side == ServerSide::Unchanged) {
            if (!local)
                return Delete(resource);
            if (edited)
                return Update(resource, *local);
            m_state.resources.append(resource);
            return true;
        }
        if (side == ServerSide::Deleted) {
            if (local && !edited)
                m_context.Remove(*local);
            else if (local)
                local->claimed = false; // uploaded as a new event
            return true;
        }
        if (local && !edited) {
            if (const std::optional<EventDigest> taken = m_context.Replace(*local, *server)) {
                resource.event = *taken;
                m_state.resources.append(resource);
            } else {
                m_state.resources.append(unchanged);
            }
            return true;
        }
        return Conflict(resource, *server, local);
    }

    // Changed on the server, edited or deleted here: the server's version is taken as it is and
    // an edited local one is uploaded as a new event, unless both are the same.
    bool Conflict(const SyncedResource &resource, const CImportedEvent &server, LocalEvent *local)
    {
        if (local && FittedDigest(m_context.user, server) == local->digest) {
            m_state.resources.append({resource.href, resource.etag, resource.uid, local->digest});
            return true;
        }
        if (local) {
            ++m_context.outcome.conflicts;
            local->claimed = false;
        }
        m_downloads.append({server, resource});
        return true;
    }

    // Deleted here: deleted on the server unless it changed there meanwhile.
    bool Delete(const SyncedResource &resource)
    {
        const WriteResult result = m_dryRun ? WriteResult{WriteResult::Outcome::Done, {}}
                                            : m_collection.Remove(resource.href, resource.etag);
        if (result.outcome == WriteResult::Outcome::Changed)
            return Refused() && Refetched(resource, nullptr);
        ++m_context.outcome.deleted;
        return result.outcome == WriteResult::Outcome::Done;
    }

    // Edited here, unchanged on the server: updated in place, keeping what this program does not use.
    bool Update(SyncedResource &resource, LocalEvent &local)
    {
        const auto body = m_bodies.constFind(resource.href);
        const QString category = ExchangeCategoryName(m_context.user, *local.event);
        std::optional<QByteArray> updated;
        if (body != m_bodies.cend())
            updated = UpdateEventResource(body->body, *local.event, category, Clock::Today().year());
        if (!updated) {
            m_writer.Take(*local.event, category);
            updated = EventResource(m_writer, resource.uid.toUtf8());
        }
        const WriteResult result = m_dryRun ? WriteResult{WriteResult::Outcome::Done, resource.etag}
                                            : m_collection.Put(resource.href, *updated, resource.etag);
        if (result.outcome == WriteResult::Outcome::Changed)
            return Refused() && Refetched(resource, &local);
        if (result.outcome != WriteResult::Outcome::Done)
            return false;
        ++m_context.outcome.uploaded;
        m_state.resources.append({resource.href, result.etag, resource.uid, local.digest});
        return true;
    }

    // A write refused as the server's copy changed: settled again with the copy it has now.
    bool Refetched(const SyncedResource &resource, LocalEvent *local)
    {
        const std::optional<QHash<QString, DavResource>> bodies = FetchBodies(m_collection, {resource.href});
        if (!bodies)
            return false;
        m_bodies.insert(*bodies);
        SyncedResource changed = resource;
        return Settle(changed, bodies->isEmpty() ? ServerSide::Deleted : ServerSide::Changed, local, true);
    }

    // A local event no resource holds: written as a new resource, under the UID its content gives
    // (another when that is taken), or linked to the server's copy of the same content.
    bool Upload(LocalEvent &local)
    {
        const QString category = ExchangeCategoryName(m_context.user, *local.event);
        for (;;) {
            const QByteArray uid = m_writer.Take(*local.event, category);
            const QString href = m_collection.HrefFor(QString::fromUtf8(uid));
            if (KnownHrefs().contains(href))
                continue;
            KnownHrefs().insert(href);
            const QByteArray body = EventResource(m_writer, uid);
            const WriteResult result = m_dryRun ? WriteResult{WriteResult::Outcome::Done, {}}
                                                : m_collection.Put(href, body, {});
            if (result.outcome == WriteResult::Outcome::Failed)
                return false;
            SyncedResource resource{href, result.etag, QString::fromUtf8(uid), local.digest};
            if (result.outcome == WriteResult::Outcome::Done) {
                ++m_context.outcome.uploaded;
                m_state.resources.append(resource);
                return true;
            }
            if (!Refused())
                return false;
            const std::optional<QHash<QString, DavResource>> there = FetchBodies(m_collection, {href});
            if (!there)
                return false;
            const auto found = there->constFind(href);
            if (found == there->cend())
                continue;
            if (const ResourceEvent read = ReadEventResource(found->body);
                read.event && FittedDigest(m_context.user, *read.event) == local.digest) {
                resource.etag = found->etag;
                m_state.resources.append(resource);
                return true;
            }
        }
    }

    // The hrefs in use, gathered when an event is first uploaded as new.
    QSet<QString> &KnownHrefs()
    {
        if (!m_known) {
            m_known.emplace();
            for (const SyncedResource &resource : m_before)
                m_known->insert(resource.href);
            for (const DavResource &resource : m_listing.added)
                m_known->insert(resource.href);
            for (const LeftAloneResource &resource : m_state.leftAlone)
                m_known->insert(resource.href);
        }
        return *m_known;
    }

    // Counts a write the server refused as its copy changed meanwhile; false, with the reason,
    // once it has refused so many that it would hold the sync for ever.
    bool Refused()
    {
        if (++m_nRefusals <= kMaxRefusals)
            return true;
        m_error = QCoreApplication::translate("SyncReport", "Сервер снова и снова отклоняет изменения: синхронизация прервана.");
        return false;
    }

    static constexpr int kMaxRefusals = 16;

    SyncContext &m_context;
    CollectionState &m_state;
    CCollection &m_collection;
    const ServerListing m_listing;
    bool m_dryRun;
    CICalEventWriter m_writer;
    QHash<QString, DavResource> m_bodies;
    QList<SyncedResource> m_before; // the resources of the last sync
    std::optional<QSet<QString>> m_known; // hrefs in use
    QList<SyncedResource> m_linked; // new on the server, linked to an equal new event here
    LocalPairing m_pairing;
    QList<std::pair<CImportedEvent, SyncedResource>> m_downloads;
    int m_nRefusals = 0;
    QString m_error;
};

SyncOutcome Failed(const QString &error)
{
    SyncOutcome outcome;
    outcome.error = error;
    return outcome;
}

} // namespace

SyncOutcome Synchronize(CUser &user, CSyncState &state, CCollection &calendar, CCollection *addressBook,
                        bool dryRun)
{
    CSyncState next = state;
    std::optional<ServerListing> contacts;
    if (addressBook && !(contacts = ListServer(*addressBook, next.addressBook)))
        return Failed(addressBook->Error());
    std::optional<ServerListing> events = ListServer(calendar, next.calendar);
    if (!events)
        return Failed(calendar.Error());
    SyncOutcome outcome;
    CUser work = user;
    // Only the dates changed here or whose resources changed there are looked at.
    DayFingerprints fingerprints = FingerprintDays(work);
    DaySet days = ChangedDays(state.days, fingerprints);
    const auto markServerChanges = [&days](const CollectionState &part, const ServerListing &listing) {
        for (qsizetype index = 0; index < part.resources.size(); ++index)
            if (listing.side[static_cast<size_t>(index)] != ServerSide::Unchanged)
                days[DayKey(part.resources[index].event.month, part.resources[index].event.day)] = true;
    };
    markServerChanges(next.calendar, *events);
    if (contacts)
        markServerChanges(next.addressBook, *contacts);
    SyncContext context{work, LocalEvents(work, days), outcome, days};
    // The address book claims its events first: they stay out of the calendar collection.
    std::optional<CBirthdaySync> birthdays;
    if (addressBook)
        birthdays.emplace(context, next.addressBook, *addressBook, std::move(*contacts), days);
    CCalendarSync calendarSync(context, next.calendar, calendar, std::move(*events), days, dryRun);
    if (birthdays && !birthdays->Run())
        return Failed(addressBook->Error());
    if (!calendarSync.Run())
        return Failed(calendarSync.Error());
    if (!dryRun) {
        RefreshDays(work, days, fingerprints);
        next.days = std::move(fingerprints);
        if (outcome.calendarChanged)
            user = std::move(work);
        state = std::move(next);
    }
    return outcome;
}

} // namespace orvane::sync
