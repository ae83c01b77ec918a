#pragma once

#include <QStringList>
#include <optional>
#include <vector>

namespace trajecta {

// The log of the time step read back: the records a replay makes again.

inline const QString timeLogHeader = QStringLiteral("=== Etape 4 le temps ===");

// One time record, as the time step writes it to its log (LbxColTemps).
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

// A keypoint time beyond this (over a day) no longer means anything to the
// host. A range end may hold any time a keypoint had: "Début" and "Fin" load
// it, even above what may be typed.
constexpr int maxKeypointTime = 86400000;
// The largest gap and slow-down strength a record may carry.
constexpr int maxRecordedGap = 1000000;
constexpr int maxSlowDownStrength = 9;

// Whether a record's times follow the length of the path's steps.
bool measuresThePath(const TimeRecord& record);

// The first time's line (line 1 of the log) exactly as the time step writes
// it, with a time the field accepts; nothing otherwise.
std::optional<int> recordedFirstTime(const QString& line);

// The records from line `from` to the next line that begins with "=", whose
// index goes to `end` (the number of lines when there is none), for a curve of
// `sampleCount` keypoints. Returns the index of the first line that fails, or
// -1.
qsizetype readTimeRecords(const QStringList& lines, qsizetype from, int sampleCount,
                          std::vector<TimeRecord>& records, qsizetype& end);

} // namespace trajecta
