#pragma once

#include "core/Context.h"

namespace trajecta {

class ParameterRecorder;

// The parameter panel of step 5: which edits show, whether "Enregistrer" may
// be pressed, the "Egaux" ties, the tangent option of the rotation, and the
// edit filters with their clipboard keys.
//
// The rules run only while the parameter step is active: in the time step
// the same panel is on screen, and there "Enregistrer" belongs to the times.
class ParameterPanel {
  public:
    ParameterPanel(Context& ctx, ParameterRecorder& step);

    // Click handlers of the boxes and RdgDecalage, change handlers, key
    // filters and clipboard keys of the eighteen parameter edits, and the
    // clipboard keys of the three time fields.
    void registerHandlers();

    // Each edit of a ticked parameter shows in the column of each chosen end
    // of the range; the 3D sub-boxes show with a start chosen and ChBx3D
    // ticked. Ends with validate().
    void applyVisibility();
    // "Enregistrer" enabled exactly when the end column shows, a parameter is
    // ticked and every ticked parameter has two readable texts; "Terminé" and
    // "Etape suivante" the other way round. LblRetour tells the outcome.
    void validate();
    // ChBxAngleRotation: the rotation edits show the stored angles relative
    // to the curve, and RdgDecalage shows, while it is ticked.
    void tangentOption();
    // RdgDecalage: the rotation shift for "objet à l'origine" (item 1) or none.
    void zeroChoice();

    // The values stored at keypoint k into the start edits (target 0), the
    // end edits (1) or the info group (2), as the program's own change.
    void loadValues(int k, int target);
    // An edit set by the program: no typing rule and no "Egaux" copy applies.
    void setEditText(EditId edit, const QString& text);

    // While a saved log is replayed the tangent option does not reload the
    // stored values, so that the logged values typed after it stay.
    void setReplaying(bool replaying) { replaying_ = replaying; }

  private:
    bool active() const;
    void boxClicked(int parameter);
    void equalClicked(int xParameter);
    void editChanged(EditId edit, int parameter, int column);
    void opacityChanged(EditId edit, QString& lastText);
    void clipboardKey(EditId edit, const QString& keys, bool integer);
    void showColumn(int column);

    Context& ctx_;
    ParameterRecorder& step_;
    int programChange_ = 0; // nesting depth of program-made text changes
    bool replaying_ = false;
};

} // namespace trajecta
