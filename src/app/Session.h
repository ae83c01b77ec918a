#pragma once

#include "app/WorkKeeper.h"
#include "background/Background.h"
#include "core/Context.h"
#include "core/CurveView.h"
#include "core/Editor.h"
#include "core/Frame.h"
#include "core/SvgExchange.h"
#include "core/Workflow.h"
#include "curvefile/CurveFile.h"
#include "extras/Extras.h"
#include "history/UndoHistory.h"
#include "host/HostExchange.h"
#include "parameters/ParameterPanel.h"
#include "parameters/ParameterRecorder.h"
#include "parameters/ParameterStep.h"
#include "parameters/RangeChooser.h"
#include "preview/Preview.h"
#include "shell/Language.h"
#include "shell/Shell.h"
#include "timing/KeypointTimes.h"
#include "timing/TimeLogReplay.h"
#include "timing/TimePresets.h"
#include "timing/TimeStep.h"

namespace trajecta {

// One running program, without any window: the document, the controls, the
// services and the subsystems, wired once. The Qt window, the script driver
// and the tests all drive a session through its controls.
class Session {
  public:
    explicit Session(Services services);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Controls& controls() { return controls_; }
    CurveDocument& document() { return doc_; }
    Canvas& canvas() { return canvas_; }
    Services& services() { return services_; }
    Workflow& workflow() { return workflow_; }
    SvgExchange& svgExchange() { return svg_; }
    CurveView& curveView() { return view_; }
    Editor& editor() { return editor_; }
    Frame& frame() { return frame_; }
    HostExchange& host() { return host_; }
    KeypointTimes& times() { return times_; }
    TimePresets& timePresets() { return presets_; }
    ParameterRecorder& recorder() { return recorder_; }
    RangeChooser& rangeChooser() { return chooser_; }
    ParameterStep& parameterStep() { return parameterStep_; }
    Extras& extras() { return extras_; }
    Background& background() { return background_; }
    CurveFile& curveFile() { return curveFile_; }
    Language& language() { return language_; }
    Shell& shell() { return shell_; }
    Preview& preview() { return preview_; }
    UndoHistory& history() { return history_; }
    WorkKeeper& keeper() { return keeper_; }

    // The client size of the main window, from which the work area is sized.
    void setClientSize(int width, int height);
    // The work area picture, with any drawing in progress finished; while the
    // preview shows, the work area with the object's marker over it.
    const QImage& workPicture();

  private:
    CurveDocument doc_;
    Controls controls_;
    Services services_;
    Canvas canvas_;
    Context ctx_;
    // The host exchange comes first: the curve view holds it as the keypoint
    // list to refresh. It keeps a reference to the step machine built after
    // it and calls it only on user input, once everything is built.
    HostExchange host_;
    CurveView view_;
    Editor editor_;
    Frame frame_;
    Workflow workflow_;
    SvgExchange svg_;
    // The keypoint steps come after the curve core, which reaches them as its
    // TimeScreen and ParameterScreen; the range chooser acts on both as their
    // RangeTarget, and they reach it back as their KeypointCursor.
    KeypointTimes times_;
    TimePresets presets_;
    TimeLogReplay timeReplay_;
    TimeStep timeStep_;
    ParameterRecorder recorder_;
    ParameterPanel panel_;
    RangeChooser chooser_;
    ParameterStep parameterStep_;
    Extras extras_;
    // The step machine reaches the background as its BackgroundPictures.
    Background background_;
    // The curve file replays through every step, so it comes after them all.
    CurveFile curveFile_;
    Language language_;
    // The shell reads the settings last, once every subsystem is in place.
    Shell shell_;
    // The history shows the shell's part of the state again through the shell
    // and the languages.
    class ShellParts : public ShellRestore {
      public:
        ShellParts(Shell& shell, Language& language) : shell_(shell), language_(language) {}
        void placeGroups(bool onMain) override { shell_.placeGroups(onMain); }
        void applyLanguage() override { language_.apply(); }

      private:
        Shell& shell_;
        Language& language_;
    };
    ShellParts shellParts_;
    // The preview and the history hear of every user input, so they come
    // last of all: the preview first, so that a step holds its controls
    // brought up to date.
    Preview preview_;
    UndoHistory history_;
    class Listeners : public UserInputListener {
      public:
        Listeners(UserInputListener& first, UserInputListener& second) : first_(first), second_(second) {}
        void beforeUserInput(const QString& name, UserInput input) override;
        void afterUserInput(const QString& name, UserInput input) override;

      private:
        UserInputListener& first_;
        UserInputListener& second_;
    };
    Listeners listeners_;
    // Asks before the project is thrown away and keeps it for a recovery;
    // the history tells it of every change.
    WorkKeeper keeper_;
};

} // namespace trajecta
