#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace trajecta {

struct CurveDocument;

// Operations on a finished keypoint list (blocks of keypointBlockLines lines,
// as LbxListeKP holds them) that leave the curve alone: run the path the other
// way round, turn the object over, keep the keypoints between two ends.
//
// `gaps` are the keypoints' time fields in ms: gaps[0] the first keypoint's
// time from the slide's beginning, gaps[i] the time since keypoint i - 1. A
// list must hold exactly one block per gap. An operation that cannot be done
// soundly returns a fault and leaves its input alone; it never returns half
// a list.

enum class ListFault {
    None,
    NotOneBlockPerKeypoint, // the list is not whole blocks, one per time field
    AngleNotANumber,        // an Angle line does not read as a number
    NothingLeft,            // the ends to delete leave no keypoint
};

struct ListResult {
    QStringList lines;
    ListFault fault = ListFault::None;
    int block = -1;  // AngleNotANumber: the first such block, from 0
    QString badText; // AngleNotANumber: its text after "="
    bool ok() const { return fault == ListFault::None; }
};

// The message for a refused operation, in the given language (0 French, 1 English).
QString refusalMessage(ListFault fault, int block, const QString& badText, int language);

// The keypoints' time fields: the first keypoint's time from the slide's
// beginning, then the time since the keypoint before, one per sample point.
std::vector<int> keypointGaps(const CurveDocument& doc);

// The time between keypoints b - 1 and b of the path as it runs: gaps[b], or
// gaps[n - b] once the path is reversed (n gaps, 0 < b < n).
inline qint64 gapBefore(const std::vector<int>& gaps, int b, bool reversed) {
    return gaps[static_cast<size_t>(reversed ? static_cast<int>(gaps.size()) - b : b)];
}

// Whether `list` holds exactly one block per gap, at least one.
bool oneBlockPerKeypoint(const QStringList& list, const std::vector<int>& gaps);

// The path the other way round: block a takes the Position and Angle lines of
// block n-1-a, and the Time lines are rebuilt so that the first keypoint keeps
// the first time and the gaps come in reverse order (the old motion played
// backwards). Every other line stays in its place, so opacity, scale, centre
// and 3D values keep their order in time. With `turnOver`, 180 degrees are
// added to every angle as by addToAngles; a bad angle's block is then the
// one of `list`.
ListResult reverseKeypoints(const QStringList& list, const std::vector<int>& gaps, bool turnOver,
                            QChar decimalSeparator);

// LbxKPinverse as the keypoint list and the times now stand: the list run the
// other way round, turned over when doc.extras.turnedOver. Built anew before
// every transfer of the reversed path, so that parameters recorded in the
// keypoint list since the reversal are never left out.
ListResult reversedInForce(const CurveDocument& doc, QChar decimalSeparator);

// `degrees` added to every Angle line. An angle is read with either "." or
// the user's decimal separator as its mark, and written in the host's number
// form ("  Angle=" + formatNumber). Refused when the list is not whole blocks
// or an angle does not read as a number.
ListResult addToAngles(const QStringList& list, double degrees, QChar decimalSeparator);

// The blocks left after deleting `atStart` keypoints at the start and `atEnd`
// at the end, renumbered from 1. With `retime`, their Time lines are rewritten
// so that the first keeps the first keypoint's time (gaps[0]) and each gap
// between two kept keypoints is the one between them in `list`: the gaps of
// the path as it runs, reversed when `reversed` (the list was built by
// reverseKeypoints from these gaps). Without it, the kept keypoints keep their
// times.
ListResult keepBlocks(const QStringList& list, const std::vector<int>& gaps, int atStart, int atEnd,
                      bool retime, bool reversed);

} // namespace trajecta
