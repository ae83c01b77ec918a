#include "core/StepScreens.h"

#include "core/Layout.h"
#include "core/Messages.h"
#include "document/ControlIds.h"

#include <vector>

namespace trajecta {

namespace {

struct ScreenRow {
    Screen screen;
    std::vector<AnyControlId> hidden;
    std::vector<MovableGroup> hiddenGroups;
    std::vector<AnyControlId> shown;
    std::vector<MovableGroup> shownGroups;
};

using G = MovableGroup;

// Each row: the panels hidden, the groups hidden, the panels shown, the groups shown.
const std::vector<ScreenRow>& screenTable() {
    static const std::vector<ScreenRow> rows{
        {Screen::Start,
         {ids::PnlDockOrgEtapes,
          ids::PnRefaire,
          ids::PnlCoordSouris,
          ids::PnMessages,
          ids::GbxAffichage,
          ids::PnlDockAffichageOrg,
          ids::PnlDockFondOrg,
          ids::GbxInfoParaPoint,
          ids::RdgChoixEcran,
          ids::PnCreation,
          ids::PnlDockParasOrg,
          ids::GbxTemps,
          ids::PnlChargerFichier,
          ids::PnlEnregistrerCourbe,
          ids::PnlDockOKtoutOrg,
          ids::PnlOKcourbe,
          ids::PnlRefairePoints,
          ids::PnlStopMarquage,
          ids::PnlImporterSvg,
          ids::PnlExporterSvg,
          ids::PnlCadre,
          ids::PnlEffacerCadre,
          ids::PnlDockPointsSurCourbeOrg,
          ids::Pnl_nouvel_objet,
          ids::PnlChargeObjetPte,
          ids::PnlAccueil,
          ids::PnlTransfertSeul,
          ids::PnlTransfertEtRetour,
          ids::RdgCadreOuPoints,
          ids::PnlAide,
          ids::ImgDessin},
         {},
         {ids::PnlChargeObjetPte, ids::PnlAccueil},
         {}},
        {Screen::Format,
         {ids::ImgDessin, ids::PnlCoordSouris, ids::GbxTemps, ids::PnlStopMarquage, ids::PnlCadre,
          ids::GbxAffichage, ids::GbxInfoParaPoint, ids::PnlTransfertEtRetour, ids::PnlTransfertSeul,
          ids::Pnl_nouvel_objet, ids::PnlEnregistrerCourbe, ids::PnlExporterSvg},
         {G::StepButtons, G::Parameters, G::Extras, G::PointsOnCurve, G::Display, G::Background,
          G::Completion},
         {ids::RdgChoixEcran, ids::PnMessages, ids::PnCreation, ids::TbMontrePoint, ids::PnlGroupeFleches,
          ids::PnlAide, ids::PnlChargerFichier},
         {G::Help}},
        {Screen::Marking,
         {ids::RdgChoixEcran, ids::PnCreation, ids::PnlCadre, ids::PnlRefairePoints, ids::RdgCadreOuPoints,
          ids::PnlTransfertEtRetour, ids::PnlTransfertSeul, ids::Pnl_nouvel_objet, ids::PnlChargerFichier,
          ids::ChBxFermerCourbe, ids::RdgModeAff, ids::RdgActionsTangentes, ids::RdgTangentes,
          ids::PnlRetourPC, ids::PnlVoir, ids::PnlOKcourbe, ids::PnlEffacerCadre, ids::PnlExporterSvg},
         {G::PointsOnCurve},
         {ids::ImgDessin, ids::PnRefaire, ids::PnlCoordSouris, ids::RdgFond, ids::GbxAffichage, ids::PnlFond,
          ids::PnlStopMarquage, ids::PnlImporterSvg, ids::PnlAide},
         {G::StepButtons, G::Display, G::Background, G::Help, G::Completion}},
        {Screen::Shaping,
         {ids::PnlStopMarquage, ids::PnlImporterSvg, ids::GbxTemps},
         {G::Parameters},
         {ids::GbxAffichage, ids::PnlFond, ids::PnlVoir, ids::ChBxFermerCourbe, ids::PnlRetourPC,
          ids::RdgModeAff, ids::PnlRefairePoints, ids::PnlAide, ids::PnlOKcourbe, ids::RdgTangentes,
          ids::PnlExporterSvg},
         {G::PointsOnCurve, G::Display, G::Background, G::Help, G::Completion}},
        {Screen::Times,
         {ids::ChBxFermerCourbe, ids::RdgActionsTangentes, ids::RdgTangentes, ids::PnlRetourPC, ids::PnlVoir,
          ids::PnlOKcourbe, ids::PnlRefairePoints, ids::PnlCadre, ids::PnlEffacerCadre, ids::RdgCadreOuPoints,
          ids::GbxInfoParaPoint},
         {G::PointsOnCurve},
         {ids::RdgModeAff, ids::RdgFond, ids::GbxAffichage, ids::PnlFond, ids::GbxTemps, ids::GbxParaSurQuoi,
          ids::LblQpara},
         {G::Display, G::Background, G::Parameters}},
        {Screen::CurveFinished, {}, {G::Completion, G::Display, G::Extras}, {}, {}},
        {Screen::FramePlacing,
         {ids::PnlVoir, ids::RdgActionsTangentes, ids::PnlRetourPC, ids::ChBxFermerCourbe, ids::PnlCadre},
         {},
         {},
         {}},
        {Screen::FramePlaced, {}, {}, {ids::PnlEffacerCadre, ids::RdgCadreOuPoints}, {}},
        {Screen::PointsEditing,
         {ids::PnlCadre},
         {},
         {ids::PnlVoir, ids::RdgActionsTangentes, ids::PnlRetourPC, ids::ChBxFermerCourbe,
          ids::PnlEffacerCadre},
         {}},
        {Screen::FrameErased,
         {ids::PnlEffacerCadre, ids::RdgCadreOuPoints},
         {},
         {ids::PnlCadre, ids::ChBxFermerCourbe, ids::RdgFond, ids::PnlVoir, ids::RdgActionsTangentes,
          ids::PnlRetourPC, ids::ChbxAffichePc},
         {}},
    };
    return rows;
}

} // namespace

void showScreen(Context& ctx, Screen screen) {
    for (const ScreenRow& row : screenTable()) {
        if (row.screen != screen) continue;
        for (AnyControlId name : row.hidden)
            ctx.controls.hide(name);
        for (MovableGroup group : row.hiddenGroups)
            hideGroup(ctx, group);
        for (AnyControlId name : row.shown)
            ctx.controls.show(name);
        for (MovableGroup group : row.shownGroups)
            showGroup(ctx, group);
        return;
    }
}

void showCopyNotice(Context& ctx) {
    const int count = ctx.doc.shell.copiedKeypoints;
    ctx.controls.setCaption(ids::LblObjetCopie, Messages::objectCopied.in(ctx.language()).arg(count));
    ctx.controls.setVisible(ids::LblObjetCopie, count > 0);
}

void setStepMessage(Context& ctx, StepMessage message) {
    ctx.doc.workflow.messageIndex = message;
    ctx.controls.setCaption(ids::LbInfos, stepMessage(message).in(ctx.language()));
}

} // namespace trajecta
