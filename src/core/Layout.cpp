#include "core/Layout.h"
#include "document/ControlIds.h"

namespace trajecta {

PanelId groupHost(const CurveDocument& doc, MovableGroup group) {
    const bool main = doc.shell.groupsOnMain;
    switch (group) {
    case MovableGroup::Parameters:
        return main ? ids::PnlDockParasOrg : ids::PnlDockParasDest;
    case MovableGroup::StepButtons:
        return main ? ids::PnlDockOrgEtapes : ids::PnlDockDestEtapes;
    case MovableGroup::Background:
        return main ? ids::PnlDockFondOrg : ids::PnlDockFondDest;
    case MovableGroup::Completion:
        return main ? ids::PnlDockOKtoutOrg : ids::PnlDockOKtoutDest;
    case MovableGroup::Display:
        return main ? ids::PnlDockAffichageOrg : ids::PnlDockAffichageDest;
    case MovableGroup::PointsOnCurve:
        return main ? ids::PnlDockPointsSurCourbeOrg : ids::PnlDockPointsSurCourbeDest;
    case MovableGroup::Help:
        return main ? ids::PnlDockAideOrg : ids::PnlDockAideDest;
    case MovableGroup::Extras:
        return main ? ids::PnlDockOrgExtras : ids::PnlDockDestExtras;
    }
    return {};
}

void showGroup(Context& ctx, MovableGroup group, bool visible) {
    ctx.controls.setVisible(groupHost(ctx.doc, group), visible);
}

} // namespace trajecta
