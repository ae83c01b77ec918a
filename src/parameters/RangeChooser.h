#pragma once

#include "core/Context.h"
#include "core/KeypointSteps.h"
#include "timing/RangeTarget.h"

namespace trajecta {

class CurveView;
class ParameterPanel;

// The keypoint cursor TbMontrePoint and the range buttons shared by the time
// step and the parameter step: "Début", "Fin", "Annuler" and "Enregistrer".
// The chooser moves the cursor, keeps the range and its marks and sets the
// buttons; what a range means belongs to the step it acts on, the times while
// timeStepActive holds, otherwise the parameters.
//
// The keypoint under the cursor carries a green cross and each chosen end of
// the range a red diagonal cross, both drawn with the inverting pen so that
// drawing a mark again removes it; the chooser always knows which marks are
// on screen.
class RangeChooser : public KeypointCursor, public KeypointMarks {
  public:
    RangeChooser(Context& ctx, CurveView& view, ParameterPanel& panel);
    // The steps it acts on are built after it; the session connects them.
    void connect(RangeTarget& times, RangeTarget& parameters) {
        times_ = &times;
        parameters_ = &parameters;
    }

    // The cursor, the arrows, the four buttons with their press looks and
    // ChBxTangenteAuPoint.
    void registerHandlers();

    void moveCursor(int k) override;
    // TbMontrePoint moved (also run directly): followed only while cursorLive.
    void cursorMoved() override;
    void first();
    void middle();
    void last();
    void chooseStart() override; // "Début"
    void chooseEnd() override;   // "Fin"
    void cancelRange() override; // "Annuler"
    void save() override;        // "Enregistrer"
    void tangentDisplay();       // ChBxTangenteAuPoint

    void removeMarks() override;
    void resume(bool cursorToStart) override;
    void forgetRange() override;
    void redrawMarks() override;

  private:
    RangeTarget& target() const;
    void rangeMark(int k);
    void showCursorGroup(bool visible);
    void resetButtons();
    void hideColumns();

    Context& ctx_;
    CurveView& view_;
    ParameterPanel& panel_;
    RangeTarget* times_ = nullptr;
    RangeTarget* parameters_ = nullptr;
};

} // namespace trajecta
