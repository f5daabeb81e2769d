#pragma once

#include "ui/controls/owner_draw_state.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>

namespace orvane {

// Text colour of the menu button in a drawing state: black when normal, RGB(200,50,0) when
// pressed, RGB(100,100,0) when focused, black for anything else.
QColor MenuButtonTextColor(int state);

// A flat text-only button exactly as large as its text, drawn opaque on the background colour;
// the main window's menu button that shows the year span.
class CMenuButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CMenuButton(QWidget *parent = nullptr);

    // The font of drawing and measuring (the widget's font until set).
    void SetTextFont(const QFont &font);
    // Resizes the button to the text's width and height without moving it, then shows the
    // text. Returns 0 for a null text (nothing changes), else 1.
    int SetText(const QString &text);
    // The background colour behind the text (kBackColor until set).
    void SetBackColor(const QColor &color);

    // The state the button shows now.
    OwnerDrawState State() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_clrBack;
};

} // namespace orvane
