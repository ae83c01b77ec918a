#pragma once

#include <QImage>
#include <array>

namespace trajecta {

// The moments of the work that the help pages show, in the order a user meets them.
enum class HelpScene : int {
    Format,       // the work area just created for the chosen format
    Marking,      // control points being marked
    Shaping,      // the finished curve being shaped
    FramePlacing, // the frame just placed
    Times,        // a range of keypoints chosen for their times
    Parameters,   // the keypoint under the cursor with its tangent
    Finished,     // the path over the sample photo, the object on the clipboard
};
inline constexpr int helpSceneCount = 7;

// The work area at each moment, as the program draws it: one session without
// a window walks, by the user's own clicks, from the built-in sample object to
// the object on the clipboard, with a fixed curve, date and window size, so
// the pictures are the same on every run. The work area is drawn `width`
// pixels wide (16/9), the size it is shown at: smaller is quicker, and
// nothing is blurred by scaling.
std::array<QImage, helpSceneCount> renderHelpScenes(int width);

} // namespace trajecta
