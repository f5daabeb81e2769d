#pragma once

#include <QDate>

#include <functional>

namespace orvane {

// The date the program takes as today. ORVANE_TODAY=YYYY-MM-DD overrides the system clock;
// tests inject a function instead.
class Clock {
public:
    static QDate Today();
    // Replaces the source of today's date; an empty function restores the default.
    static void SetSource(std::function<QDate()> source);
};

} // namespace orvane
