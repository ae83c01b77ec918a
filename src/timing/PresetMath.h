#pragma once

#include "document/CurveDocument.h"

#include <QString>
#include <vector>

namespace trajecta {

// Pure computations of the time presets. Times are the working column of the
// keypoint table; every preset leaves row 0 (the first keypoint's time from
// the start of the slide) alone.

// The pixel distance as an integer square root: s = dx² + dy², r = (s + 1) div
// 2, then at most 12 Newton steps r = (r + s div r) div 2, stopping at r <= 0.
// Two equal points give 0; very long distances keep the value after 12 steps.
int integerDistance(int x0, int y0, int x1, int y1);

// Measures the steps between consecutive sample points into `p`:
// sampleDistances (entry 0 is 0), their sum, the smallest (at least 1) and
// the largest (at least 1).
void measureDistances(const CurveGeometry& curve, TimePresetState& p);

// Constant time: the coarse slider runs up to (450000 div (count - 1)) div 20.
int constantTimeCoarseMax(int sampleCount);
// Every row but the first gets `gap`.
void applyConstantGap(std::vector<KeypointTime>& times, int gap);

// Constant speed: the shortest step takes `coefficient` ms and every other step
// a time in proportion to its length, f = coefficient / distanceMin in
// extended precision, never below 1 ms.
void applySpeedCoefficient(std::vector<KeypointTime>& times, const std::vector<int>& distances,
                           int distanceMin, int coefficient);
// The coefficient offered when the preset opens: 10000, scaled down so that
// rows 1.. add up to about 300000 ms when they would exceed it, then raised to
// the next multiple of 20 above.
int defaultSpeedCoefficient(const std::vector<int>& distances, int distanceMin, int sampleCount);

// Slow-downs of strength b over the path between row k and one end. The gap
// at k is c; at the start, rows 1..k-1 become round(c · r^(path from j to k))
// with r = b^(1/path from 0 to k); at the end, rows k+1.. become round(c ·
// r^(path from k to j)) up to about b·c on the last row. The powers are
// built by multiplying an extended-precision ratio once per pixel, so that
// the times come out exactly as they always have. A path of length 0, or a
// gap of 0 at k, leaves nothing to grow: the rows take the gap at k.
// False, with nothing changed, when k leaves no row to spread over (the start
// needs 2 <= k <= count-1, the end 1 <= k <= count-2).
bool slowDownAtStart(std::vector<KeypointTime>& times, const std::vector<int>& distances, int k, int b);
bool slowDownAtEnd(std::vector<KeypointTime>& times, const std::vector<int>& distances, int k, int b);

// Proportional change, taken from the working times when it opens: the offset
// 5 / smallest gap, and the scale at which the longest gap becomes 5000 ms,
// raised or lowered so that the scaled gaps and the first time add up to
// about 300000 ms; the step is a hundredth of the way from offset to scale.
struct ProportionalSetup {
    Extended offset = 0;
    Extended max = 0;
    Extended step = 0;
};
ProportionalSetup setupProportional(const std::vector<int>& snapshot);
// coarse · step + step / 30 · fine: each fine notch is a thirtieth of a coarse one.
Extended proportionalFactor(int coarse, int fine, Extended step);
// Rows 1..: round(snapshot · factor + offset), never below 0.
void applyProportional(std::vector<KeypointTime>& times, const std::vector<int>& snapshot, Extended factor,
                       Extended offset);

// The shortest general text of a real with at most 15 significant digits:
// fixed notation with `separator`, trailing zeros dropped, and "1,5E-7" style
// below 0.00001 or from 1E15 on.
QString shortestGeneral(Extended value, QChar separator);

// Lines of the time record LbxColTemps written by the presets.
QString constantTimeRecordLine(int gap);
QString speedRecordLine(int coefficient, int distanceSum, int distanceMin, int distanceMax);
QString proportionalRecordLine(Extended factor, Extended offset, Extended max, QChar separator);
QString slowDownRecordLine(bool atEnd, int k, int intensity);

} // namespace trajecta
