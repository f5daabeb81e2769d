#include "sync/day_fingerprint.h"

#include "exchange/exchange_document.h"
#include "store/stable_hash.h"
#include "store/user.h"

namespace orvane::sync {

DayFingerprints FingerprintDays(const CUser &user)
{
    DayFingerprints fingerprints(kDayKeys);
    RefreshDays(user, DaySet(kDayKeys, true), fingerprints);
    return fingerprints;
}

void RefreshDays(const CUser &user, const DaySet &days, DayFingerprints &fingerprints)
{
    constexpr quint64 kSeed = 0x6f7276616e65;
    for (size_t key = 0; key < days.size(); ++key)
        if (days[key])
            fingerprints[key] = 0;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        for (const CEventRecord &event : user.Slot(slot)) {
            const int key = DayKey(event.Month, event.Day);
            if (!days[key])
                continue;
            const QString category = ExchangeCategoryName(user, event);
            const QByteArrayView categoryBytes(reinterpret_cast<const char *>(category.utf16()), category.size() * 2);
            fingerprints[key] += MixBits(event.Name.Hash(kSeed) ^ MixBits(event.Notes.Hash(kSeed + 1))
                                         ^ MixBits(StableHash(categoryBytes, kSeed + 2)
                                                   + static_cast<quint64>(event.Month * 32 + event.Day)));
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
