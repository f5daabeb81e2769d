#include "res/pictures.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>

// The resource registration function lives in the global namespace.
static void RegisterCompiledPictures()
{
    Q_INIT_RESOURCE(res);
}

namespace orvane {

namespace {

// Each drawing is decoded once and then shared from the pixmap cache: windows made again, and
// the frame drawn again at each resize, take the same pixels.
QPixmap LoadAtScale(int id, int scale)
{
    const QString path = PicturePath(id, scale);
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    // Read as PNG and nothing else: a reader allowed to guess would load every image plugin and
    // ask each whether it reads the file, even with the format named.
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    if (!picture.isNull()) {
        picture.setDevicePixelRatio(scale);
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

} // namespace

void InitPictures()
{
    static const bool registered = [] {
        RegisterCompiledPictures();
        return true;
    }();
    Q_UNUSED(registered);
}

QString PicturePath(int id, int scale)
{
    return scale > 1 ? QStringLiteral(":/res/%1@%2x.png").arg(id).arg(scale)
                     : QStringLiteral(":/res/%1.png").arg(id);
}

QPixmap LoadPicture(int id, qreal devicePixelRatio)
{
    InitPictures();
    if (devicePixelRatio > 1.0) {
        QPixmap picture = LoadAtScale(id, 2);
        if (!picture.isNull())
            return picture;
    }
    return LoadAtScale(id, 1);
}

QPixmap LoadPicture(int id, qreal devicePixelRatio, const QColor &transparent)
{
    const QPixmap picture = LoadPicture(id, devicePixelRatio);
    return picture.isNull() ? picture : MakeColorTransparent(picture, transparent);
}

QPixmap MakeColorTransparent(const QPixmap &picture, const QColor &transparent)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return result;
}

QIcon LoadIcon(int id)
{
    InitPictures();
    QIcon icon;
    for (const int scale : {1, 2}) {
        const QPixmap picture = LoadAtScale(id, scale);
        if (!picture.isNull())
            icon.addPixmap(picture);
    }
    return icon;
}

QIcon LoadStripIcon(int id, int index, int imageWidth, const QColor &transparent)
{
    InitPictures();
    QIcon icon;
    for (const int scale : {1, 2}) {
        // Each image is cut once and then shared: an icon made again (a tree item of each dialog
        // opened) has the same pixels, so the scaled and selected forms Qt caches for them are
        // made once too, not again for every item of every opening.
        const QString key = QStringLiteral("%1#%2/%3/%4")
                                .arg(PicturePath(id, scale))
                                .arg(index)
                                .arg(imageWidth)
                                .arg(transparent.rgba());
        QPixmap image;
        if (!QPixmapCache::find(key, &image)) {
            const QPixmap strip = LoadAtScale(id, scale);
            if (strip.isNull())
                continue;
            image = MakeColorTransparent(strip.copy(index * imageWidth * scale, 0, imageWidth * scale, strip.height()),
                                         transparent);
            image.setDevicePixelRatio(scale);
            QPixmapCache::insert(key, image);
        }
        icon.addPixmap(image);
    }
    return icon;
}

} // namespace orvane
