#pragma once

#include <QDate>

#include <functional>

namespace orvane {

class CRegistryStore;

// The last day that an announced walk of the coming days covered (its today + its span), kept
// in the registry under "Orvane" / "AnnouncedThrough" as decimal text YYYYMMDD and re-read on
// every call. The calendar and orvanectl share it, so that a date is announced by one of them.
class CAnnouncedThrough {
public:
    explicit CAnnouncedThrough(CRegistryStore &registry) : m_registry(registry) {}

    // The stored day; an invalid date when none is stored.
    QDate Read();
    // Unless the walk for `today` over `span` days is done already (the stored day is today +
    // span or later), runs `announce` and, when it says the days were looked at, stores today +
    // span. The stored day is never lowered (a clock set back). All of it under a lock in the
    // user's runtime folder, so that of two processes walking the same date one announces it.
    void AnnounceOnce(QDate today, int span, const std::function<bool()> &announce);

private:
    CRegistryStore &m_registry;
};

} // namespace orvane
