#pragma once

#include <QDate>

#include <array>

namespace orvane {

// One month of the visible span.
struct MonthInfo {
    int x = 0;       // client x of the block's left edge (the weekday column starts here)
    int y = 0;       // client y of the top of the first weekday row
    int nDays = 31;  // length of the month in nYear
    int nOffset = 0; // cells before day 1 in a Monday-first week: 0 for a Monday, 6 for a Sunday
    int nYear = 0;   // the year in which the month is shown
};

// 12 gives 1, 1..11 give the next month, anything else comes back unchanged.
int NextMonth(int month);
// 1 (or less) gives 12, 2..12 give the month before.
int PreviousMonth(int month);

// The twelve months beginning with the first month shown, each with its year, and the date the
// calendar takes as today. Entry m - 1 describes month m.
class CMonthTable {
public:
    CMonthTable();

    // A month outside 1..12 reads the entry of January.
    MonthInfo &Info(int month);
    const MonthInfo &Info(int month) const;

    int FirstMonth() const { return m_nFirstMonth; }
    QDate Today() const { return m_timeToday; }

    // Today's month becomes the first month, in today's year; the others follow it.
    void SetToday(QDate today);

    // Paging by one month. A step that would give a month a year QDate cannot hold is refused
    // (false) and changes nothing.
    bool PageForward();
    bool PageBackward();

    // Reassigns years, February's length and the first weekdays from the first month's year.
    // Forward: the first month keeps its year and the eleven after it follow. Backward: the
    // first month has just been moved one back and gets the year before the one it had.
    void UpdateYears(bool forward);

    // Whether `month` is one of the first `scale` months of the span.
    bool IsVisible(int month, int scale) const;

    // Walks the first `scale` months of the span in order.
    template <typename F>
    void ForEachVisible(int scale, F &&visit) const
    {
        int month = m_nFirstMonth;
        for (int i = 0; i < scale; ++i) {
            visit(i, month);
            month = NextMonth(month);
        }
    }

private:
    // Whether a span beginning with `firstMonth` of `firstYear` has a date QDate can hold for
    // the 1st of each of its twelve months.
    static bool CanHoldSpanFrom(int firstMonth, qint64 firstYear);

    std::array<MonthInfo, 12> m_aMonthInfo{};
    int m_nFirstMonth = 0;
    QDate m_timeToday;
};

} // namespace orvane
