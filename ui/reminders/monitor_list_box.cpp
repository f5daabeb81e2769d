#include "ui/reminders/monitor_list_box.h"

#include "store/event_record.h"
#include "ui/controls/calendar_font.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>

#include <algorithm>
#include <numeric>

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

        // Only the names on the viewport, give or take a line, are drawn: a day of many long
        // names is far taller than the list.
        const int margin = metrics.height();
        const QRect shown = m_list.viewport()->rect().adjusted(0, -margin, 0, margin);
        const std::vector<int> &heights = m_list.NameHeights(index.row(), r.width());
        int top = r.top() + CMonitorListBox::EventsTop(day, metrics, r.width());
        for (size_t i = 0; i < day.events.size() && top <= shown.bottom(); ++i) {
            if (top + heights[i] >= shown.top()) {
                p->setPen(Qt::NoPen);
                p->setBrush(Qt::black);
                p->drawEllipse(QRect(r.left() + 22, top + 5, 4, 4));
                p->setPen(kEventColor);
                p->drawText(CMonitorListBox::NameRect(r, top), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                            day.events[i]->Name);
            }
            top += heights[i];
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
    m_rows.clear();
    for (const UpcomingDay &day : m_days) {
        addItem(day.heading);
        item(count() - 1)->setData(Qt::AccessibleTextRole, AccessibleText(day));
    }
}

QString CMonitorListBox::AccessibleText(const UpcomingDay &day)
{
    const auto cut = [](QString text, QChar end) { return text.endsWith(end) ? text.chopped(1) : text; };
    QStringList names;
    for (const CEventRecord *event : day.events)
        names.append(event->Name);
    return cut(day.heading, u':') + QStringLiteral(", ") + cut(day.dateLine, u'.') + QStringLiteral(": ")
        + names.join(QStringLiteral(", "));
}

int CMonitorListBox::RowHeight(int row, int width) const
{
    KeepMeasures(width);
    const size_t at = static_cast<size_t>(row);
    if (!m_painted) {
        if (!m_firstEstimated)
            m_firstEstimated = FirstEstimatedRow(width);
        if (at >= *m_firstEstimated)
            return EstimatedHeight(m_days[at], QFontMetrics(font()));
    }
    return MeasuredRow(row, width).height;
}

const std::vector<int> &CMonitorListBox::NameHeights(int row, int width) const
{
    return MeasuredRow(row, width).names;
}

void CMonitorListBox::KeepMeasures(int width) const
{
    if (width != m_heightsWidth || m_rows.size() != m_days.size()) {
        m_rows.assign(m_days.size(), Row());
        m_nameHeights.clear();
        m_heightsWidth = width;
        m_firstEstimated.reset();
    }
}

const CMonitorListBox::Row &CMonitorListBox::MeasuredRow(int row, int width) const
{
    KeepMeasures(width);
    Row &measured = m_rows[static_cast<size_t>(row)];
    if (measured.height == 0) {
        const UpcomingDay &day = m_days[static_cast<size_t>(row)];
        const QFontMetrics metrics(font());
        measured.names.clear();
        for (const CEventRecord *event : day.events) {
            const QString name = event->Name;
            auto known = m_nameHeights.constFind(name);
            if (known == m_nameHeights.cend())
                known = m_nameHeights.insert(name, NameHeight(name, metrics, width));
            measured.names.push_back(*known);
        }
        measured.height = ItemHeight(day, metrics, width, measured.names);
    }
    return measured;
}

size_t CMonitorListBox::FirstEstimatedRow(int width) const
{
    size_t first = 0;
    int height = 0;
    for (; first < m_days.size() && height < viewport()->height(); ++first)
        height += MeasuredRow(static_cast<int>(first), width).height;
    const QFontMetrics metrics(font());
    for (size_t row = first; row < m_days.size(); ++row)
        height += EstimatedHeight(m_days[row], metrics);
    return SliderAtShortest(height) ? first : m_days.size();
}

bool CMonitorListBox::SliderAtShortest(int height) const
{
    const QScrollBar *bar = verticalScrollBar();
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.pageStep = viewport()->height();
    option.maximum = std::max(height - option.pageStep, 0);
    const QRect slider = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    return slider.height() <= bar->style()->pixelMetric(QStyle::PM_ScrollBarSliderMin, &option, bar);
}

void CMonitorListBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_rows.clear();
    QListWidget::changeEvent(event);
}

void CMonitorListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    if (m_firstEstimated && *m_firstEstimated < m_days.size())
        QTimer::singleShot(0, this, &CMonitorListBox::doItemsLayout);
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
    std::vector<int> names;
    for (const CEventRecord *event : day.events)
        names.push_back(NameHeight(event->Name, metrics, width));
    return ItemHeight(day, metrics, width, names);
}

int CMonitorListBox::ItemHeight(const UpcomingDay &day, const QFontMetrics &metrics, int width,
                                const std::vector<int> &nameHeights)
{
    return 30 + EventsTop(day, metrics, width) - 23 + std::accumulate(nameHeights.begin(), nameHeights.end(), 0);
}

int CMonitorListBox::EstimatedHeight(const UpcomingDay &day, const QFontMetrics &metrics)
{
    return 30 + static_cast<int>(day.events.size()) * metrics.ascent();
}

int CMonitorListBox::NameHeight(const QString &name, const QFontMetrics &metrics, int width)
{
    return metrics.boundingRect(NameRect(QRect(0, 0, width, kTallest), 0),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, name).height();
}

QRect CMonitorListBox::NameRect(const QRect &item, int top)
{
    return QRect(QPoint(item.left() + kEventIndent, top), QPoint(item.right(), top + kTallest));
}

} // namespace orvane
