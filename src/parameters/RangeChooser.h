#pragma once

#include "core/Context.h"
#include "timing/RangeCancel.h"

namespace trajecta {

class CurveView;
class KeypointTimes;
class HostExchange;
class ParameterPanel;
class ParameterStep;
class TimePresets;

// The keypoint cursor TbMontrePoint and the range buttons shared by the time
// step and the parameter step: "Début", "Fin", "Annuler", "Enregistrer",
// "Annuler tout" and "Terminé". While timeStepActive holds they act on the
// keypoint times (on the open time preset while timeMode is not Personal), otherwise
// on the parameters.
//
// The keypoint under the cursor carries a green cross and each chosen end of
// the range a red diagonal cross, both drawn with the inverting pen so that
// drawing a mark again removes it; the chooser always knows which marks are
// on screen.
class RangeChooser : public RangeCancel {
  public:
    RangeChooser(Context& ctx, CurveView& view, KeypointTimes& times, TimePresets& presets,
                 ParameterStep& step, ParameterPanel& panel, HostExchange& host);

    // The cursor, the arrows, the six buttons with their press looks and
    // ChBxTangenteAuPoint.
    void registerHandlers();

    // TbMontrePoint moved (also run directly): followed only while cursorLive.
    void cursorMoved();
    void first();
    void middle();
    void last();
    void chooseStart();          // "Début"
    void chooseEnd();            // "Fin"
    void cancelRange() override; // "Annuler"
    void save();                 // "Enregistrer"
    void cancelAll();            // "Annuler tout"
    void finish();               // "Terminé" and "Etape suivante" of steps 4 and 5
    void tangentDisplay();       // ChBxTangenteAuPoint

    // "Terminé" of step 4: the keypoint list is brought up to date and step 5
    // begins with no range and the cursor on keypoint 0.
    void enterParameterStep();
    // "Terminé" of step 5: step 6, with the object on the clipboard.
    void finishParameterStep();
    // Back from step 5 to step 4: a pending range and every mark go; the
    // curve core then enters the time step and runs cursorMoved().
    void leaveParameterStep();
    // Back from step 4 to step 3: a pending time range and a pending first
    // time are dropped and the chooser forgets its marks, which the redrawn
    // curve no longer carries.
    void leaveTimeStep();
    // Back from step 6 to step 5: the step-5 controls with no range.
    void restoreParameterStep();
    // The marks drawn again over a freshly drawn work area.
    void redrawMarks();

    // The parameter log of a saved curve replayed through the panel and the
    // buttons. False when a record's range cannot be read (the replay stops
    // there) or a parameter line's values cannot be read (the replay goes on).
    bool replayParameterLog(const QStringList& lines);
    // On entering step 5: when a record turns keypoints with the path's
    // tangent, the log is replayed on the object's values over the path as it
    // is now, so that the rotations are those a load of the saved project
    // makes. A log that does not replay whole leaves everything as it was.
    // Returns whether the log was replayed.
    bool rotationsFollowThePath();

  private:
    bool timeStep() const;
    void removeMarks();
    void rangeMark(int k);
    void showCursorGroup(bool visible);
    void resetChooser(bool cursorToStart);
    void resetButtons();
    void forgetRange();
    void hideColumns();
    void applyLogLine(int number, const QString& line, bool tied, bool& readable);
    void pressLook(LabelId label, ImageId raised, ImageId pressed, int pressedSize, int releasedSize);

    Context& ctx_;
    CurveView& view_;
    KeypointTimes& times_;
    TimePresets& presets_;
    ParameterStep& step_;
    ParameterPanel& panel_;
    HostExchange& host_;
};

} // namespace trajecta
