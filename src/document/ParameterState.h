#pragma once

#include <QString>
#include <array>

namespace trajecta {

// One parameter record: a range of keypoints, the parameters it changes and
// their start and end texts. Opacity texts are digits as typed; the others
// carry a comma as decimal mark. Texts of a parameter a record does not change
// keep those of the last record that changed it.
struct TParametres {
    int startIndex = 0;
    int endIndex = 0;
    bool opacityOn = false;
    bool zoomXOn = false;
    bool zoomYOn = false;
    bool zoomTied = false;
    bool centreTied = false;
    bool rotationOn = false;
    bool addTangent = false;
    bool zeroIsTangent = true;
    bool centreXOn = false;
    bool centreYOn = false;
    bool threeDOn = false;
    bool threeDXOn = false, threeDYOn = false, threeDZOn = false;
    QString opacityStart, opacityEnd;
    QString zoomXStart, zoomXEnd, zoomYStart, zoomYEnd, rotationStart, rotationEnd;
    QString centreXStart, centreXEnd, centreYStart, centreYEnd;
    QString threeDXStart, threeDXEnd, threeDYStart, threeDYEnd, threeDZStart, threeDZEnd;

    bool operator==(const TParametres&) const = default;
};

// Angles in degrees.
struct AngleState {
    // 90 minus the direction of the curve at each keypoint, unwrapped so that
    // neighbours never differ by more than half a turn.
    std::array<double, 1001> tangentAngles{};
    long double currentTangentAngle = 0; // direction at the keypoint last examined
    long double initialAngleOffset = 0;  // the host's first angle minus tangentAngles[0]
    long double rotationShift = 0;       // initialAngleOffset with "objet à l'origine", else 0

    bool operator==(const AngleState&) const = default;
};

// The parameter step's part of the document.
struct ParameterState {
    TParametres currentParameters;
    AngleState angles;
    int parameterRecordCount = 0;                     // shown in LblQpara
    bool tangentShown = false;                        // ChBxTangenteAuPoint
    QString lastOpacityStart = QStringLiteral("100"); // last accepted texts of EdtOpaDeb, EdtOpaFin
    QString lastOpacityEnd = QStringLiteral("100");

    bool operator==(const ParameterState&) const = default;
};

} // namespace trajecta
