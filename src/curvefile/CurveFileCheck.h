#pragma once

#include "core/CurveRecord.h"
#include "parameters/ParameterRecord.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace trajecta {

// One time record of a curve file, as the time step recorded it.
struct TimeRecord {
    enum class Kind {
        Range,         // "début/fin" with choice 0: times set on a range
        ConstantTime,  // choice 1
        ConstantSpeed, // choice 2
        Unknown,       // another choice digit: passed over with its following line
        Proportional,  // "propo"
        SlowDownStart, // "Ralenti -début"
        SlowDownEnd,   // "Ralenti -fin"
    };
    Kind kind = Kind::Range;
    qsizetype line = 0; // index of its first line
    int first = 0, last = 0;
    int startTime = 0, endTime = 0;
    bool speedUp = false;                       // ChBxSpeedUp checked
    int gap = 0;                                // constant time, ms
    int coefficient = 0;                        // constant speed: "PourCoef", the time of the shortest step
    double factor = 0, offset = 0, maximum = 0; // proportional
    int extent = 0, strength = 0;               // slow-down
};

// The most a range field accepts, in ms.
constexpr int maxRangeTime = 45000;
// The largest gap and slow-down strength a record may carry.
constexpr int maxRecordedGap = 1000000;
constexpr int maxSlowDownStrength = 9;

// A curve file read and checked as a whole before anything is replayed.
struct CurveFileContent {
    RecordedCurve curve;
    int sampleCount = 0;
    qsizetype sizeLine = 0;
    // The first keypoint time the project was saved with, when its line reads
    // as a time the field accepts.
    std::optional<int> firstTime;
    std::vector<TimeRecord> times;
    ParameterLog parameters;
};

// Where a file fails: the index of the line (the number of lines when a line
// is missing at the end).
struct CurveFileError {
    qsizetype line = 0;
};

struct CheckedCurveFile {
    std::optional<CurveFileError> error;
    CurveFileContent content;
};

// Reads every line the loader needs and every number in them, and checks the
// limits the replay relies on: at least one part and 3n+1 points for n parts,
// at most 16 parts and 49 points, state codes that exist, coordinates and
// sizes a work area can hold, a frame of at least minFrameSide each way,
// ranges inside the curve's keypoints, range times a field accepts, a
// constant time of at least 1 ms, the parameter log right after the time
// records with its header and "---", every record closed by "---", readable
// and changing at least one parameter. `previousPartCount` stands for an
// unreadable "parties" value.
CheckedCurveFile checkCurveFile(const QStringList& lines, int previousPartCount);

// The screen format item named `name`; for a name that is none of the items
// ("16/9", "4/3", ...), the format whose proportions are nearest to the
// recorded work area's.
int formatItem(const QStringList& items, const QString& name, int width, int height);

} // namespace trajecta
