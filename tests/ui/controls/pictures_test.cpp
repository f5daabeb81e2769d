#include "look.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/main/qt_print.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct PictureCase {
    int id;
    QSize size;
};

const PictureCase kPictures[] = {
    {res::IDI_MAINFRAME, {32, 32}},     {res::IDB_EAR_TOP_RIGHT, {38, 36}},
    {res::IDB_EAR_BOTTOM_LEFT, {38, 36}}, {res::IDB_SIZE_GRIP, {31, 40}},
    {res::IDB_PREV_MONTH, {60, 30}},    {res::IDB_NEXT_MONTH, {60, 30}},
    {res::IDB_CLOSE, {60, 20}},         {res::IDB_ABOUT, {60, 20}},
    {res::IDB_MINIMIZE, {60, 20}},      {res::IDB_EVENT_TREE, {64, 16}},
    {res::IDB_MOVE_ONE_DOWN, {90, 16}}, {res::IDB_MOVE_ONE_UP, {90, 16}},
    {res::IDB_MOVE_ALL_DOWN, {90, 16}}, {res::IDB_MOVE_ALL_UP, {90, 16}},
};

TEST(Pictures, LoadAtTheStatedSizesOnBothDensities)
{
    for (const PictureCase &c : kPictures) {
        SCOPED_TRACE(c.id);
        const QPixmap plain = LoadPicture(c.id);
        EXPECT_EQ(plain.size(), c.size);
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);

        const QPixmap dense = LoadPicture(c.id, 2.0);
        EXPECT_EQ(dense.size(), c.size * 2);
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), c.size);

        // A fractional ratio still gets the denser drawing, at its own ratio of 2.
        EXPECT_EQ(LoadPicture(c.id, 1.25).deviceIndependentSize().toSize(), c.size);

        // Decoded once: a second load shares the pixels, and one after the cache was emptied
        // decodes the same drawing again.
        EXPECT_EQ(LoadPicture(c.id).cacheKey(), plain.cacheKey());
        QPixmapCache::clear();
        EXPECT_EQ(LoadPicture(c.id, 2.0).toImage(), dense.toImage());
    }
}

TEST(Pictures, ResourcePathsLoadAfterInitialisation)
{
    InitPictures();
    EXPECT_EQ(QPixmap(QStringLiteral(":/res/148.png")).size(), QSize(60, 30));
    EXPECT_EQ(QPixmap(PicturePath(res::IDB_CLOSE, 2)).size(), QSize(120, 40));
    EXPECT_TRUE(LoadPicture(999).isNull());
    EXPECT_TRUE(LoadPicture(999, 2.0, Qt::white).isNull());
}

TEST(Pictures, IconsCarryBothDensities)
{
    const QIcon icon = LoadIcon(res::IDI_MAINFRAME);
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));

    const QIcon event = LoadStripIcon(res::IDB_EVENT_TREE, 3, res::kEventTreeImageSize, Qt::white);
    ASSERT_FALSE(event.isNull());
    const QImage image = event.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);    // white ground: transparent
    EXPECT_EQ(qAlpha(image.pixel(8, 10)), 255); // the event leaf itself
}

TEST(Pictures, KeyColourBecomesTransparentWhateverItsAlpha)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 255, 255));
    image.setPixel(1, 0, qRgba(255, 0, 254, 255));
    image.setPixel(2, 0, qRgba(255, 0, 255, 128));
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(2.0);

    const QPixmap keyed = MakeColorTransparent(picture, QColor(255, 0, 255));
    EXPECT_EQ(keyed.devicePixelRatio(), 2.0);
    const QImage result = keyed.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(result.pixel(1, 0), qRgba(255, 0, 254, 255));
    EXPECT_EQ(qAlpha(result.pixel(2, 0)), 0);
}

// Strips with a transparent colour never show that colour, and are see-through around the art.
TEST(Pictures, KeyedStripsShowNothingOfTheirKeyColour)
{
    const std::pair<int, QColor> keyed[] = {
        {res::IDB_MOVE_ONE_DOWN, QColor(255, 0, 255)}, {res::IDB_MOVE_ONE_UP, QColor(255, 0, 255)},
        {res::IDB_MOVE_ALL_DOWN, QColor(255, 0, 255)}, {res::IDB_MOVE_ALL_UP, QColor(255, 0, 255)},
        {res::IDB_EVENT_TREE, QColor(Qt::white)},
    };
    for (const auto &[id, key] : keyed) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(id).arg(ratio).toStdString());
            const QImage image = LoadPicture(id, ratio, key).toImage().convertToFormat(
                QImage::Format_ARGB32);
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            int visible = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (qAlpha(pixel) == 0)
                        continue;
                    ++visible;
                    ASSERT_NE(pixel & RGB_MASK, key.rgb() & RGB_MASK) << x << ',' << y;
                }
            }
            EXPECT_GT(visible, 0);
        }
    }
}

// The main window's panel as the frame code draws it, with the decorations copied on top.
class FrameComposition {
public:
    static constexpr int W = 360;
    static constexpr int H = 280;

