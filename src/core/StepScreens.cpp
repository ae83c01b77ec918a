#include "core/StepScreens.h"

#include "core/Layout.h"
#include "core/Messages.h"

#include <vector>

namespace trajecta {

namespace {

struct ScreenRow {
    Screen screen;
    QStringList hidden;
    std::vector<MovableGroup> hiddenGroups;
    QStringList shown;
    std::vector<MovableGroup> shownGroups;
};

using G = MovableGroup;

// Each row: the panels hidden, the groups hidden, the panels shown, the groups shown.
// clang-format off
const std::vector<ScreenRow>& screenTable() {
    static const std::vector<ScreenRow> rows{
        {Screen::Start,
         {"PnlDockOrgEtapes", "PnRefaire", "PnlCoordSouris", "PnMessages", "GbxAffichage", "PnlDockAffichageOrg",
          "PnlDockFondOrg", "GbxInfoParaPoint", "RdgChoixEcran", "PnCreation", "PnlDockParasOrg", "GbxTemps",
          "PnlChargerFichier", "PnlEnregistrerCourbe", "PnlDockOKtoutOrg", "PnlOKcourbe", "PnlRefairePoints",
          "PnlStopMarquage", "PnlCadre", "PnlEffacerCadre", "PnlDockPointsSurCourbeOrg", "Pnl_nouvel_objet",
          "PnlChargeObjetPte", "PnlTransfertSeul", "PnlTransfertEtRetour", "RdgCadreOuPoints", "PnlAide",
          "ImgDessin"},
         {},
         {"PnlChargeObjetPte"},
         {}},
        {Screen::Format,
         {"ImgDessin", "PnlCoordSouris", "GbxTemps", "PnlStopMarquage", "PnlCadre", "GbxAffichage",
          "GbxInfoParaPoint", "PnlTransfertEtRetour", "PnlTransfertSeul", "Pnl_nouvel_objet", "PnlEnregistrerCourbe"},
         {G::StepButtons, G::Parameters, G::Extras, G::PointsOnCurve, G::Display, G::Background, G::Completion},
         {"RdgChoixEcran", "PnMessages", "PnCreation", "TbMontrePoint", "PnlGroupeFleches", "PnlAide",
          "PnlChargerFichier"},
         {G::Help}},
        {Screen::Marking,
         {"RdgChoixEcran", "PnCreation", "PnlCadre", "PnlRefairePoints", "RdgCadreOuPoints", "PnlTransfertEtRetour",
          "PnlTransfertSeul", "Pnl_nouvel_objet", "PnlChargerFichier", "ChBxFermerCourbe", "RdgModeAff",
          "RdgActionsTangentes", "RdgTangentes", "PnlRetourPC", "PnlVoir", "PnlOKcourbe", "PnlEffacerCadre"},
         {G::PointsOnCurve},
         {"ImgDessin", "PnRefaire", "PnlCoordSouris", "RdgFond", "GbxAffichage", "PnlFond", "PnlStopMarquage",
          "PnlAide"},
         {G::StepButtons, G::Display, G::Background, G::Help, G::Completion}},
        {Screen::Shaping,
         {"PnlStopMarquage", "GbxTemps"},
         {G::Parameters},
         {"GbxAffichage", "PnlFond", "PnlVoir", "ChBxFermerCourbe", "PnlRetourPC", "RdgModeAff", "PnlRefairePoints",
          "PnlAide", "PnlOKcourbe", "RdgTangentes"},
         {G::PointsOnCurve, G::Display, G::Background, G::Help, G::Completion}},
        {Screen::Times,
         {"ChBxFermerCourbe", "RdgActionsTangentes", "RdgTangentes", "PnlRetourPC", "PnlVoir", "PnlOKcourbe",
          "PnlRefairePoints", "PnlCadre", "PnlEffacerCadre", "RdgCadreOuPoints", "GbxInfoParaPoint"},
         {G::PointsOnCurve},
         {"RdgModeAff", "RdgFond", "GbxAffichage", "PnlFond", "GbxTemps", "GbxParaSurQuoi", "LblQpara"},
         {G::Display, G::Background, G::Parameters}},
        {Screen::CurveFinished,
         {},
         {G::Completion, G::Display, G::Extras},
         {},
         {}},
        {Screen::FramePlacing,
         {"PnlVoir", "RdgActionsTangentes", "PnlRetourPC", "ChBxFermerCourbe", "PnlCadre"},
         {},
         {},
         {}},
        {Screen::FramePlaced,
         {},
         {},
         {"PnlEffacerCadre", "RdgCadreOuPoints"},
         {}},
        {Screen::PointsEditing,
         {"PnlCadre"},
         {},
         {"PnlVoir", "RdgActionsTangentes", "PnlRetourPC", "ChBxFermerCourbe", "PnlEffacerCadre"},
         {}},
        {Screen::FrameErased,
         {"PnlEffacerCadre", "RdgCadreOuPoints"},
         {},
         {"PnlCadre", "ChBxFermerCourbe", "RdgFond", "PnlVoir", "RdgActionsTangentes", "PnlRetourPC", "ChbxAffichePc"},
         {}},
    };
    return rows;
}
// clang-format on

} // namespace

void showScreen(Context& ctx, Screen screen) {
    for (const ScreenRow& row : screenTable()) {
        if (row.screen != screen) continue;
        for (const QString& name : row.hidden)
            ctx.controls.hide(name);
        for (MovableGroup group : row.hiddenGroups)
            hideGroup(ctx, group);
        for (const QString& name : row.shown)
            ctx.controls.show(name);
        for (MovableGroup group : row.shownGroups)
            showGroup(ctx, group);
        return;
    }
}

void setStepMessage(Context& ctx, StepMessage message) {
    ctx.doc.workflow.messageIndex = message;
    ctx.controls.setCaption(QStringLiteral("LbInfos"), stepMessage(message).in(ctx.language()));
}

} // namespace trajecta
