#pragma once

#include <QString>
#include <QtGlobal>

namespace trajecta {

// One keypoint of the list. The time and position are numbers the system
// works out; the other values are texts, exactly as the keypoint's lines show
// them: they come from the loaded object, or from a parameter record, and go
// back to the host byte for byte.
struct Keypoint {
    qint64 time = 0; // ms from the beginning of the slide
    double x = 0;    // the position, in percent of the half frame
    double y = 0;
    QString opacity, angle, scaleX, scaleY, centreX, centreY, angleX, angleY, zPos;

    bool operator==(const Keypoint&) const = default;
};

} // namespace trajecta