    explicit FrameComposition(qreal ratio)
        : m_image(QSize(W, H) * ratio, QImage::Format_ARGB32)
    {
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(QColor(255, 255, 204));
        QPainter painter(&m_image);
        painter.setPen(Qt::black);
        painter.setBrush(QColor(255, 255, 204));
        // Outline on the columns 26 and W - 28, the rows 0 and H - 2.
        painter.drawRoundedRect(QRect(26, 0, W - 28 - 26, H - 2), 15, 15);
        // The window's shape is square at the bottom-left, under the foot of the ear; a
        // rounded corner there would show its last pixels right of the decoration.
        painter.fillRect(QRect(26, H - 17, 16, 15), QColor(255, 255, 204));
        painter.drawLine(26, H - 17, 26, H - 2);
        painter.drawLine(26, H - 2, 41, H - 2);
        painter.drawLine(26, H - 36, W - 28, H - 36);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const Piece &piece : Pieces())
            painter.drawPixmap(piece.at, LoadPicture(piece.id, ratio));
    }

    struct Piece {
        int id;
        QPoint at;
        QSize size;
    };
    static std::vector<Piece> Pieces()
    {
        return {{res::IDB_EAR_TOP_RIGHT, {W - 39, 0}, {38, 36}},
                {res::IDB_EAR_BOTTOM_LEFT, {0, H - 36}, {38, 36}},
                {res::IDB_SIZE_GRIP, {W - 57, H - 41}, {31, 40}}};
    }

    // The window shape, in logical pixels.
    static bool InShape(int x, int y)
    {
        const auto inEllipse = [](int px, int py, QRect box) {
            const double cx = box.x() + box.width() / 2.0, cy = box.y() + box.height() / 2.0;
            const double dx = (px + 0.5 - cx) / (box.width() / 2.0);
            const double dy = (py + 0.5 - cy) / (box.height() / 2.0);
            return dx * dx + dy * dy <= 1.0;
        };
        const auto inRounded = [&](int px, int py) {
            if (px < 26 || px >= W - 26 || py < 0 || py >= H)
                return false;
            const int cx = std::clamp(px, 26 + 15, W - 26 - 15);
            const int cy = std::clamp(py, 15, H - 15);
            return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= 15 * 15;
        };
        return inRounded(x, y) || QRect(W - 56, 0, 43, 35).contains(x, y)
            || inEllipse(x, y, QRect(W - 26, 0, 26, 36)) || QRect(13, H - 36, 43, 35).contains(x, y)
            || inEllipse(x, y, QRect(0, H - 36, 26, 36));
    }

    // Dark: a pixel of the outline (at the logical pixel's first device pixel).
    bool Dark(int x, int y) const
    {
        const qreal r = m_image.devicePixelRatio();
        return qGray(m_image.pixel(qFloor(x * r), qFloor(y * r))) < 110;
    }

    const QImage &Image() const { return m_image; }

private:
    QImage m_image;
};

// Wherever a line of the panel meets a decoration, it goes on inside it, and a line of the
// decoration that meets its border across goes on outside: the decorations join the outline and
// the bottom strip's line without a gap or a jog.
TEST(Pictures, DecorationsContinueThePanelOutline)
{
    constexpr QRect kClient(0, 0, FrameComposition::W, FrameComposition::H);
    for (const qreal ratio : {1.0, 2.0}) {
        const FrameComposition frame(ratio);
        test::SaveForLook(frame.Image(), QStringLiteral("frame@%1").arg(ratio));
        for (const FrameComposition::Piece &piece : FrameComposition::Pieces()) {
            const QRect box(piece.at, piece.size);
            int joins = 0;
            // `inside` on the box's border, `outside` its neighbour across it, `along` the step
            // along the border.
            const auto check = [&](QPoint inside, QPoint outside, QPoint along) {
                const auto shown = [&](QPoint p) {
                    return kClient.contains(p) && FrameComposition::InShape(p.x(), p.y());
                };
                if (!shown(inside) || !shown(outside))
                    return;
                const auto dark = [&](QPoint p) { return shown(p) && frame.Dark(p.x(), p.y()); };
                const bool crossing = dark(inside) && !dark(inside + along) && !dark(inside - along);
                if (dark(outside) || crossing) {
                    EXPECT_TRUE(dark(inside) && dark(outside))
                        << "picture " << piece.id << " at ratio " << ratio << ": (" << inside.x()
                        << ',' << inside.y() << ") against (" << outside.x() << ','
                        << outside.y() << ')';
                    ++joins;
                }
            };
            for (int x = box.left(); x <= box.right(); ++x) {
                check({x, box.top()}, {x, box.top() - 1}, {1, 0});
                check({x, box.bottom()}, {x, box.bottom() + 1}, {1, 0});
            }
            for (int y = box.top(); y <= box.bottom(); ++y) {
                check({box.left(), y}, {box.left() - 1, y}, {0, 1});
                check({box.right(), y}, {box.right() + 1, y}, {0, 1});
            }
            EXPECT_GE(joins, 2) << "picture " << piece.id;
        }
    }
}

TEST(Pictures, DecorationsAreOpaque)
{
    for (const int id : {res::IDB_EAR_TOP_RIGHT, res::IDB_EAR_BOTTOM_LEFT, res::IDB_SIZE_GRIP}) {
        const QImage image = LoadPicture(id, 2.0).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << id << ": " << x << ',' << y;
    }
}

} // namespace
} // namespace orvane
