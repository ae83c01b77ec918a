#pragma once

#include "core/BackgroundPictures.h"
#include "core/Context.h"
#include "core/KeypointSteps.h"
#include "core/WorkGuard.h"

#include <QSize>

namespace trajecta {

class CurveView;
class Editor;
class Frame;

// The list viewer, which the step machine turns to the keypoint list when a
// curve is created.
class ListViewer {
  public:
    virtual ~ListViewer() = default;
    virtual void showList(ListId list) = 0;
};

// The work area a screen format (an item of RdgChoixEcran) gets in a window
// of the shell's client size and layout.
QSize workAreaSize(int formatIndex, const ShellState& shell);

// The step machine: from the screen format through marking to the finished
// curve, and back. Each operation is named after what the user does.
class Workflow {
  public:
    Workflow(Context& ctx, CurveView& view, Editor& editor, Frame& frame);
    // The keypoint steps are built after the step machine; the session
    // connects them once, before any control event.
    void connect(TimeScreen& times, ParameterScreen& parameters) {
        times_ = &times;
        parameters_ = &parameters;
    }
    // So are the background and the list viewer.
    void connect(BackgroundPictures& background) { background_ = &background; }
    void connect(ListViewer& lists) { lists_ = &lists; }
    // And what "Tout recommencer" asks before the project goes.
    void connect(WorkGuard& guard) { guard_ = &guard; }

    // LbCreation: sizes the work area for the chosen screen format (unless one
    // of that format exists) and enters step 2. A window too small for a work
    // area is refused with a message and the step stays 1.
    void createCurve();
    void enterMarkingStep();
    // A click while marking: appends one control point, completing a part
    // every third point; the 16th part stops marking by itself.
    void addControlPoint(QPoint position);
    void stopMarking();  // LblStopMarquage
    void finishCurve();  // LblOKcourbe
    void previousStep(); // LblEtapeAvant
    void nextStep();     // LblEtapeApres
    // "Terminé" of steps 4 and 5 (LblParaFini): on to step 5, or to step 6
    // with the object on the clipboard.
    void finishKeypointStep();
    void redoCurve();  // LblRefairePoints
    void restartAll(); // LblRefaireTout, once the guard lets the project go
    void enterFormatStep();
    void enterTimeStep();
    // State codes after a part is completed; all alignment marks are cleared.
    void assignStates();
    // After a background was chosen: draws it under the curve, or under the
    // marked points while marking.
    void redrawBackground();

    // The program's start: only the host object loading panel shows.
    void returnToStart();
    // Every mouse event of the work area: frame editing first, then the editor,
    // and a click while marking adds a control point.
    void workAreaMouse(const MouseEvent& event);
    // A key on the work area: in step 3 the arrows move the point pressed
    // last by one pixel, by ten with Shift.
    void workAreaKey(const QString& keys);

  private:
    bool sizeWorkArea();
    void drawGrid();
    void drawMarkedPoints();
    void showStep3Controls(bool tangentActionsAlways);

    Context& ctx_;
    CurveView& view_;
    Editor& editor_;
    Frame& frame_;
    TimeScreen* times_ = nullptr;
    ParameterScreen* parameters_ = nullptr;
    BackgroundPictures* background_ = nullptr;
    ListViewer* lists_ = nullptr;
    WorkGuard* guard_ = nullptr;
};

} // namespace trajecta
