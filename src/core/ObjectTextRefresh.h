#pragma once

namespace trajecta {

// What the curve core asks of the keypoint list when the geometry changes
// after the list was written: the host exchange implements it and the session
// hands it to the curve view.
class ObjectTextRefresh {
  public:
    // Rewrites the Position line of every keypoint from the sample points and
    // the frame, keeping every other line; a list that does not hold one block
    // per sample point is written anew.
    virtual void refreshPositions() = 0;

  protected:
    ~ObjectTextRefresh() = default;
};

} // namespace trajecta
