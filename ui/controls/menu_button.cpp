#include "ui/controls/menu_button.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvane {

QColor MenuButtonTextColor(int state)
{
    switch (state) {
    case kStatePressed:
        return QColor(200, 50, 0);
    case kStateFocused:
        return QColor(100, 100, 0);
    default:
        return QColor(Qt::black);
    }
}

CMenuButton::CMenuButton(QWidget *parent)
    : QAbstractButton(parent), m_clrBack(kBackColor)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMenuButton::SetTextFont(const QFont &font)
{
    setFont(font);
}

int CMenuButton::SetText(const QString &text)
{
    if (text.isNull())
        return 0;
    const QFontMetrics metrics(font());
    setFixedSize(metrics.horizontalAdvance(text), metrics.height());
    setText(text);
    return 1;
}

void CMenuButton::SetBackColor(const QColor &color)
{
    m_clrBack = color;
    update();
}

OwnerDrawState CMenuButton::State() const
{
    return OwnerDrawStateFor(isDown(), hasFocus());
}

QSize CMenuButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()), metrics.height()};
}

void CMenuButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_clrBack);
    painter.setFont(font());
    painter.setPen(MenuButtonTextColor(State()));
    painter.drawText(QPoint(0, QFontMetrics(font()).ascent()), text());
}

} // namespace orvane
