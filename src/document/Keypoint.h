#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace trajecta {

// One keypoint of the list. The time is the number the system works out; the
// other values are texts, exactly as the keypoint's lines show them: they come
// from the loaded object, or from a parameter record, and go back to the host
// byte for byte. The position is not held: it is the curve's sample point,
// and a drag, which moves it, leaves the records shared with the undo steps.
struct Keypoint {
    qint64 time = 0; // ms from the beginning of the slide
    QString opacity, angle, scaleX, scaleY, centreX, centreY, angleX, angleY, zPos;

    bool operator==(const Keypoint&) const = default;
};

// The keypoints of the path in order. Implicitly shared, like the lists: the
// steps of the undo history hold them without a copy.
using KeypointRecords = QList<Keypoint>;

} // namespace trajecta
