#pragma once

namespace orvane {

// The status hints of the hint timer: on each tick, what the cursor rests on decides whether
// to suggest adding an event (it came onto a new day) or opening the properties (it stays on
// the panel outside the days).
class CStatusHintTracker {
public:
    // `month` and `day` as the day hit test computes them for the cursor, before deciding
    // whether that is a day; `onPanel`: the cursor is in the window, between the move strips.
    // Returns the string id to show, or 0 for none.
    int Tick(int month, int day, bool onPanel);

private:
    int m_lastMonth = 0;
    int m_lastDay = 0;
};

} // namespace orvane
