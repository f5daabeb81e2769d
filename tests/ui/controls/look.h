#pragma once

#include <QImage>
#include <QString>

namespace orvane::test {

// Saves `image` as <name>.png into the folder named by ORVANE_LOOK_DIR, when it is set, so
// that the drawings can be looked at; does nothing otherwise.
inline void SaveForLook(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVANE_LOOK_DIR");
    if (!folder.isEmpty())
        image.save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace orvane::test
