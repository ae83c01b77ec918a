#include "app/Session.h"

#include "app/ControlInventory.h"
#include "document/ControlIds.h"

namespace trajecta {

namespace {
Controls& declared(Controls& controls) {
    declareControls(controls);
    return controls;
}
} // namespace

Session::Session(Services services)
    : services_(services), canvas_(doc_.pictures.work), ctx_{doc_, declared(controls_), services_, canvas_},
      host_(ctx_, workflow_), view_(ctx_, host_), editor_(ctx_, view_), frame_(ctx_, view_),
      workflow_(ctx_, view_, editor_, frame_), svg_(ctx_, workflow_, view_), times_(ctx_, workflow_, host_),
      presets_(ctx_, times_), timeReplay_(ctx_, times_, presets_),
      timeStep_(ctx_, view_, times_, presets_, timeReplay_), recorder_(ctx_, view_, host_),
      panel_(ctx_, recorder_), chooser_(ctx_, view_, panel_),
      parameterStep_(ctx_, view_, times_, recorder_, panel_, chooser_, host_), extras_(ctx_, host_),
      background_(ctx_, workflow_), curveFile_(ctx_, workflow_, view_, timeReplay_, parameterStep_, extras_),
      language_(ctx_, presets_), shell_(ctx_), shellParts_(shell_, language_), preview_(ctx_),
      history_(ctx_, shellParts_), listeners_(preview_, history_),
      keeper_(ctx_, host_, workflow_, curveFile_) {
    host_.connect(timeStep_, parameterStep_);
    view_.connect(chooser_);
    workflow_.connect(timeStep_, parameterStep_);
    workflow_.connect(background_);
    workflow_.connect(shell_);
    chooser_.connect(timeStep_, parameterStep_);
    times_.connect(chooser_);
    presets_.connect(chooser_);
    timeReplay_.connect(chooser_);
    timeStep_.connect(chooser_);
    shell_.connect(chooser_);
    shell_.connect(keeper_);
    workflow_.connect(keeper_);
    host_.connect(keeper_);
    curveFile_.connect(keeper_);
    history_.connect(keeper_);
    times_.registerHandlers();
    presets_.registerHandlers();
    panel_.registerHandlers();
    chooser_.registerHandlers();
    parameterStep_.registerHandlers();
    extras_.registerHandlers();
    curveFile_.registerHandlers();
    language_.registerHandlers();
    shell_.registerHandlers();
    preview_.registerHandlers();
    history_.registerHandlers();
    controls_.onMouse(ids::ImgDessin, [this](const MouseEvent& e) {
        history_.workAreaMouse(e);
        workflow_.workAreaMouse(e);
    });
    workflow_.returnToStart();
    background_.start();
    // The settings give the start language; its texts are written once everything is in place.
    shell_.start();
    language_.apply();
    preview_.refresh();
    history_.reset();
    keeper_.nothingUnsaved();
    controls_.setInputListener(&listeners_);
}

void Session::Listeners::beforeUserInput(const QString& name, UserInput input) {
    first_.beforeUserInput(name, input);
    second_.beforeUserInput(name, input);
}

void Session::Listeners::afterUserInput(const QString& name, UserInput input) {
    first_.afterUserInput(name, input);
    second_.afterUserInput(name, input);
}

Session::~Session() {
    controls_.setInputListener(nullptr);
}

void Session::setClientSize(int width, int height) {
    doc_.shell.clientWidth = width;
    doc_.shell.clientHeight = height;
}

const QImage& Session::workPicture() {
    if (preview_.showing()) return preview_.picture();
    return canvas_.image();
}

} // namespace trajecta
