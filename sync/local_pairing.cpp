#include "sync/local_pairing.h"

#include "store/user.h"

#include <QHash>

namespace orvane::sync {

std::vector<LocalEvent> LocalEvents(CUser &user, const DaySet &days)
{
    std::vector<LocalEvent> locals;
    for (int slot = 0; slot < kDaySlots; ++slot)
        for (auto event = user.Slot(slot).begin(); event != user.Slot(slot).end(); ++event)
            if (days[DayKey(event->Month, event->Day)])
                locals.push_back({slot, event, DigestOf(user, *event)});
    return locals;
}

LocalPairing PairLocalEvents(const QList<SyncedResource> &resources, std::vector<LocalEvent> &locals,
                             const DaySet &days)
{
    LocalPairing pairing;
    pairing.localOf.resize(resources.size());
    pairing.edited.resize(resources.size());
    pairing.carried.resize(resources.size());
    QMultiHash<QByteArray, size_t> byContent;
    for (size_t index = resources.size(); index-- > 0;) { // so that the first inserted comes first
        const EventDigest &event = resources[index].event;
        if (event.month == 0)
            continue;
        if (days[DayKey(event.month, event.day)])
            byContent.insert(event.Key(), index);
        else
            pairing.carried[index] = true;
    }
    std::vector<size_t> left;
    for (size_t local = 0; local < locals.size(); ++local) {
        if (locals[local].claimed)
            continue;
        const auto found = byContent.find(locals[local].digest.Key());
        if (found == byContent.end()) {
            left.push_back(local);
            continue;
        }
        pairing.localOf[*found] = local;
        locals[local].claimed = true;
        byContent.erase(found);
    }
    for (const size_t local : left) {
        for (auto it = byContent.begin(); it != byContent.end(); ++it) {
            if (resources[*it].event.SharesAText(locals[local].digest)) {
                pairing.localOf[*it] = local;
                pairing.edited[*it] = true;
                locals[local].claimed = true;
                byContent.erase(it);
                break;
            }
        }
    }
    return pairing;
}

} // namespace orvane::sync
