#include "sync/day_fingerprint.h"

#include "exchange/exchange_document.h"
#include "store/user.h"

#include <QHashFunctions>

namespace orvane::sync {

DayFingerprints FingerprintDays(const CUser &user)
{
    DayFingerprints fingerprints(kDayKeys);
    RefreshDays(user, DaySet(kDayKeys, true), fingerprints);
    return fingerprints;
}

void RefreshDays(const CUser &user, const DaySet &days, DayFingerprints &fingerprints)
{
    // A fixed seed: the numbers are compared across runs. Should they differ on another machine
    // or Qt, every date is merely looked at once.
    constexpr size_t kSeed = 0x6f7276616e65;
    for (size_t key = 0; key < days.size(); ++key)
        if (days[key])
            fingerprints[key] = 0;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        for (const CEventRecord &event : user.Slot(slot)) {
            const int key = DayKey(event.Month, event.Day);
            if (days[key])
                fingerprints[key] += qHashMulti(kSeed, event.Month, event.Day, event.Name.Hash(kSeed),
                                                event.Notes.Hash(kSeed), ExchangeCategoryName(user, event));
        }
    }
}

DaySet ChangedDays(const DayFingerprints &last, const DayFingerprints &now)
{
    DaySet changed(kDayKeys, true);
    if (last.size() == now.size())
        for (size_t key = 0; key < now.size(); ++key)
            changed[key] = last[key] != now[key];
    return changed;
}

} // namespace orvane::sync
