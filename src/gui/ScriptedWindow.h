#pragma once

#include "app/ScriptRunner.h"

#include <QImage>
#include <memory>

namespace trajecta {

class KeyPointsBezier;

// The real main window as a script drives it (`trajecta --script FILE`): the
// window is built on the script's services, `window W H` gives its client
// area that size, `screenshot PATH` saves it as the screen shows it (the
// dialogs and menus open over it included), and it draws after every command.
class ScriptedWindow {
  public:
    ScriptedWindow();
    ~ScriptedWindow();
    ScriptWindow hooks();
    // The window and every other window shown over it, as drawn.
    static QImage shot(KeyPointsBezier& window);

  private:
    void settle();
    std::unique_ptr<KeyPointsBezier> window_;
};

} // namespace trajecta
