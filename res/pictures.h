#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvane {

// Registers the pictures compiled into the program. LoadPicture does it by itself; call it
// before loading ":/res/..." paths directly (e.g. into a QIcon). Repeated calls do nothing.
void InitPictures();

// ":/res/<id>.png" for scale 1, ":/res/<id>@2x.png" for scale 2.
QString PicturePath(int id, int scale = 1);

// The picture `id` for a device with the given pixel ratio: the @2x drawing when the ratio is
// above 1 and one exists, else the plain one. Its devicePixelRatio is set, so that
// deviceIndependentSize() is the picture's size in logical pixels on either. Null when missing.
QPixmap LoadPicture(int id, qreal devicePixelRatio = 1.0);

// The same, with every pixel of the colour `transparent` made fully transparent (magenta in the
// strips of CToolTipButton, white in the event tree's image list).
QPixmap LoadPicture(int id, qreal devicePixelRatio, const QColor &transparent);

// A copy of `picture` in which every pixel of the colour `transparent` (whatever its alpha) is
// fully transparent.
QPixmap MakeColorTransparent(const QPixmap &picture, const QColor &transparent);

// The picture `id` at both densities, for window icons.
QIcon LoadIcon(int id);

// Image `index` of the strip `id` (images `imageWidth` logical pixels wide, side by side from
// x = 0) at both densities, with `transparent` made transparent: the event tree's image list.
QIcon LoadStripIcon(int id, int index, int imageWidth, const QColor &transparent);

} // namespace orvane
