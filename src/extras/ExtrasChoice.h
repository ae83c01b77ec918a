#pragma once

#include "document/CurveDocument.h"
#include "host/KeypointList.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace trajecta {

// What the Extras dialog shows and does for a choice of its controls, free of
// the controls themselves. Counts are keypoints; times are ms.

// The deletion sliders, the remaining count and the bar with its two marks.
// The sliders' maxima always leave one keypoint.
struct DeletionView {
    int startMax = 0; // TbrSupDeb ranges over 0 .. startMax
    int endMax = 0;   // TbrSupFin ranges over 0 .. endMax
    int keptCount = 0;
    QString keptText;       // "kept / count"
    int startMarkWidth = 0; // the start mark, at the bar's left end; shown while atStart != 0
    int endMarkLeft = 0;    // the end mark, at the bar's right end; shown while atEnd != 0
    int endMarkWidth = 0;
};
DeletionView deletionView(int sampleCount, int atStart, int atEnd, int barWidth);

// The times of the first and the last kept keypoint, before re-timing, and
// what re-timing takes off both: the labels show first - retimeOffset and
// last - retimeOffset. `reversed`: the path as it runs once reversed. Nothing
// when the ends leave no keypoint.
struct KeptTimes {
    qint64 first = 0;
    qint64 last = 0;
    qint64 retimeOffset = 0;
};
std::optional<KeptTimes> keptTimes(const std::vector<int>& gaps, int atStart, int atEnd, bool reversed,
                                   bool retime);

// The dialog's memory between two openings.
struct ExtrasMemory {
    bool reversedActive = false; // LbxKPinverse is in force for transfers
    bool turnedOver = false;     // its angles carry 180 more degrees
};

// The state of the dialog's controls when "Appliquer et sortir" is pressed.
struct ExtrasChoice {
    bool reverse = false;         // ChbxInverserCourbe
    bool turnOver = true;         // Rdg_inverse180_OuPas on "retourner l'objet (180°)"
    bool deleteKeypoints = false; // ChBxSupKP
    int atStart = 0;              // TbrSupDeb
    int atEnd = 0;                // TbrSupFin
    bool retime = false;          // ChBxRecalerTemps
};

// The lists after "Appliquer et sortir" and the one to write to the host
// object: mode 0 the keypoint list, 1 `reversed`, 2 `partial` (`keptCount`
// keypoints). On a fault nothing is to change: `memory` and `reversed` are the
// given ones and nothing is written.
struct ExtrasApplied {
    ListFault fault = ListFault::None;
    int block = -1;  // AngleNotANumber: the keypoint of the keypoint list, from 0
    QString badText; // AngleNotANumber: its angle text
    ExtrasMemory memory;
    QStringList reversed; // LbxKPinverse
    QStringList partial;  // LbxListeKPpartielle, in mode 2
    int keptCount = 0;
    WrittenList mode = WrittenList::Keypoints;
    bool ok() const { return fault == ListFault::None; }
};

// The reversed list in force is only turned, not built again, when the
// reversal was already applied; one that no longer has a block per keypoint
// (the curve was redone since) is built again from the keypoint list.
ExtrasApplied applyExtras(const ExtrasMemory& memory, const QStringList& keypoints,
                          const QStringList& reversed, const std::vector<int>& gaps,
                          const ExtrasChoice& choice, QChar decimalSeparator);

} // namespace trajecta
