#pragma once

#include <QtGlobal>

namespace orvane {

// The day selected in the main window: month 1..12 and day 1..31, both 0 while none is.
struct SelectedDate {
    quint8 month = 0;
    quint8 day = 0;

    bool IsSet() const { return month != 0 && day != 0; }
    void Clear() { month = day = 0; }
};

} // namespace orvane
