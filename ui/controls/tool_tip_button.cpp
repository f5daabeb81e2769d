#include "ui/controls/tool_tip_button.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace orvane {

ToolTipButtonState ToolTipButtonStateFor(bool down, bool hot)
{
    if (down)
        return kTipPressed;
    return hot ? kTipHot : kTipNormal;
}

CToolTipButton::CToolTipButton(int firstBitmapId, int secondBitmapId, QSize size, QWidget *parent)
    : QAbstractButton(parent), m_sizeImage(size), m_nSecondBitmapId(secondBitmapId)
{
    m_strip.Load(firstBitmapId, QColor(255, 0, 255));
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_tipTimer.setSingleShot(true);
    m_tipTimer.setTimerType(Qt::PreciseTimer); // never early, as a coarse timer may be
    m_tipTimer.setInterval(kToolTipDelayMs);
    connect(&m_tipTimer, &QTimer::timeout, this, &CToolTipButton::ShowToolTip);
}

void CToolTipButton::SetHot(bool inside)
{
    if (inside == m_bHot)
        return;
    m_bHot = inside;
    if (inside) {
        m_tipTimer.start();
    } else {
        m_tipTimer.stop();
        QToolTip::hideText();
    }
    update();
}

ToolTipButtonState CToolTipButton::State() const
{
    return ToolTipButtonStateFor(isDown(), m_bHot);
}

bool CToolTipButton::event(QEvent *event)
{
    // The button shows its own tip on its own delay; the widget's tooltip request is not used.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QAbstractButton::event(event);
}

void CToolTipButton::enterEvent(QEnterEvent *event)
{
    SetHot(true);
    QAbstractButton::enterEvent(event);
}

void CToolTipButton::leaveEvent(QEvent *event)
{
    SetHot(false);
    QAbstractButton::leaveEvent(event);
}

void CToolTipButton::mouseMoveEvent(QMouseEvent *event)
{
    SetHot(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void CToolTipButton::mousePressEvent(QMouseEvent *event)
{
    m_tipTimer.stop();
    QToolTip::hideText();
    QAbstractButton::mousePressEvent(event);
}

void CToolTipButton::paintEvent(QPaintEvent *)
{
    if (m_strip.IsNull())
        return;
    QPainter painter(this);
    m_strip.Draw(painter, QPoint(0, 0),
                 QRect(QPoint(State() * m_sizeImage.width(), 0), m_sizeImage));
}

void CToolTipButton::ShowToolTip()
{
    if (!m_bHot || text().isEmpty())
        return;
    QToolTip::showText(QCursor::pos(), text(), this, rect(), kToolTipShowTimeMs);
}

} // namespace orvane
