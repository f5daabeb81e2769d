#include "ui/reminders/monitor_list_box.h"

#include "store/event_record.h"
#include "ui/controls/calendar_font.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace orvane {

namespace {

const QColor kBackColor(255, 255, 204);
const QColor kTextColor(50, 50, 50);
const QColor kDateColor(192, 192, 192);
const QColor kEventColor(80, 60, 50);
constexpr int kTallest = 100000;

class MonitorItemDelegate : public QAbstractItemDelegate {
public:
    explicit MonitorItemDelegate(CMonitorListBox &list) : QAbstractItemDelegate(&list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const int width = m_list.viewport()->width();
        return {width, m_list.RowHeight(index.row(), width)};
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const UpcomingDay &day = Day(index);
        const QRect r = option.rect;
        p->save();
        p->fillRect(r, kBackColor);
        p->setPen(kTextColor);
        p->setFont(HeadingFont());
        p->drawText(r.adjusted(3, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, day.heading);
        p->setFont(m_list.font());
        p->setPen(kDateColor);
        const QFontMetrics metrics(m_list.font());
        const bool below = CMonitorListBox::DateLineBelow(day, metrics, r.width());
        p->drawText(r.adjusted(0, 3 + (below ? QFontMetrics(HeadingFont()).height() : 0), -5, 0),
                    Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, day.dateLine);

        int top = r.top() + CMonitorListBox::EventsTop(day, metrics, r.width());
        for (const CEventRecord *event : day.events) {
            p->setPen(Qt::NoPen);
            p->setBrush(Qt::black);
            p->drawEllipse(QRect(r.left() + 22, top + 5, 4, 4));
            p->setPen(kEventColor);
            QRect drawn;
            p->drawText(CMonitorListBox::NameRect(r, top), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                        event->Name, &drawn);
            top += drawn.height();
        }
        p->restore();
    }

private:
    const UpcomingDay &Day(const QModelIndex &index) const
    {
        return m_list.Days()[static_cast<size_t>(index.row())];
    }

    CMonitorListBox &m_list;
};

} // namespace

CMonitorListBox::CMonitorListBox(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new MonitorItemDelegate(*this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the width the items are measured in never changes under them.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(false);
    setFont(CalendarFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kBackColor);
    setPalette(colours);
}

void CMonitorListBox::SetDays(std::vector<UpcomingDay> days)
{
    clear();
    m_days = std::move(days);
    m_heights.clear();
    for (const UpcomingDay &day : m_days)
        addItem(day.heading);
}

int CMonitorListBox::RowHeight(int row, int width) const
{
    if (width != m_heightsWidth || m_heights.size() != m_days.size()) {
        m_heights.assign(m_days.size(), 0);
        m_heightsWidth = width;
    }
    int &height = m_heights[static_cast<size_t>(row)];
    if (height == 0)
        height = ItemHeight(m_days[static_cast<size_t>(row)], QFontMetrics(font()), width);
    return height;
}

void CMonitorListBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_heights.clear();
    QListWidget::changeEvent(event);
}

bool CMonitorListBox::DateLineBelow(const UpcomingDay &day, const QFontMetrics &metrics, int width)
{
    constexpr int kGap = 6;
    const int heading = QFontMetrics(HeadingFont()).horizontalAdvance(day.heading);
    return 3 + heading + kGap + metrics.horizontalAdvance(day.dateLine) + 5 > width;
}

int CMonitorListBox::EventsTop(const UpcomingDay &day, const QFontMetrics &metrics, int width)
{
    return 23 + (DateLineBelow(day, metrics, width) ? QFontMetrics(HeadingFont()).height() : 0);
}

int CMonitorListBox::ItemHeight(const UpcomingDay &day, const QFontMetrics &metrics, int width)
{
    int height = 30 + EventsTop(day, metrics, width) - 23;
    const QRect item(0, 0, width, kTallest);
    for (const CEventRecord *event : day.events)
        height += metrics.boundingRect(NameRect(item, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                       event->Name).height();
    return height;
}

QRect CMonitorListBox::NameRect(const QRect &item, int top)
{
    return QRect(QPoint(item.left() + kEventIndent, top), QPoint(item.right(), top + kTallest));
}

} // namespace orvane
