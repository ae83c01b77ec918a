#pragma once

#include <QChar>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <vector>

namespace trajecta {

struct CurveDocument;

// The motion of the object as the host will play it, read from a keypoint
// list: where it is, how large, turned and faded at every time of the slide.

// The values of one keypoint, as numbers. Position and centre are in percent:
// the position of the half frame from the frame's centre, the centre of the
// half object from the object's middle (0,0 the middle, +-100 its edges);
// zooms and opacity in percent, the angle in degrees.
struct KeypointValues {
    double x = 0, y = 0;
    double opacity = 100;
    double angle = 0;
    double scaleX = 100, scaleY = 100;
    double centreX = 0, centreY = 0;
};

struct PathKeypoint {
    qint64 time = 0; // ms from the beginning of the slide
    KeypointValues values;
};

// The keypoint list whose motion will be pasted: the reversed list while the
// reversed path is in force, the trimmed list while it is the one on the
// clipboard at the last step, else LbxListeKP. Before the keypoint list
// exists (or while it no longer has a block per sample point), the list the
// keypoint step would write now from the curve, the committed times and the
// loaded object's values.
QStringList keypointsInForce(const CurveDocument& doc, QChar decimalSeparator);

// The keypoints of a keypoint list, one per whole 13-line block. A value that
// does not read takes the value of a keypoint nobody changed (opacity and zooms
// 100, the rest 0); a time that does not read keeps the time before, so that
// times never run backwards.
std::vector<PathKeypoint> readPath(const QStringList& keypoints);
// The time of the last whole block of a keypoint list, 0 without one.
qint64 pathDuration(const QStringList& keypoints);

// The values at time t (ms from the beginning of the slide): those of the first
// keypoint up to its time, of the last from its time on, and in between every
// value linear in time between the keypoint in force and the next. Keypoints
// that share a time pass at once: at that time the last of them holds.
KeypointValues valuesAt(const std::vector<PathKeypoint>& path, qint64 t);

// The rectangle the positions refer to (the frame, or the whole work area
// without one), in work-area pixels.
struct ReferenceFrame {
    int left = 0, top = 0, width = 0, height = 0;
};
ReferenceFrame referenceFrame(const CurveDocument& doc);

// The object on the work area: the marker is a rectangle a tenth of the
// reference frame's width and height at 100 % zoom, centred on (x, y) and
// turned by `angle` degrees clockwise about that centre. The keypoint's
// position is the pivot: the point the centre values name, about which the
// object zooms and turns. Opacity 0 (invisible) .. 100, whatever the list says.
struct ObjectState {
    double x = 0, y = 0;
    double pivotX = 0, pivotY = 0;
    double width = 0, height = 0;
    double angle = 0;
    double opacity = 100;
};
ObjectState objectState(const KeypointValues& values, const ReferenceFrame& frame);

// The marker's transform: from the object's own coordinates (origin at its
// middle, x to the right, y down, in pixels) to the work area.
QTransform markerTransform(const ObjectState& state);
// Its four corners on the work area, clockwise from the top-left one.
QPolygonF markerCorners(const ObjectState& state);

// The name of the loaded object: the text between "object " and the last ":"
// of the object's header line; empty when there is none.
QString objectName(const QStringList& objectText);

} // namespace trajecta
