#pragma once

#include "core/CurveDocument.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Services.h"

#include <functional>

namespace trajecta {

// What every subsystem works on: the document, the controls, the services and
// the drawing layer over the work area picture (doc.pictures.work).
struct Context {
    CurveDocument& doc;
    Controls& controls;
    Services& services;
    Canvas& canvas;

    int language() const { return doc.shell.languageIndex; }
};

// Calls from the curve core into subsystems that are wired by the session.
// Each may be empty: an empty hook does nothing (or answers its default).
struct CurveHooks {
    std::function<void()> initialiseTimes;       // build the time table, one entry per sample point
    std::function<void()> keepTimes;             // a curve finished again with the same sample count
    std::function<void()> buildTangentTable;     // tangent angles of the keypoints
    std::function<void()> updateAngleOffsets;
    std::function<void()> showTimeControls;      // the time controls of step 4
    std::function<QString()> totalTimeText;      // total of all keypoint times, formatted
    std::function<void()> parametersDone;        // "Terminé" of steps 4 and 5
    std::function<bool()> parametersDoneEnabled; // LblParaFini can be used
    std::function<void()> cancelParameterEdit;
    std::function<void()> restoreParameterStep;  // the step-5 controls, back from step 6
    std::function<void()> redrawKeypointMarkers; // steps 4 and 5
    std::function<void()> refreshObjectText;     // geometry changed after the keypoint list was built
    std::function<void(int)> firstKeypointTimeChanged; // a new object brought its first keypoint time (ms)
    std::function<void(bool, bool)> setEqualityBoxes;  // ChBxEgal and ChBxCentreEgal from the loaded object
    std::function<bool()> tangentDisplayOn;      // the parameter step shows the tangent segment
    std::function<int()> currentKeypoint;        // keypoint chosen in the parameter step
    std::function<void(double)> setCurrentTangentAngle;
    std::function<void(int, double)> storeTangentAngle; // entry k of the tangent table, degrees
    std::function<void()> resetParameterCount;   // recorded parameter changes back to 0
    std::function<void()> resetPhotoOptions;
    std::function<void()> showCurveFileLoading;  // PnlChargerFichier when a file may be loaded
    std::function<void()> workAreaResized;       // the photo pictures follow the new work-area size
};

template <typename F, typename... Args>
void call(const F& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

} // namespace trajecta
