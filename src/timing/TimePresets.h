#pragma once

#include "core/Context.h"

namespace trajecta {

class KeypointTimes;
class KeypointCursor;

// The presets of the time step, reached through LblChoixTemps: constant time,
// constant speed, a slow-down at the start or the end, and a proportional
// change of the whole animation. Each writes only rows 1.. of the working
// times; "Enregistrer" commits them and logs the preset's line in LbxColTemps,
// "Annuler" restores the times before it. timeMode tells which preset is open.
//
// A saved curve replays its preset lines through the public operations below:
// openOptions, a choose… operation, then setConstantGap, supplySpeedCoefficient
// (before chooseConstantSpeed, with replayingFile set), applySlowDown or
// replayProportional, and finally record.
class TimePresets {
  public:
    TimePresets(Context& ctx, KeypointTimes& times);

    // The keypoint cursor, which shows the slow-down's extent, and whose
    // "Annuler" runs before the options open.
    void connect(KeypointCursor& cursor) { cursor_ = &cursor; }
    // The option labels, the two sliders of PnlVitConst and the slow-down controls.
    void registerHandlers();

    // LblChoixTemps: a range or preset in progress is cancelled, the option
    // list opens and the distances between the sample points are measured.
    void openOptions();
    void chooseConstantTime();  // LblTempsConstant
    void chooseConstantSpeed(); // LblVitConstante
    void chooseSlowDown();      // LblAllerAAuRalenti
    void chooseProportional();  // LblChoixProportionnel

    // TbrVitGros or TbrVitFin moved: the open slider preset takes the setting.
    void slidersChanged();
    // EdtDureeTotale typed (constant time, constant speed): the sliders move to
    // the setting whose times add up nearest to the typed total.
    void totalTyped();
    void slowDownSideChosen();      // RdgChoixRalenti
    void slowDownExtentChanged();   // TbEtendueRalenti
    void slowDownIntensityChosen(); // RdgbxRalForce
    void applyChosenSlowDown();     // "Appliquer"

    // A slow-down of strength `intensity` (3, 6 or 9) between keypoint k and
    // the start or the end, on the working times; its line goes to the record
    // and "Enregistrer" is enabled. False, with nothing changed, when k
    // leaves no keypoint to spread the slow-down over.
    bool applySlowDown(bool atEnd, int k, int intensity);
    // Constant time with a given gap, as a saved record states it.
    void setConstantGap(int gap);
    // The coefficient a curve file supplies; chooseConstantSpeed keeps it
    // while replayingFile is set.
    void supplySpeedCoefficient(int coefficient);
    // A saved proportional change: rows 1.. become round(time · factor +
    // offset); the three values are kept for the record line.
    void replayProportional(Extended factor, Extended offset, Extended max);

    // The preset branches of "Enregistrer" and "Annuler" (also "Retour à la
    // gestion personnelle du temps"). Nothing happens in personal mode.
    void record();
    void cancel();

    // LblindicReglage in the current language, from the stored title index.
    void showTitle();
    // Every text of the presets in the current language: the title, the
    // slow-down title, the side texts of a chosen side, "Appliquer" and the
    // caption of the strength choice.
    void showTexts();

  private:
    void choosePanel(TimeMode mode, int titleIndex);
    void closeOptions();
    void enableCursor(bool enabled);
    void setSaving(bool saving);
    void setCoarseMax(int max);
    void refreshLabels();
    void showTotalField(bool shown);
    int totalFor(int setting) const;

    Context& ctx_;
    KeypointTimes& times_;
    KeypointCursor* cursor_ = nullptr;
    bool typingTotal_ = false; // the sliders move for a total being typed
};

} // namespace trajecta
