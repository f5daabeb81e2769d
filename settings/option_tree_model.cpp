#include "settings/option_tree_model.h"

#include <algorithm>

namespace orvane {

void COptionTreeModel::Add(int kind, const QString &text, int state, int level, int id, int image)
{
    OptionItem item;
    item.nKind = kind;
    item.nState = state;
    item.nLevel = level;
    item.nId = id;
    item.nImage = image;
    item.strText = text;
    m_items.push_back(item);
}

void COptionTreeModel::AddGroup(const QString &text, int level, int image)
{
    Add(kOptionGroup, text, 0, level, 0, image);
}

void COptionTreeModel::AddCheck(const QString &text, int state, int level, int id)
{
    Add(kOptionCheck, text, state, level, id, 0);
}

void COptionTreeModel::AddRadio(const QString &text, int state, int level, int id)
{
    Add(kOptionRadio, text, state, level, id, 0);
}

void COptionTreeModel::Layout(const std::function<int(const QString &)> &textWidth)
{
    int y = kBorder;
    for (OptionItem &item : m_items) {
        const int left = item.nLevel * kIndent + kBorder;
        item.rcRow = QRect(left, y, textWidth(item.strText) + kMarkWidth, kRowHeight);
        y += kRowHeight;
    }
    m_nCurrent = m_items.empty() ? -1 : 0;
    m_bLaidOut = true;
}

int COptionTreeModel::ParentRow(int index) const
{
    const int level = m_items[static_cast<size_t>(index)].nLevel;
    for (int row = index - 1; row >= 0; --row)
        if (m_items[static_cast<size_t>(row)].nLevel < level)
            return row;
    return -1;
}

std::vector<int> COptionTreeModel::ChildRows(int parent) const
{
    std::vector<int> rows;
    for (int row = parent + 1; row <= LastIndex(); ++row)
        if (ParentRow(row) == parent)
            rows.push_back(row);
    return rows;
}

int COptionTreeModel::RowOfId(int id) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [id](const OptionItem &item) { return item.nId == id; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

OptionScrollBar COptionTreeModel::ScrollBar() const
{
    OptionScrollBar bar;
    bar.nMax = std::max(LastIndex(), 0);
    bar.nPage = VisibleRows();
    bar.nPos = m_nScrollPos;
    bar.bVisible = bar.nPage < static_cast<int>(m_items.size());
    return bar;
}

QRect COptionTreeModel::View() const
{
    QRect view(QPoint(0, 0), m_szClient);
    view.adjust(kBorder, kBorder, -kBorder, -kBorder);
    if (ScrollBar().bVisible)
        view.setRight(view.right() - m_cxScrollBar);
    return view;
}

int COptionTreeModel::VisibleRows() const
{
    return std::max(m_szClient.height() - 2 * kBorder, 0) / kRowHeight;
}

QRect COptionTreeModel::ScrollBarRect() const
{
    return {m_szClient.width() - kBorder - m_cxScrollBar, kBorder, m_cxScrollBar,
            std::max(m_szClient.height() - 2 * kBorder, 0)};
}

QRect COptionTreeModel::RowRect(int index) const
{
    return m_items[static_cast<size_t>(index)].rcRow.translated(0, -m_nScrollPos * kRowHeight);
}

bool COptionTreeModel::IsRowShown(int index) const
{
    const QRect row = RowRect(index);
    const QRect view = View();
    return row.top() >= view.top() && row.bottom() <= view.bottom();
}

int COptionTreeModel::HitTest(QPoint point) const
{
    const int top = View().top();
    const int bottom = top + VisibleRows() * kRowHeight;
    for (int i = 0; i <= LastIndex(); ++i) {
        const QRect row = RowRect(i);
        if (row.contains(point))
            return row.top() >= top && row.top() < bottom ? i : -1;
    }
    return -1;
}

std::vector<OptionChange> COptionTreeModel::Click(QPoint point)
{
    const int hit = HitTest(point);
    if (hit < 0)
        return {};
    std::vector<OptionChange> changes = Toggle(hit);
    m_nCurrent = hit;
    return changes;
}

std::vector<OptionChange> COptionTreeModel::Toggle(int index)
{
    OptionItem &item = m_items[static_cast<size_t>(index)];
    std::vector<OptionChange> changes;
    if (item.nKind == kOptionCheck) {
        item.nState = item.nState ? 0 : 1;
    } else if (item.nKind == kOptionRadio && !item.nState) {
        const auto isRadio = [this](int i) {
            return i >= 0 && i <= LastIndex() && m_items[static_cast<size_t>(i)].nKind == kOptionRadio;
        };
        int first = index;
        while (isRadio(first - 1))
            --first;
        for (int i = first; isRadio(i); ++i) {
            OptionItem &other = m_items[static_cast<size_t>(i)];
            if (i != index && other.nState) {
                other.nState = 0;
                changes.push_back({other.nId, 0});
            }
        }
        item.nState = 1;
    } else {
        return {};
    }
    changes.push_back({item.nId, item.nState});
    return changes;
}

std::vector<OptionChange> COptionTreeModel::KeyDown(OptionKey key, bool control)
{
    if (m_nCurrent < 0)
        return {};
    // A page moves the cursor one row less than a page, and at least one row.
    const int page = std::max(VisibleRows() - 1, 1);
    switch (key) {
    case OptionKey::Space:
        return Toggle(m_nCurrent);
    case OptionKey::Up:
        if (control)
            ScrollTo(m_nScrollPos - 1);
        else if (m_nCurrent > 0)
            MoveCurrent(m_nCurrent - 1);
        break;
    case OptionKey::Down:
        if (control)
            ScrollTo(m_nScrollPos + 1);
        else if (m_nCurrent < LastIndex())
            MoveCurrent(m_nCurrent + 1);
        break;
    case OptionKey::PageUp:
        if (m_nCurrent > 0)
            MoveCurrent(std::max(m_nCurrent - page, 0));
        break;
    case OptionKey::PageDown:
        if (m_nCurrent < LastIndex())
            MoveCurrent(std::min(m_nCurrent + page, LastIndex()));
        break;
    case OptionKey::Home:
        if (m_nCurrent != 0)
            MoveCurrent(0);
        break;
    case OptionKey::End:
        if (m_nCurrent != LastIndex())
            MoveCurrent(LastIndex());
        break;
    }
    return {};
}

void COptionTreeModel::MoveCurrent(int index)
{
    m_nCurrent = index;
    EnsureVisible(index);
}

void COptionTreeModel::ScrollTo(int position)
{
    const int bottom = static_cast<int>(m_items.size()) - VisibleRows();
    m_nScrollPos = std::max(std::min(position, bottom), 0);
}

void COptionTreeModel::Wheel(int delta)
{
    m_nWheelRest += delta;
    const int rows = m_nWheelRest / kWheelNotch;
    m_nWheelRest -= rows * kWheelNotch;
    ScrollTo(m_nScrollPos - rows);
}

void COptionTreeModel::EnsureVisible(int index)
{
    const int rows = VisibleRows();
    const int last = m_nScrollPos + rows - 1;
    if (index < m_nScrollPos)
        ScrollTo(index);
    else if (index > last)
        ScrollTo(index + 1 - rows);
}

} // namespace orvane
