#pragma once

#include <QFont>

namespace orvane {

// The one font of the calendar's drawing: "MS Sans Serif", 14 pixels, normal weight, or, where
// that family is not installed, the desktop's own sans-serif face at the same size.
QFont CalendarFont();

// The monitor's day headings: "Arial Cyr", 14 pixels, weight 800, or, where that family is not
// installed, the calendar font's family at that size and weight.
QFont HeadingFont();

} // namespace orvane
