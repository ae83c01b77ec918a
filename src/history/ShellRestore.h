#pragma once

namespace trajecta {

// What undo and redo ask of the shell, whose part of the state they keep:
// once the document and the controls are back, the shell's part shows again.
// The session connects it to the shell and the languages.
class ShellRestore {
  public:
    // The eight movable groups go to the main window (true) or the second one.
    virtual void placeGroups(bool onMain) = 0;
    // Every text is written again in the language in force.
    virtual void applyLanguage() = 0;

  protected:
    ~ShellRestore() = default;
};

} // namespace trajecta
