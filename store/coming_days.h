#pragma once

#include <QDate>

#include <array>
#include <bitset>

namespace orvane {

// The dates of the year whose next occurrence lies within today .. today + span, following real
// dates across month and year ends (29 February in a year that has it, else with 1 March, where
// the upcoming days' walk announces its events). Events on these
// dates keep their notify flag when the calendar is read; every other event's flag is set again,
// so that it is announced when its day comes near once more.
class CComingDays {
public:
    CComingDays(QDate today, int span);

    bool Contains(int month, int day) const;

private:
    std::array<std::bitset<32>, 13> m_days; // [month][day]
};

} // namespace orvane
