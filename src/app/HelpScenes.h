#pragma once

#include "shell/HelpScene.h"

#include <QImage>
#include <array>

namespace trajecta {

// The work area at each moment, as the program draws it: one session without
// a window walks, by the user's own clicks, from the built-in sample object to
// the object on the clipboard, with a fixed curve, date and window size, so
// the pictures are the same on every run. The work area is drawn `width`
// pixels wide (16/9), the size it is shown at: smaller is quicker, and
// nothing is blurred by scaling.
std::array<QImage, helpSceneCount> renderHelpScenes(int width);

} // namespace trajecta
