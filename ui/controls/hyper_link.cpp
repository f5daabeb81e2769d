#include "ui/controls/hyper_link.h"

#include "ui/controls/link_opener.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvane {

QColor LinkTextColour(quint32 style, bool hover, bool active, bool visited)
{
    if (hover && (style & LinkStyle::HoverColour))
        return kLinkHoverColour;
    if (active && !(style & LinkStyle::NoActiveColour))
        return kLinkActiveColour;
    return visited ? kLinkVisitedColour : kLinkColour;
}

QRect FitLinkRect(QRect window, QSize border, QSize text, Qt::Alignment alignment)
{
    QRect r = window;
    if (alignment & Qt::AlignVCenter) {
        const int d = (r.height() - text.height()) / 2;
        r.setTop(r.top() + d);
        r.setHeight(window.height() - 2 * d);
    } else {
        r.setHeight(text.height());
    }
    if (alignment & Qt::AlignHCenter) {
        const int d = (r.width() - text.width()) / 2;
        r.setLeft(r.left() + d);
        r.setWidth(window.width() - 2 * d);
    } else if (alignment & Qt::AlignRight) {
        r.setLeft(window.left() + window.width() - text.width());
    } else {
        r.setWidth(text.width());
    }
    r.setSize(r.size() + border);
    return r;
}

CHyperLink::CHyperLink(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void CHyperLink::Attach()
{
    if (m_strTarget.isEmpty())
        m_strTarget = text();
    if (text().isEmpty())
        setText(m_strTarget);
    m_bAttached = true;
    ApplyStyle();
    setToolTip(m_strTarget);
}

void CHyperLink::SetLinkTarget(const QString &target)
{
    m_strTarget = target;
    if (!m_bAttached)
        return;
    FitToText();
    setToolTip(m_strTarget);
}

bool CHyperLink::ChangeStyle(quint32 remove, quint32 add, bool apply)
{
    if (remove & add)
        return false;
    m_dwLinkStyle = (m_dwLinkStyle & ~remove) | add;
    if (apply && m_bAttached)
        ApplyStyle();
    return true;
}

void CHyperLink::ApplyStyle()
{
    QFont link = font();
    link.setUnderline((m_dwLinkStyle & LinkStyle::Underline) != 0);
    setFont(link);
    setCursor((m_dwLinkStyle & LinkStyle::NoHandCursor) ? Qt::ArrowCursor : Qt::PointingHandCursor);
    setFocusPolicy((m_dwLinkStyle & LinkStyle::TakeFocus) ? Qt::StrongFocus : Qt::TabFocus);
    FitToText();
    UpdateColour();
}

void CHyperLink::FitToText()
{
    if (!(m_dwLinkStyle & LinkStyle::AutoSize))
        return;
    const QSize border = size() - contentsRect().size();
    const QSize textSize = QFontMetrics(font()).size(Qt::TextSingleLine, text());
    setGeometry(FitLinkRect(geometry(), border, textSize, alignment()));
}

void CHyperLink::UpdateColour()
{
    const QColor colour = LinkTextColour(m_dwLinkStyle, m_bHover, m_bActive, m_bVisitedLink);
    if (palette().color(QPalette::WindowText) == colour)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void CHyperLink::ActivateLink()
{
    if (!OpenTargetOrComplain(m_strTarget))
        return;
    m_bVisitedLink = true;
    UpdateColour();
}

void CHyperLink::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    m_bHover = true;
    UpdateColour();
}

void CHyperLink::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    m_bHover = false;
    UpdateColour();
}

void CHyperLink::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (m_dwLinkStyle & LinkStyle::TakeFocus)
        setFocus(Qt::MouseFocusReason);
    if (m_dwLinkStyle & LinkStyle::OnPress)
        ActivateLink();
    m_bActive = true;
    UpdateColour();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent *event)
{
    // A press dragged off the link opens nothing.
    if (event->button() == Qt::LeftButton && m_bActive && !(m_dwLinkStyle & LinkStyle::OnPress)
        && rect().contains(event->position().toPoint()))
        ActivateLink();
}

void CHyperLink::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        ActivateLink();
    else
        QLabel::keyPressEvent(event);
}

void CHyperLink::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    m_bActive = true;
    UpdateColour();
}

void CHyperLink::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    m_bHover = false;
    m_bActive = false;
    UpdateColour();
}

} // namespace orvane
