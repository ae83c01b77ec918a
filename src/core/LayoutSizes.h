#pragma once

namespace trajecta {

// The room the main window keeps beside and below the work area in the
// one-window layout: the right-hand column, and the bottom band with the
// message line at its top. The work area is sized to leave it; the window
// places its panels in it.
constexpr int rightColumnWidth = 221;
constexpr int bottomBandHeight = 234;
// The message line under the work area; in the two-window layout it is all
// the room kept below the work area.
constexpr int messageHeight = 30;

} // namespace trajecta
