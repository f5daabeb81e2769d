#pragma once

#include <QFont>

namespace orvane {

// The one font of the calendar's drawing: "MS Sans Serif", 14 pixels, normal weight, or, where
// that family is not installed, the desktop's own sans-serif face at the same size.
QFont CalendarFont();

} // namespace orvane
