#include "ui/controls/dialog_units.h"

#include <QFontMetrics>

namespace orvane {

CDialogUnits::CDialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_cxBase = (alphabet / 26 + 1) / 2;
    m_cyBase = metrics.height();
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const
{
    return {x * m_cxBase / 4, y * m_cyBase / 8, width * m_cxBase / 4, height * m_cyBase / 8};
}

QSize CDialogUnits::Size(int width, int height) const
{
    return Rect(0, 0, width, height).size();
}

} // namespace orvane
