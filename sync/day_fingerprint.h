#pragma once

#include <QtGlobal>

#include <vector>

namespace orvane {
class CUser;
}

namespace orvane::sync {

// Per date (month and day), a number summed from what each of its events holds as the sync
// compares it (texts, category name, date), whatever the events' order or slot. A date whose number is
// unchanged since the last sync holds what that sync left there, so the sync need not look at it.
using DayFingerprints = std::vector<quint64>;

constexpr int kDayKeys = 16 * 32;
// The index of a date in DayFingerprints; out-of-range dates share indexes, which only makes
// them looked at together.
inline int DayKey(int month, int day)
{
    return (month & 15) * 32 + (day & 31);
}

// Per date index: looked at by the sync.
using DaySet = std::vector<bool>;

DayFingerprints FingerprintDays(const CUser &user);
// Takes the fingerprints of the dates in `days` again.
void RefreshDays(const CUser &user, const DaySet &days, DayFingerprints &fingerprints);

// The dates whose events changed since `last` was taken (all when it is unknown).
DaySet ChangedDays(const DayFingerprints &last, const DayFingerprints &now);

} // namespace orvane::sync
