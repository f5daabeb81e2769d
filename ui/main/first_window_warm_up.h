#pragma once

namespace orvane {

// Readies what the first window needs and the calendar does not decide, while the calendar is
// still being read: its fonts shaped once and its icon decoded. Qt keeps both in its caches, so
// the window built afterwards finds them. `monitor` for the upcoming-events monitor, else the
// calendar window.
void WarmUpFirstWindow(bool monitor);

} // namespace orvane
