#pragma once

#include "core/Context.h"

#include <QString>

namespace trajecta {

// The eight groups of controls that can sit on the main window or on the
// second window. Operations show or hide a group through the host panel of
// whichever side holds it, so the choice of side lives in one place.
enum class MovableGroup {
    Parameters,    // GbxParaSurQuoi and PnlLePoint
    StepButtons,   // PnRefaire
    Background,    // PnlFondEtCourbe
    Completion,    // PnlOKtout: marking, finishing, redoing, the frame
    Display,       // GbxAffichage
    PointsOnCurve, // PnlPointsSurCourbe
    Help,          // PnlAide
    Extras,        // PnlExtras
};

// The host panel that holds the group now: on the main window while
// doc.shell.groupsOnMain, otherwise on the second window.
PanelId groupHost(const CurveDocument& doc, MovableGroup group);
void showGroup(Context& ctx, MovableGroup group, bool visible = true);
inline void hideGroup(Context& ctx, MovableGroup group) {
    showGroup(ctx, group, false);
}

} // namespace trajecta
