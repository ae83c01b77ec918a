#pragma once

#include "document/CurveDocument.h"
#include "document/Keypoint.h"
#include "document/KeypointBlock.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace trajecta {

// The keypoint list as the host reads it: the speed value, the 13 lines of
// each keypoint's block, and the one place that writes them.

// The speed value: the count, each time and ";", then "1;0;" + (count - 1) + ";0;1;0;1;".
QString speedValue(const std::vector<QString>& times);
// The times of the mode-0 speed value: offset + running sum of the sample
// records' time fields, for the first `count` records.
std::vector<QString> runningTimes(const CurveDocument& doc, int count, qint64 offset);
// The times written in a keypoint list: the text after "=" in the Time line of
// each of the first `count` blocks present.
std::vector<QString> listedTimes(const QStringList& keyPoints, int count);

// A keypoint at `time` carrying the loaded object's values.
Keypoint keypointWith(const KeyPointDefaults& values, qint64 time);
// The text of a line of the block of keypoint `number` (from 1): the one
// place that writes a keypoint's lines, but for the Position line, which
// positionLine writes from the curve (empty here).
QString keypointLineText(const Keypoint& keypoint, int number, KeypointLine line);
// The 13-line block of keypoint `number` (from 1), as LbxListeKP shows it.
QStringList keyPointBlock(int number, const Keypoint& keypoint, const QString& positionLine);
// The block of a keypoint carrying the loaded values.
QStringList keyPointBlock(int number, qint64 time, const QString& positionLine,
                          const KeyPointDefaults& values);
// The value lines (Opacity to ZPos, Position apart) of blocks first..last
// (from 0) of `list` written anew from their records.
void rewriteKeypointValues(QStringList& list, const KeypointRecords& keypoints, int first, int last);
// "object KeyPoint" + number + ":KeyPoint", the first line of a block.
QString keyPointHeader(int number);
QString positionLine(double x, double y);
QString timeLine(qint64 time);

} // namespace trajecta
