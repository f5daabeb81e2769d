#include "ui/controls/picture_strip.h"

#include "res/pictures.h"

#include <QPainter>

namespace orvane {

namespace {

QPixmap LoadAt(int id, qreal ratio, const QColor &transparent)
{
    return transparent.isValid() ? LoadPicture(id, ratio, transparent) : LoadPicture(id, ratio);
}

} // namespace

bool CPictureStrip::Load(int id, const QColor &transparent)
{
    m_id = id;
    m_transparent = transparent;
    m_pix1x = LoadAt(id, 1.0, transparent);
    m_pix2x.reset();
    return !m_pix1x.isNull();
}

const QPixmap &CPictureStrip::Dense() const
{
    if (!m_pix2x) {
        m_pix2x = m_pix1x.isNull() ? QPixmap() : LoadAt(m_id, 2.0, m_transparent);
        if (m_pix2x->devicePixelRatio() <= 1.0)
            *m_pix2x = QPixmap();
    }
    return *m_pix2x;
}

QSize CPictureStrip::Size() const
{
    return m_pix1x.size();
}

void CPictureStrip::Draw(QPainter &painter, const QPoint &target, const QRect &source) const
{
    const bool dense = painter.device()->devicePixelRatioF() > 1.0 && !Dense().isNull();
    const QPixmap &picture = dense ? Dense() : m_pix1x;
    const qreal scale = picture.devicePixelRatio();
    const QRectF from(source.x() * scale, source.y() * scale, source.width() * scale,
                      source.height() * scale);
    painter.drawPixmap(QRectF(target, source.size()), picture, from);
}

} // namespace orvane
