#pragma once

namespace trajecta {

// The lines of one keypoint: a header, the eleven properties in the order the
// host writes them, and the closing "end". Keypoint lists hold these blocks
// back to back; a KeyPoint entry of the host text has the same lines from its
// header on.
enum class KeypointLine : int {
    Header,
    Time,
    Origin,
    Opacity,
    Angle,
    ScaleX,
    ScaleY,
    Position,
    CenterPos,
    AngleX,
    AngleY,
    ZPos,
    End,
};

inline constexpr int keypointBlockLines = static_cast<int>(KeypointLine::End) + 1;

// The offset of a line from its block's header.
constexpr int offsetOf(KeypointLine line) {
    return static_cast<int>(line);
}

// The index of a line of block `block` (from 0) in a keypoint list.
constexpr int keypointLine(int block, KeypointLine line) {
    return keypointBlockLines * block + offsetOf(line);
}

} // namespace trajecta
