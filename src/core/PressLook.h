#pragma once

#include "platform/Controls.h"

namespace trajecta {

// A caption that acts as a button on its own panel: pressing lowers the
// panel's bevel and shrinks the caption, releasing raises and restores them.
inline void registerPressLook(Controls& c, AnyControlId button, AnyControlId panel) {
    c.onMouseDown(button, [&c, button, panel] {
        c.setLowered(panel, true);
        c.setFontHeight(button, -20);
    });
    c.onMouseUp(button, [&c, button, panel] {
        c.setLowered(panel, false);
        c.setFontHeight(button, -21);
    });
}

} // namespace trajecta
