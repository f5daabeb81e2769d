#pragma once

#include "store/upcoming_days.h"

#include <QHash>
#include <QListWidget>

#include <optional>
#include <vector>

class QFontMetrics;

namespace orvane {

// The monitor's list: one item for each day that holds events to be notified, in the order of
// the days, drawn by hand with variable heights: the day's heading in bold, the date line in
// grey on the right, then a bullet and the word-wrapped name of each flagged event. No item
// can be selected.
class CMonitorListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kEventIndent = 30;

    explicit CMonitorListBox(QWidget *parent);

    // Replaces the items by `days`.
    void SetDays(std::vector<UpcomingDay> days);
    const std::vector<UpcomingDay> &Days() const { return m_days; }
    // ItemHeight of the item in `row` in the list's font, kept while the width stays: the view
    // asks for every item's size more than once as it lays them out and shows them. Until the
    // list is first painted, the items below its first frame have EstimatedHeight instead, when
    // that leaves the frame as it is (the scroll bar's slider at its shortest); the list is laid
    // out again with all heights right after that paint.
    int RowHeight(int row, int width) const;
    // NameHeight of each flagged name of the item in `row`, in the list's font, kept likewise.
    const std::vector<int> &NameHeights(int row, int width) const;

    // What assistive technology reads for the item of `day`: its texts as drawn, "heading,
    // date line: name, name", without the heading's colon and the date line's full stop.
    static QString AccessibleText(const UpcomingDay &day);

    // The height of the item of `day` in a list `width` pixels wide: 30 pixels, the height of
    // each flagged name word-wrapped in the width it is drawn in, and one line more when the
    // date line goes under the heading.
    static int ItemHeight(const UpcomingDay &day, const QFontMetrics &metrics, int width);
    // The height of `name` word-wrapped as it is drawn in an item `width` pixels wide.
    static int NameHeight(const QString &name, const QFontMetrics &metrics, int width);
    // Whether the date line, right-aligned, would run into the heading: it then goes on the
    // line under it (a font wider than the window was made for).
    static bool DateLineBelow(const UpcomingDay &day, const QFontMetrics &metrics, int width);
    // The item-relative top of the first event line: 23, or a line lower under a date line
    // that went under the heading.
    static int EventsTop(const UpcomingDay &day, const QFontMetrics &metrics, int width);
    // Where a name is drawn that starts at `top` of an item at `item`.
    static QRect NameRect(const QRect &item, int top);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Row {
        int height = 0; // 0 until measured
        std::vector<int> names;
    };
    // Forgets the measures unless they were taken in `width` for the items there are.
    void KeepMeasures(int width) const;
    // The item of `row`, measured in `width` unless it is already.
    const Row &MeasuredRow(int row, int width) const;
    // The first item below the first frame in `width`, or the count of items when the estimates
    // from it on would change that frame.
    size_t FirstEstimatedRow(int width) const;
    // Whether the scroll bar's slider is at its shortest over items `height` pixels tall in all,
    // scrolled to the top, so that taller items leave it the same.
    bool SliderAtShortest(int height) const;
    static int ItemHeight(const UpcomingDay &day, const QFontMetrics &metrics, int width,
                          const std::vector<int> &nameHeights);
    // A lower bound of ItemHeight that lays out no text: the font's ascent, less than any line,
    // for each name.
    static int EstimatedHeight(const UpcomingDay &day, const QFontMetrics &metrics);

    std::vector<UpcomingDay> m_days;
    mutable std::vector<Row> m_rows;
    // NameHeight by text, so that a name that comes again is laid out once.
    mutable QHash<QString, int> m_nameHeights;
    mutable int m_heightsWidth = -1;
    bool m_painted = false; // once painted, every item has its ItemHeight
    mutable std::optional<size_t> m_firstEstimated; // FirstEstimatedRow, until painted
};

} // namespace orvane
