#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace trajecta {

struct CurveDocument;
class Session;
struct Services;

// The real window a script drives in the desktop program: it builds the
// window on the script's services and gives its session; it resizes the window
// for `window W H`, saves it whole for `screenshot PATH` (false when it cannot
// be written), and lets it draw after every command.
struct ScriptWindow {
    std::function<Session&(const Services& services)> open;
    std::function<void(int width, int height)> resize;
    std::function<bool(const QString& path)> screenshot;
    std::function<void()> settle;
};

struct ScriptOptions {
    int language = 0;                      // 0 French, 1 English
    std::optional<QChar> decimalSeparator; // default: the locale's
    std::optional<QDate> today;            // default: the real date
    QString baseFolder;                    // relative paths are tried here after the current folder
    // Runs after every command with the command's line, e.g. to check the
    // document's invariants while a test drives a journey.
    std::function<void(const QString& line, const CurveDocument& doc)> afterCommand;
    // Without one, the script drives the model alone.
    std::optional<ScriptWindow> window;
    // Where the session keeps its work for a recovery (the program's data
    // folder); none: nothing is kept.
    QString recoveryFolder;
};

// Drives one session exactly as a user would, one command a line ('#' starts a
// comment):
//   window W H                 client size of the main window (default 1366 768)
//   click|down|up NAME         a click / mouse down / mouse up on a control
//   type NAME TEXT             replace an edit's text as typing would
//   set NAME VALUE             slider position, radio item index or check box state (0/1)
//   mouse down|move|up|click X Y [NAME]   the left button on ImgDessin, or
//                              on the named control (e.g. the rainbow strip)
//   key NAME KEYS              a key press on a control, e.g. ctrl+w
//   answer ok|cancel|yes|no|PATH   the answer to the next message box or file
//                              dialog (or the item picked at a list question,
//                              or the caption of a button of a three-button
//                              question); a file to open may lie beside the script
//   clipboard set PATH | clipboard print
//   print NAME                 the state of a control on one line
//   list NAME                  every line of a named string list
//   picture PATH               the work area saved as PNG
//   screenshot PATH            the whole window as drawn, saved as PNG (only
//                              in the desktop program: `trajecta --script FILE`)
//   crash                      ends the program at once, without closing, as a
//                              crash would: its recovery file stays (exit code 3)
// With a recovery folder, a script whose first command is `answer` is first
// asked whether to resume the work a run left there when it ended without
// closing, and that answer answers it; other scripts leave such work alone.
// The end of the script closes the program normally.
// User input that a person could not give (a hidden or disabled control) is
// refused with an "error:" line and the script goes on. An unknown command or
// control name stops the script with exit code 2.
class ScriptRunner {
  public:
    explicit ScriptRunner(ScriptOptions options = {});
    ~ScriptRunner();

    // Runs the lines; every output line goes to `out`. Returns the exit code:
    // 0, or 2 when the script stopped on an error.
    int run(const QStringList& lines, const std::function<void(const QString&)>& out);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Runs the script of `FILE|- [--lang fr|en] [--decimal-separator C] [--date
// YYYY-MM-DD]`, writing its lines to the standard output. Returns the exit
// code, or nothing when the arguments are not understood.
std::optional<int> runScriptFile(const QStringList& arguments, ScriptOptions options = {});

// Escapes '"' and '\' (and line breaks) for a quoted text in printed lines.
QString quoted(const QString& text);

} // namespace trajecta
