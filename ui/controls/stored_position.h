#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace orvane {

class CRegistryStore;

// A window's place kept in the registry between runs, as two values in the screen's own
// (device) pixels: the same place whatever scale the program runs at. Where the platform does
// not let a program place its windows (Wayland) nothing is read or written, and the values
// stored on another desktop stay as they are.
class StoredPosition {
public:
    StoredPosition(CRegistryStore &registry, QString section, QString keyX, QString keyY);

    // The top-left corner for a window of `size`, moved wholly onto the available area of the
    // screen the stored place lies on (of the primary screen when it lies on none); nothing when
    // no place is stored.
    std::optional<QPoint> Read(QSize size) const;
    // Keeps the place of `frame`, unless it lies wholly to the left of the screens.
    void Write(const QRect &frame) const;

private:
    CRegistryStore &m_registry;
    QString m_section;
    QString m_keyX;
    QString m_keyY;
};

} // namespace orvane
