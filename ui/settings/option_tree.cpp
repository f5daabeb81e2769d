#include "ui/settings/option_tree.h"

#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/settings/option_tree_accessible.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

namespace orvane {

namespace {

const QColor kMaskColour(255, 0, 255);

// Images of the mark strip.
enum MarkImage : int { kCheckOn = 0, kCheckOff = 1, kRadioOn = 2, kRadioOff = 3 };

} // namespace

COptionTree::COptionTree(QWidget *parent) : QWidget(parent)
{
    InstallOptionTreeAccessible();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_imgMarks.Load(res::IDB_OPTION_MARKS, kMaskColour);
    m_pScrollBar = new QScrollBar(Qt::Vertical, this);
    m_pScrollBar->setObjectName(QString::number(IDC_SCROLLBAR));
    m_pScrollBar->setFocusPolicy(Qt::NoFocus);
    m_pScrollBar->hide();
    connect(m_pScrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_model.ScrollTo(value);
        UpdateScrollBar();
        update();
    });
}

void COptionTree::AddGroup(int stringId, int level, int image)
{
    m_model.AddGroup(res::LoadString(stringId), level, image);
}

void COptionTree::AddCheck(int stringId, int state, int level)
{
    m_model.AddCheck(res::LoadString(stringId), state, level, stringId);
}

void COptionTree::AddRadio(int stringId, int state, int level)
{
    m_model.AddRadio(res::LoadString(stringId), state, level, stringId);
}

void COptionTree::EnsureLaidOut()
{
    if (m_model.IsLaidOut())
        return;
    const QFontMetrics metrics(font());
    m_nTextOffset = (COptionTreeModel::kRowHeight - metrics.height()) / 2;
    m_model.SetScrollBarWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    m_model.SetClientSize(size());
    m_model.Layout([&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    UpdateScrollBar();
}

void COptionTree::UpdateScrollBar()
{
    const OptionScrollBar bar = m_model.ScrollBar();
    const QSignalBlocker blocker(m_pScrollBar);
    // The bar's range counts rows with a page of visible rows; Qt's counts first rows.
    m_pScrollBar->setRange(bar.nMin, std::max(bar.nMax - bar.nPage + 1, bar.nMin));
    m_pScrollBar->setPageStep(std::max(bar.nPage, 1));
    m_pScrollBar->setValue(bar.nPos);
    m_pScrollBar->setGeometry(m_model.ScrollBarRect());
    m_pScrollBar->setVisible(bar.bVisible);
}

void COptionTree::Report(const std::vector<OptionChange> &changes)
{
    UpdateScrollBar();
    update();
    if (m_model.Current() != m_nAnnouncedRow && hasFocus()) {
        m_nAnnouncedRow = m_model.Current();
        NotifyOptionRowFocused(*this, m_nAnnouncedRow);
    }
    for (const OptionChange &change : changes) {
        NotifyOptionRowChecked(*this, m_model.RowOfId(change.nId));
        Q_EMIT itemChanged(change.nId, change.nState);
    }
}

void COptionTree::ToggleRow(int index)
{
    EnsureLaidOut();
    Report(m_model.Toggle(index));
}

void COptionTree::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_model.SetClientSize(size());
    if (m_model.IsLaidOut())
        UpdateScrollBar();
}

void COptionTree::mouseReleaseEvent(QMouseEvent *event)
{
    EnsureLaidOut();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Report(m_model.Click(event->position().toPoint()));
}

void COptionTree::keyPressEvent(QKeyEvent *event)
{
    EnsureLaidOut();
    OptionKey key;
    switch (event->key()) {
    case Qt::Key_Space:
        key = OptionKey::Space;
        break;
    case Qt::Key_Up:
        key = OptionKey::Up;
        break;
    case Qt::Key_Down:
        key = OptionKey::Down;
        break;
    case Qt::Key_PageUp:
        key = OptionKey::PageUp;
        break;
    case Qt::Key_PageDown:
        key = OptionKey::PageDown;
        break;
    case Qt::Key_Home:
        key = OptionKey::Home;
        break;
    case Qt::Key_End:
        key = OptionKey::End;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    Report(m_model.KeyDown(key, event->modifiers().testFlag(Qt::ControlModifier)));
}

void COptionTree::wheelEvent(QWheelEvent *event)
{
    EnsureLaidOut();
    m_model.Wheel(event->angleDelta().y());
    Report({});
}

void COptionTree::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    EnsureLaidOut();
    m_nAnnouncedRow = m_model.Current();
    NotifyOptionRowFocused(*this, m_nAnnouncedRow);
    update();
}

void COptionTree::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void COptionTree::paintEvent(QPaintEvent *)
{
    EnsureLaidOut();
    QPainter painter(this);
    DrawBackground(painter);
    const QRect view = m_model.View();
    painter.setClipRect(view);
    painter.setFont(font());
    const int count = static_cast<int>(m_model.Items().size());
    for (int i = 0; i < count && m_model.RowRect(i).bottom() <= view.bottom(); ++i)
        DrawItem(painter, i);
}

void COptionTree::DrawBackground(QPainter &painter) const
{
    const QPalette &colours = palette();
    const QRect r = rect();
    // A sunken double border: shadow and highlight outside, dark shadow and face inside.
    const auto frame = [&painter](QRect box, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    frame(r, colours.color(QPalette::Dark), colours.color(QPalette::Light));
    frame(r.adjusted(1, 1, -1, -1), colours.color(QPalette::Shadow),
          colours.color(QPalette::Button));
    painter.fillRect(m_model.View(), colours.color(QPalette::Base));
}

void COptionTree::DrawItem(QPainter &painter, int index) const
{
    if (!m_model.IsRowShown(index))
        return;
    const OptionItem &item = m_model.Items()[static_cast<size_t>(index)];
    const QRect row = m_model.RowRect(index);
    const QPalette &colours = palette();
    const bool focused = index == m_model.Current() && hasFocus();

    painter.fillRect(QRect(row.left(), row.top(), 16, row.height()), colours.color(QPalette::Base));
    const QRect textArea(QPoint(row.left() + 18, row.top()),
                         QPoint(row.right() + 2, row.bottom()));
    painter.fillRect(textArea, colours.color(focused ? QPalette::Highlight : QPalette::Base));
    if (focused) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(colours.color(QPalette::Base));
        painter.drawRect(textArea.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(colours.color(QPalette::PlaceholderText), 1, Qt::DotLine));
        painter.drawRect(textArea.adjusted(0, 0, -1, -1));
    }

    if (item.nKind == kOptionGroup) {
        m_imgGroups.Draw(painter, row.topLeft(),
                         QRect(item.nImage * kGroupImageSize, 0, kGroupImageSize, kGroupImageSize));
    } else {
        const int mark = item.nKind == kOptionCheck ? (item.nState ? kCheckOn : kCheckOff)
                                                    : (item.nState ? kRadioOn : kRadioOff);
        m_imgMarks.Draw(painter, row.topLeft(), QRect(mark * kMarkSize, 0, kMarkSize, kMarkSize));
    }

    painter.setPen(colours.color(focused ? QPalette::HighlightedText : QPalette::Text));
    const QRect text(QPoint(row.left() + COptionTreeModel::kMarkWidth, row.top() + m_nTextOffset),
                     row.bottomRight());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, item.strText);
}

} // namespace orvane
