#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace orvane {

// Kinds of the option tree's rows.
enum OptionKind : int { kOptionGroup = 0, kOptionCheck = 1, kOptionRadio = 2 };

// One row of the option tree.
struct OptionItem {
    int nKind = kOptionGroup;
    int nState = 0; // 1 on, 0 off; groups 0
    int nLevel = 0; // indent level: the row starts at level * 20 + 2
    int nId = 0;    // reported in notifications; groups 0
    int nImage = 0; // index into the group images; groups only
    QString strText;
    QRect rcRow; // laid out for scroll position 0
};

// One notification of the tree: an item's identifier and its new state.
struct OptionChange {
    int nId = 0;
    int nState = 0;
    bool operator==(const OptionChange &) const = default;
};

// Keys the tree acts on; every other key is left to the widget's default handling.
enum class OptionKey { Space, Up, Down, PageUp, PageDown, Home, End };

// The state of the tree's vertical scroll bar, counted in rows: range nMin..nMax with a page
// of nPage rows, so the last position a user can reach is nMax - nPage + 1.
struct OptionScrollBar {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
    bool bVisible = false;
};

// The rows, geometry, scrolling, hit testing, keyboard and radio runs of the owner-drawn option
// tree: groups with an image, check boxes and radio buttons, one 16-pixel text line each,
// indented by level. Adjacent radio rows form one run, of which one is on. The widget measures
// texts, draws and turns mouse and key events into the calls below; every call that changes
// states returns the notifications in the order the tree sends them.
class COptionTreeModel {
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kBorder = 2;
    static constexpr int kIndent = 20;
    static constexpr int kMarkWidth = 20; // image and gap before the text
    static constexpr int kWheelNotch = 120;

    // Rows are added before the tree is laid out; there is no removal.
    void AddGroup(const QString &text, int level, int image);
    void AddCheck(const QString &text, int state, int level, int id);
    void AddRadio(const QString &text, int state, int level, int id);

    // Lays the rows out once from y = 2, with the texts' widths in the control's font, and makes
    // the first item current.
    void Layout(const std::function<int(const QString &)> &textWidth);
    bool IsLaidOut() const { return m_bLaidOut; }

    void SetClientSize(QSize size) { m_szClient = size; }
    void SetScrollBarWidth(int width) { m_cxScrollBar = width; }
    QSize ClientSize() const { return m_szClient; }

    // The client area less the border and, while it shows, the scroll bar.
    QRect View() const;
    int VisibleRows() const;
    OptionScrollBar ScrollBar() const;
    // Where the scroll bar stands: along the right edge inside the border.
    QRect ScrollBarRect() const;

    const std::vector<OptionItem> &Items() const { return m_items; }
    // The row of item `index` at the present scroll position.
    QRect RowRect(int index) const;
    // Whether the row lies wholly inside the view, and so is drawn.
    bool IsRowShown(int index) const;
    int ScrollPosition() const { return m_nScrollPos; }
    int Current() const { return m_nCurrent; }
    // The group whose items the row belongs to: the nearest row above with a lower level, or -1
    // at the top level.
    int ParentRow(int index) const;
    // The rows whose ParentRow is `parent` (-1: the top-level rows), in row order.
    std::vector<int> ChildRows(int parent) const;
    // The row of the check or radio item `id`, or -1.
    int RowOfId(int id) const;

    // The item whose row holds the client point, when that row is a whole visible row; else -1.
    int HitTest(QPoint point) const;
    // A click at a client point: toggles the item hit and makes it current.
    std::vector<OptionChange> Click(QPoint point);
    // A check box flips; a radio that is off goes on and the others of its run go off (they are
    // reported first, in row order); a radio that is on and a group do nothing.
    std::vector<OptionChange> Toggle(int index);
    // Space toggles the current item; the others move it (Ctrl+Up/Down scroll instead).
    std::vector<OptionChange> KeyDown(OptionKey key, bool control);

    // Scrolls so that row `position` is the first visible row, bounded to the rows there are.
    void ScrollTo(int position);
    // A wheel turn: one notch (120) is one row; smaller steps add up to notches.
    void Wheel(int delta);
    // Scrolls the least that shows row `index` whole.
    void EnsureVisible(int index);

private:
    void Add(int kind, const QString &text, int state, int level, int id, int image);
    void MoveCurrent(int index);
    int LastIndex() const { return static_cast<int>(m_items.size()) - 1; }

    std::vector<OptionItem> m_items;
    QSize m_szClient;
    int m_cxScrollBar = 16;
    int m_nScrollPos = 0;
    int m_nCurrent = -1;
    int m_nWheelRest = 0;
    bool m_bLaidOut = false;
};

} // namespace orvane
