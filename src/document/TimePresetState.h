#pragma once

#include "platform/Numbers.h"

#include <vector>

namespace trajecta {

// State of the time presets: the distances between consecutive sample points
// measured when the option list opens, and what each preset keeps between a
// slider move and "Enregistrer".
struct TimePresetState {
    std::vector<int> sampleDistances; // entry i: pixels from sample i-1 to i; entry 0 is 0
    int distanceSum = 0;
    int distanceMin = 1; // never below 1
    int distanceMax = 1;
    int speedCoefficient = 0; // ms taken by the shortest step at constant speed
    int constantGap = 0;
    std::vector<int> proportionalSnapshot; // working times when the proportional option opened
    Extended proportionalOffset = 0;
    Extended proportionalMax = 0;
    Extended proportionalStep = 0;
    Extended proportionalFactor = 0;
    int slowDownIntensity = 6;
    int slowDownRecordMark = 0; // LbxColTemps lines before the slow-down option opened
    bool slowDownApplied = false;
    int titleIndex = 0; // title of PnlVitConst: 0 constant time, 1 constant speed, 2 proportional

    bool operator==(const TimePresetState&) const = default;
};

} // namespace trajecta
