#pragma once

namespace trajecta {

// What the operations that throw the project away ask first ("Tout
// recommencer", another object loaded, a curve file loaded over the project,
// closing the window), and what they tell once the project in hand has
// nothing left to save.
class WorkGuard {
  public:
    virtual ~WorkGuard() = default;
    // True when the project may go: it has no changes that a saved curve file
    // lacks, or the user saved them or chose not to. False when the user
    // cancelled, or saving failed or was cancelled.
    virtual bool mayDiscardWork() = 0;
    // The project as it stands has nothing to save: it was just saved to a
    // curve file or loaded from one, or a new one has begun.
    virtual void nothingUnsaved() = 0;
};

} // namespace trajecta
