#pragma once

#include "platform/Controls.h"

namespace trajecta {

// Declares every control of the windows with its kind, its parent panel, its
// French caption and, for radio groups and sliders, its items and range.
void declareControls(Controls& controls);

} // namespace trajecta
