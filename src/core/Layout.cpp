#include "core/Layout.h"

namespace trajecta {

QString groupHost(const CurveDocument& doc, MovableGroup group) {
    const bool main = doc.shell.groupsOnMain;
    switch (group) {
    case MovableGroup::Parameters:
        return main ? "PnlDockParasOrg" : "PnlDockParasDest";
    case MovableGroup::StepButtons:
        return main ? "PnlDockOrgEtapes" : "PnlDockDestEtapes";
    case MovableGroup::Background:
        return main ? "PnlDockFondOrg" : "PnlDockFondDest";
    case MovableGroup::Completion:
        return main ? "PnlDockOKtoutOrg" : "PnlDockOKtoutDest";
    case MovableGroup::Display:
        return main ? "PnlDockAffichageOrg" : "PnlDockAffichageDest";
    case MovableGroup::PointsOnCurve:
        return main ? "PnlDockPointsSurCourbeOrg" : "PnlDockPointsSurCourbeDest";
    case MovableGroup::Help:
        return main ? "PnlDockAideOrg" : "PnlDockAideDest";
    case MovableGroup::Extras:
        return main ? "PnlDockOrgExtras" : "PnlDockDestExtras";
    }
    return {};
}

void showGroup(Context& ctx, MovableGroup group, bool visible) {
    ctx.controls.setVisible(groupHost(ctx.doc, group), visible);
}

} // namespace trajecta
