#pragma once

#include <QRgb>

namespace orvane {

// The program's background colour: light yellow, white on 256-colour displays.
inline constexpr QRgb kBackColor = qRgb(255, 255, 204);
inline constexpr QRgb kBackColor256 = qRgb(255, 255, 255);

// Drawing states of CMenuButton and CBitmapButtonEx.
enum OwnerDrawState : int {
    kStateNone = 0,    // nothing to draw (a picture button without its strip)
    kStateNormal = 1,
    kStatePressed = 2,
    kStateFocused = 3,
};

// The state a button shows: pressed while held down, else focused while it has the keyboard
// focus, else normal.
OwnerDrawState OwnerDrawStateFor(bool down, bool focused);

} // namespace orvane
