#pragma once

#include "ui/controls/owner_draw_state.h"
#include "ui/controls/picture_strip.h"

#include <QAbstractButton>
#include <QColor>

#include <optional>

namespace orvane {

// Where the image of a state starts in a strip of images `imageWidth` wide: 0 for normal,
// imageWidth for pressed, 2 x imageWidth for focused; nothing for any other state.
std::optional<int> StripSourceX(int state, int imageWidth);

// A flat picture button drawn from a strip of three images (normal, pressed, focused): the
// main window's "_", "X", "?", ">>" and "<<".
class CBitmapButtonEx : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kMaxImageWidth = 500;

    explicit CBitmapButtonEx(QWidget *parent = nullptr);

    // Loads strip `bitmapId` whose images are `width` pixels wide (as high as the strip).
    // Returns 1 when loaded, 0 when the width is not 1..500 or the picture cannot be loaded;
    // until a strip is loaded the button draws nothing.
    int LoadStrip(int bitmapId, int width);
    // The colour the button fills before drawing its image (kBackColor until set).
    void SetBackColor(const QColor &color);

    // kStateNone until a strip is loaded, then the state the button shows now.
    OwnerDrawState State() const;
    // The size of one image (empty until a strip is loaded).
    QSize ImageSize() const { return m_sizeImage; }

    // The image size: the button is as large as one image of its strip.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CPictureStrip m_strip;
    QSize m_sizeImage;
    QColor m_clrBack;
};

} // namespace orvane
