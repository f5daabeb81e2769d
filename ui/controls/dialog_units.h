#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace orvane {

// Places the controls of a dialog laid out in dialog units: a horizontal unit is a quarter of
// the dialog font's average character width, a vertical unit an eighth of its height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont &font);

    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    int m_cxBase = 0;
    int m_cyBase = 0;
};

} // namespace orvane
