#pragma once

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

} // namespace trajecta
