#include "core/Workflow.h"

#include "core/Layout.h"

namespace trajecta {

Workflow::Workflow(Context& ctx, CurveHooks& hooks, CurveView& view, Editor& editor, Frame& frame)
    : ctx_(ctx), hooks_(hooks), view_(view), editor_(editor), frame_(frame) {}

void Workflow::returnToStart() {
    for (const QString& panel : mainWindowPanels()) ctx_.controls.hide(panel);
    ctx_.controls.show("PnlChargeObjetPte");
    ctx_.doc.workflow.currentStep = 0;
}

void Workflow::workAreaMouse(const MouseEvent&) {}

} // namespace trajecta
