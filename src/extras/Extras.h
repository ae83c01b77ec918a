#pragma once

#include "core/Context.h"

namespace trajecta {

class HostExchange;

// The Extras dialog TFExtras, opened modally by LblExtras once the object is
// on the clipboard: run the path the other way round, turn the object over,
// delete keypoints at either end and re-time the rest, then put the object on
// the clipboard again. The curve itself is never changed.
//
// What the dialog decides survives its closing in doc.extras; its controls
// keep their state from one opening to the next, except the reversal box,
// which shows on every opening whether the reversed path is in force.
class Extras {
  public:
    Extras(Context& ctx, HostExchange& host);

    // LblExtras with its press look, and every control of the dialog.
    void registerHandlers();

    void LblExtrasClick();          // open the dialog
    void TbrSupDebChange();         // keypoints to delete at the start
    void TbrSupFinChange();         // keypoints to delete at the end
    void ChBxSupKPClick();          // delete keypoints or not
    void ChbxInverserCourbeClick(); // reverse the path or not
    void LblExtrasAppliquerClick(); // "Appliquer et sortir"
    void BtnExtrasAnnulerClick();   // "Annuler": close, changing nothing

    // No choice at all, as for a project that replaces the one the choices
    // were made for: the state, the dialog's controls and the main window's
    // mark of a reversed path.
    void reset();

  private:
    void formShow();
    void formActivate();
    void close();
    int sampleCount() const;
    int keptNow() const;
    // The slider ranges, the counts and the bar marks.
    void refreshCounts();
    // The times of the first and last kept keypoint, and retimeOffset.
    void refreshTimeLabels();
    void showRetime();

    Context& ctx_;
    HostExchange& host_;
};

} // namespace trajecta
