#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/picture_strip.h"
#include "ui/main/qt_print.h"

#include <QPainter>
#include <QPixmapCache>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Each picture at its size, decoded once; any ratio above 1 takes the drawing at 2.
TEST(Pictures, LoadAtTheStatedSizesOnBothDensities)
{
    const std::pair<int, QSize> pictures[] = {
        {res::IDI_MAINFRAME, {32, 32}}, {res::IDB_EAR_TOP_RIGHT, {38, 36}}, {res::IDB_EAR_BOTTOM_LEFT, {38, 36}},
        {res::IDB_SIZE_GRIP, {31, 40}}, {res::IDB_PREV_MONTH, {60, 30}},    {res::IDB_NEXT_MONTH, {60, 30}},
        {res::IDB_CLOSE, {60, 20}},     {res::IDB_ABOUT, {60, 20}},         {res::IDB_MINIMIZE, {60, 20}},
        {res::IDB_EVENT_TREE, {64, 16}}, {res::IDB_MOVE_ONE_DOWN, {90, 16}}, {res::IDB_MOVE_ONE_UP, {90, 16}},
        {res::IDB_MOVE_ALL_DOWN, {90, 16}}, {res::IDB_MOVE_ALL_UP, {90, 16}},
    };
    for (const auto &[id, size] : pictures) {
        const QPixmap plain = LoadPicture(id);
        EXPECT_EQ(plain.size(), size) << id;
        EXPECT_EQ(LoadPicture(id).cacheKey(), plain.cacheKey()) << id;
        const QPixmap dense = LoadPicture(id, 1.25);
        EXPECT_EQ(dense.size(), size * 2) << id;
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), size) << id;
        QPixmapCache::clear();
        EXPECT_EQ(LoadPicture(id, 2.0).toImage(), dense.toImage()) << id;
    }
    EXPECT_TRUE(LoadPicture(999, 2.0).isNull());
}

// On a dense screen a strip draws its denser drawing, in the same place.
TEST(PictureStrip, DrawsTheDenserDrawingOnDenseDevices)
{
    CPictureStrip strip;
    ASSERT_TRUE(strip.Load(res::IDB_ABOUT));
    QImage dense(40, 40, QImage::Format_ARGB32);
    dense.setDevicePixelRatio(2.0);
    dense.fill(Qt::transparent);
    {
        QPainter painter(&dense);
        strip.Draw(painter, QPoint(0, 0), QRect(20, 0, 20, 20));
    }
    EXPECT_EQ(dense, LoadPicture(res::IDB_ABOUT, 2.0).toImage().copy(40, 0, 40, 40).convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(strip.Load(999));
    EXPECT_TRUE(strip.IsNull());
}

} // namespace
} // namespace orvane
