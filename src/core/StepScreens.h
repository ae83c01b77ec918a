#pragma once

#include "core/Context.h"

namespace trajecta {

// The screens of the work: one for the entry of each step, and the screens of
// step 3 between shaping the curve and placing the frame. Each has one row in
// a table of the panels it hides and shows; every operation that enters a
// screen applies its row, and only decides in code what depends on the
// document (a frame present, enough points for tangent actions).
enum class Screen {
    Start,         // step 0: only the host object loading panel
    Format,        // step 1
    Marking,       // step 2
    Shaping,       // step 3, after marking or back from the times
    Times,         // step 4
    CurveFinished, // step 4 entered by finishing the curve: its buttons leave
    FramePlacing,  // step 3 while the frame is drawn or adjusted
    FramePlaced,   // a frame has just been drawn
    PointsEditing, // step 3 back on the points with a frame kept
    FrameErased,   // step 3 after the frame was erased
};

// Hides the panels of the screen's row, then shows its panels. Movable groups
// go through the host panel of whichever side holds them.
void showScreen(Context& ctx, Screen screen);

// Puts the entry into doc.workflow.messageIndex and shows its text in LbInfos,
// in the current language.
void setStepMessage(Context& ctx, StepMessage message);

// LblObjetCopie: how many keypoints the object last put on the clipboard
// holds (doc.shell.copiedKeypoints), in the current language; hidden while
// the object of the work is not on the clipboard.
void showCopyNotice(Context& ctx);

} // namespace trajecta
