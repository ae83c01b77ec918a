#pragma once

namespace trajecta {

// The numbered steps of the work, in their order.
enum class Step : int {
    Start = 0,      // load a host object
    Format = 1,     // choose the screen format
    Marking = 2,    // mark the control points
    Shaping = 3,    // shape the curve, sample counts, frame
    Times = 4,      // keypoint times
    Parameters = 5, // keypoint parameters
    Finished = 6,   // the object is on the clipboard
};

// The entries of the message line LbInfos, numbered as the step message table.
enum class StepMessage : int {
    ChooseFormat = 1,
    MarkPoints = 2,
    ShapeCurve = 3,
    PlaceFrame = 4,
    SetTimes = 5,
    SetParameters = 6,
    ObjectOnClipboard = 7,
    NewObjectOnClipboard = 8,
};

} // namespace trajecta
