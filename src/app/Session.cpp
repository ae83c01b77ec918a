#include "app/Session.h"

#include "app/ControlInventory.h"

namespace trajecta {

namespace {
Controls& declared(Controls& controls) {
    declareControls(controls);
    return controls;
}
} // namespace

Session::Session(Services services)
    : services_(services), canvas_(doc_.pictures.work), ctx_{doc_, declared(controls_), services_, canvas_},
      view_(ctx_, hooks_), editor_(ctx_, hooks_, view_), frame_(ctx_, hooks_, view_),
      workflow_(ctx_, hooks_, view_, editor_, frame_), host_(ctx_, hooks_, workflow_) {
    controls_.onMouse("ImgDessin", [this](const MouseEvent& e) { workflow_.workAreaMouse(e); });
    workflow_.returnToStart();
}

void Session::setClientSize(int width, int height) {
    doc_.shell.clientWidth = width;
    doc_.shell.clientHeight = height;
}

const QImage& Session::workPicture() { return canvas_.image(); }

} // namespace trajecta
