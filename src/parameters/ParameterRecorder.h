#pragma once

#include "core/Context.h"
#include "parameters/ParameterRecord.h"

namespace trajecta {

class CurveView;
class HostExchange;

// The parameter side of step 5: records read from the parameter panel and
// applied to the keypoint list, the parameter log, the tangent table and the
// values stored at a keypoint. The range itself is chosen by the range
// chooser, which calls these operations.
class ParameterRecorder {
  public:
    ParameterRecorder(Context& ctx, CurveView& view, HostExchange& host);

    // The panel as it stands: boxes, "Egaux", tangent option, zero item, edits.
    PanelReading readPanel() const;
    // "Enregistrer" with a range chosen: when a main box is ticked, the record
    // is applied to the keypoint list and logged, and the count grows.
    // Returns whether a record was made. A record the list cannot take (a
    // range beyond it, a text that is not a number) is neither applied nor
    // logged. The boxes are cleared in every case, the "Egaux" boxes kept.
    bool saveRecord();
    // "Annuler tout": after the question, every keypoint gets the loaded
    // object's values again and the log and the count start anew.
    void cancelAllParameters();
    // The question of "Annuler tout": may every keypoint get the loaded
    // object's values again?
    bool confirmDefaults() const;
    // A log without records and a count of 0.
    void startLogAnew();
    // Every keypoint with the loaded object's values again, and the log anew.
    void restoreDefaults();

    // The first entry into step 5 of a curve project starts the log.
    void startParameterLog();
    // The keypoint list brought up to date on entering step 5: rebuilt when
    // none was written, else only its positions and times where stale.
    void refreshKeypointList();

    // Tangent angles of every keypoint, unwrapped and traced, then the offsets.
    void buildTangentTable();
    void updateAngleOffsets();

    // The values stored at keypoint k: target 0 into the start edits, 1 into
    // the end edits, 2 into the info group. Nothing when the list does not
    // hold keypoint k.
    void loadKeypointValues(int k, int target);

    // The trace of the tangent angles written when step 6 is reached.
    void traceFinalAngles();

    // Every parameter box cleared but the two "Egaux" boxes.
    void clearBoxes();

  private:
    QString fixed2(long double value) const;

    Context& ctx_;
    CurveView& view_;
    HostExchange& keypoints_;
};

} // namespace trajecta
