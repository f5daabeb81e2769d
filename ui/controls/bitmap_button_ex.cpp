#include "ui/controls/bitmap_button_ex.h"

#include <QPainter>

namespace orvane {

std::optional<int> StripSourceX(int state, int imageWidth)
{
    switch (state) {
    case kStateNormal:
        return 0;
    case kStatePressed:
        return imageWidth;
    case kStateFocused:
        return 2 * imageWidth;
    default:
        return std::nullopt;
    }
}

CBitmapButtonEx::CBitmapButtonEx(QWidget *parent)
    : QAbstractButton(parent), m_clrBack(kBackColor)
{
    setFocusPolicy(Qt::StrongFocus);
}

int CBitmapButtonEx::LoadStrip(int bitmapId, int width)
{
    if (width < 1 || width > kMaxImageWidth)
        return 0;
    CPictureStrip strip;
    if (!strip.Load(bitmapId))
        return 0;
    m_strip = strip;
    m_sizeImage = QSize(width, m_strip.Size().height());
    updateGeometry();
    update();
    return 1;
}

void CBitmapButtonEx::SetBackColor(const QColor &color)
{
    m_clrBack = color;
    update();
}

OwnerDrawState CBitmapButtonEx::State() const
{
    if (m_strip.IsNull())
        return kStateNone;
    return OwnerDrawStateFor(isDown(), hasFocus());
}

QSize CBitmapButtonEx::sizeHint() const
{
    return m_sizeImage;
}

void CBitmapButtonEx::paintEvent(QPaintEvent *)
{
    const std::optional<int> sourceX = StripSourceX(State(), m_sizeImage.width());
    if (!sourceX)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), m_clrBack);
    m_strip.Draw(painter, QPoint(0, 0), QRect(QPoint(*sourceX, 0), m_sizeImage));
}

} // namespace orvane
