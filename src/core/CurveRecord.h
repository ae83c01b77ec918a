#pragma once

#include "document/CurveDocument.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace trajecta {

// The curve record LbxCollecter: written when a curve is started and when it
// is finished, and read back by the curve file loader. Both sides live here
// so that the lines and their reading cannot drift apart.
//
//   Fait le <date>
//   -----
//   === Etape 1 ===
//   format : <screen format>
//   taille : /<W>x<H>\ (work area in pixels)
//   -----
//   === Etape 2 et 3 ===
//   parties= /<n>\ (the number of parts)
//   point <i> (<x>x<y>)  %[<px>x<py>]  Etat : /<state>\ (i = 1..N)
//   cadre : <left>,<top>,<right>,<bottom>,   or   cadre : ---
//   partie (<k>) [<samples>]                k = 0..n-1
//   Fermer la courbe : oui|non

// The first block, started with a new curve.
QStringList curveRecordStart(const QString& today, const QString& formatName, int workWidth, int workHeight);

// Appends the "=== Etape 2 et 3 ===" block of the document's curve, after
// removing any block written before. px and py are percent of the work area
// with five decimals and `separator` as decimal mark.
void writeCurveBlock(QStringList& record, const CurveDocument& doc, QChar separator);

// Removes the "=== Etape 2 et 3 ===" block (from its header after the first
// line to the end); a record without one is left as it is.
void removeCurveBlock(QStringList& record);

// The geometry a curve record holds, in the pixels of the work area it was
// recorded in.
struct RecordedCurve {
    QString formatName;
    int width = 0; // work area when the curve was recorded
    int height = 0;
    std::optional<int> partCount; // absent when the "parties" value is not a number
    std::vector<QPoint> points;
    std::vector<int> states;
    bool framePresent = false;
    FrameRect frame;
    std::vector<std::pair<int, int>> parts; // (part index 0..15, sample count)
    bool closed = false;
    // Where the lines stand: the "parties" line, followed by the point lines,
    // the frame line, the part lines and the closing line.
    qsizetype partsLine = 0;
};

// Reads the record from its first "-----" line on. The part lines are counted
// by the "parties" value, or by `previousPartCount` when that value is not a
// number. Nothing when a line is missing, a number cannot be read, there are
// more than 49 points, the part count lies outside 0..16, a part index
// outside 0..15 or a part's sample count outside 1..60; `failedLine` then
// receives the index of the line that failed (the number of lines when one
// is missing).
std::optional<RecordedCurve> readCurveRecord(const QStringList& lines, int previousPartCount,
                                             qsizetype* failedLine = nullptr);

} // namespace trajecta
