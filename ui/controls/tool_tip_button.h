#pragma once

#include "ui/controls/picture_strip.h"

#include <QAbstractButton>
#include <QSize>
#include <QTimer>

namespace orvane {

// Drawing states of CToolTipButton: the index of its image in the strip.
enum ToolTipButtonState : int { kTipNormal = 0, kTipPressed = 1, kTipHot = 2 };

// The image a tool-tip button shows: pressed while held down, hot while the pointer is over
// it, else normal.
ToolTipButtonState ToolTipButtonStateFor(bool down, bool hot);

// A picture button with transparent areas (magenta in its strip), hot tracking under the pointer
// and a tooltip that shows its caption: the caption itself is never drawn. The move buttons of
// the merge-days dialog and the browse buttons of the wizards.
class CToolTipButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kToolTipDelayMs = 400;   // the pointer rests this long before the tip shows
    static constexpr int kToolTipShowTimeMs = 1000; // and the tip stays this long

    // Loads the strip `firstBitmapId` of three images (normal, pressed, hot) of `size` each and
    // gives the button that size. The second picture is not drawn.
    CToolTipButton(int firstBitmapId, int secondBitmapId, QSize size, QWidget *parent = nullptr);

    // Hot tracking: the pointer came onto (true) or left (false) the button.
    virtual void SetHot(bool inside);
    bool IsHot() const { return m_bHot; }
    ToolTipButtonState State() const;

    QSize sizeHint() const override { return m_sizeImage; }

protected:
    bool event(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowToolTip();

    CPictureStrip m_strip;
    QSize m_sizeImage;
    int m_nSecondBitmapId;
    bool m_bHot = false;
    QTimer m_tipTimer{this}; // a child: found among the button's children
};

} // namespace orvane
