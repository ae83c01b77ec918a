#pragma once

namespace trajecta {

// What the keypoint cursor and the range buttons act on: the keypoint times in
// step 4, the parameters in step 5. The range chooser calls the step that is
// current, after it has done its own part (the cursor, the marks, the buttons).
class RangeTarget {
  public:
    virtual ~RangeTarget() = default;
    // The first keypoint the cursor may show.
    virtual int firstKeypoint() const = 0;
    // The cursor now shows keypoint k.
    virtual void showKeypoint(int k) = 0;
    // "Début" and "Fin" made keypoint k an end of the range.
    virtual void startChosen(int k) = 0;
    virtual void endChosen(int k) = 0;
    // "Annuler" and "Enregistrer".
    virtual void cancelChoice() = 0;
    virtual void saveChoice() = 0;
};

// The keypoint cursor TbMontrePoint and the range buttons, as the steps they
// act on, the presets and the replays of saved records see them.
class KeypointCursor {
  public:
    virtual ~KeypointCursor() = default;
    // What the user does: the cursor moved to keypoint k, "Début", "Fin",
    // "Annuler", "Enregistrer".
    virtual void moveCursor(int k) = 0;
    virtual void chooseStart() = 0;
    virtual void chooseEnd() = 0;
    virtual void cancelRange() = 0;
    virtual void save() = 0;
    // The keypoint under the cursor shown again: its mark, time and values.
    virtual void cursorMoved() = 0;
    // The marks on screen go.
    virtual void removeMarks() = 0;
    // Back to "no range": the cursor follows again, moved to the first
    // keypoint it may show when `cursorToStart`, and the buttons allow a new
    // start.
    virtual void resume(bool cursorToStart) = 0;
    // No range and no mark, the cursor left where it is: for leaving a step.
    virtual void forgetRange() = 0;
};

} // namespace trajecta
