#include "ui/controls/owner_draw_state.h"

namespace orvane {

OwnerDrawState OwnerDrawStateFor(bool down, bool focused)
{
    if (down)
        return kStatePressed;
    return focused ? kStateFocused : kStateNormal;
}

} // namespace orvane
