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
      host_(ctx_, workflow_), view_(ctx_, host_), editor_(ctx_, view_), frame_(ctx_, view_),
      workflow_(ctx_, view_, editor_, frame_) {
    controls_.onMouse("ImgDessin", [this](const MouseEvent& e) { workflow_.workAreaMouse(e); });
    workflow_.returnToStart();
}

void Session::setClientSize(int width, int height) {
    doc_.shell.clientWidth = width;
    doc_.shell.clientHeight = height;
}

const QImage& Session::workPicture() {
    return canvas_.image();
}

} // namespace trajecta
