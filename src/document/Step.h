#pragma once

#include <array>
#include <cstddef>

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

// What a project has done so far, in the order it is done.
enum class Done : std::size_t {
    WorkArea,     // a work area sized for the chosen format
    Marking,      // marking stopped once: tangents aligned, closing set
    Curve,        // the curve finished once: the times exist
    ParameterLog, // step 5 entered once: the parameter log exists
    Parameters,   // step 5 finished once
    Count,
};

class DoneSteps {
  public:
    bool operator[](Done d) const { return done_[static_cast<std::size_t>(d)]; }
    bool& operator[](Done d) { return done_[static_cast<std::size_t>(d)]; }
    // `first` and everything after it undone.
    void undoFrom(Done first) {
        for (std::size_t i = static_cast<std::size_t>(first); i < done_.size(); ++i)
            done_[i] = false;
    }
    void setAll(bool done) { done_.fill(done); }
    bool operator==(const DoneSteps&) const = default;

  private:
    std::array<bool, static_cast<std::size_t>(Done::Count)> done_{};
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
