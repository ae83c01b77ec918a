#pragma once

#include "core/CurveRecord.h"
#include "parameters/ParameterRecord.h"
#include "timing/TimeLog.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace trajecta {

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
