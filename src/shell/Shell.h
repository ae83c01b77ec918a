#pragma once

#include "core/Context.h"
#include "core/WorkGuard.h"
#include "core/Workflow.h"

namespace trajecta {

class KeypointCursor;

// The application shell: the settings file read at start and written when the
// main window closes, the second window TFparametres with the eight groups of
// controls that can move onto it, the menu commands around the work (quit,
// layout, second window, about), the help window, and the inspection view of
// the named lists on the second window.
//
// The second window is shown and hidden through the control model; whatever
// shows or hides it (a command, Ctrl+W, the window manager closing it), the
// shell hears of it and keeps secondWindowShown and its stored position.
class Shell : public ListViewer {
  public:
    explicit Shell(Context& ctx);
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    void registerHandlers();
    // The keypoint cursor, which a click in the keypoint list moves; it is
    // built before the shell and connected by the session.
    void connect(KeypointCursor& cursor) { cursor_ = &cursor; }
    // What "Quitter" asks before the project goes with the window.
    void connect(WorkGuard& guard) { guard_ = &guard; }
    // RdgVoir turned to `list`; its click shows that list alone.
    void showList(ListId list) override;
    // Reads the settings (language, layout, the windows' places), sets the
    // check marks of the menu and brings back the two-window layout when the
    // last run ended with it.
    void start();
    // The main window closes: every key of the settings file is written (once).
    void closeMainWindow();

    void CommencerClick();  // quit, once the guard lets the project go
    void ParametresClick(); // the eight groups move to the other window
    // The eight groups go to the main window (true) or the second one, as
    // ParametresClick moves them, without showing or hiding any window.
    void placeGroups(bool onMain);
    void VoirF2Click();         // the second window shown or hidden
    void F2MilieuEcran1Click(); // the second window back to its own place
    void AproposClick();
    void LblAideClick();
    // A key pressed in either window, as "Ctrl+W".
    void keyDown(const QString& keys);
    // The second window lost the focus: its place is kept, and the next
    // Ctrl+W shows it again.
    void secondWindowDeactivated();
    void RdgVoirClick();
    void LbxListeKPClick();

  private:
    void readSettings();
    void writeSettings();
    void showSecondWindow();
    void hideSecondWindow();
    void secondWindowVisibility(bool visible);
    void keepSecondWindowPlace();
    void moveGroups(bool toSecondWindow);
    void layoutMenu();

    Context& ctx_;
    KeypointCursor* cursor_ = nullptr;
    WorkGuard* guard_ = nullptr;
    Subscription watch_;
    bool secondVisible_ = false;
};

} // namespace trajecta
