#pragma once

#include "platform/Controls.h"

namespace trajecta {

// A control as the model keeps it: its state and its handlers. Seen only by
// the model's own files.
struct Controls::Control {
    ControlState state;
    Handler click, change, mouseDown, mouseUp;
    MouseHandler mouse;
    KeyHandler key;
    KeyFilter keyFilter;
};

} // namespace trajecta
