#include "app/ControlInventory.h"
#include "app/LookInventory.h"

namespace trajecta::inventory {

namespace {

// The keypoint cursor, the range buttons and the record count of steps 4 and 5.
void declareCursorGroup(Controls& c) {
    c.declare(ids::PnlLePoint, ids::PnlPourDockLePoint);
    c.declare(ids::LblDeplaceCurseur, ids::PnlLePoint);
    slider(c, ids::TbMontrePoint, ids::PnlLePoint, 1, 20, 1);
    c.declare(ids::LblPointSelect, ids::PnlLePoint, "");
    c.declare(ids::LbliTempsCePoint, ids::PnlLePoint);
    c.declare(ids::LblTempsPointActuel, ids::PnlLePoint, "2 min 56 s  /  37 s");
    c.declare(ids::PnlGroupeFleches, ids::PnlLePoint);
    c.declare(ids::ImgFG_haut, ids::PnlGroupeFleches);
    c.declare(ids::ImgCentreHaut, ids::PnlGroupeFleches);
    c.declare(ids::ImgFD_haut, ids::PnlGroupeFleches);
    c.declare(ids::ChBxTangenteAuPoint, ids::PnlLePoint);
    c.declare(ids::LblChoixDep, ids::PnlLePoint, "").visible = false;
    c.declare(ids::LblChoixFin, ids::PnlLePoint, "").visible = false;
    // Each button is a label over a raised picture (…Haut) and a pressed one (…Bas).
    c.declare(ids::ImgVarDepHaut, ids::PnlLePoint);
    c.declare(ids::ImgVarDepBas, ids::PnlLePoint).visible = false;
    c.declare(ids::LblVarDep, ids::PnlLePoint);
    c.declare(ids::PnFinPara, ids::PnlLePoint);
    c.declare(ids::ImgVarFinHaut, ids::PnFinPara);
    c.declare(ids::ImgVarFinBas, ids::PnFinPara).visible = false;
    c.declare(ids::LblVarFin, ids::PnFinPara).enabled = false;
    c.declare(ids::PnAnnulePara, ids::PnlLePoint);
    c.declare(ids::ImgVarAnnuleHaut, ids::PnAnnulePara);
    c.declare(ids::ImgVarAnnuleBas, ids::PnAnnulePara).visible = false;
    c.declare(ids::LblVarAnnule, ids::PnAnnulePara).enabled = false;
    c.declare(ids::PnOKPara, ids::PnlLePoint);
    c.declare(ids::ImgVarOKHaut, ids::PnOKPara);
    c.declare(ids::ImgVarOKBas, ids::PnOKPara).visible = false;
    c.declare(ids::LblVarSave, ids::PnOKPara);
    c.declare(ids::PnAnnulerTout, ids::PnlLePoint);
    c.declare(ids::ImgAnnuleToutHaut, ids::PnAnnulerTout);
    c.declare(ids::ImgAnnuleToutBas, ids::PnAnnulerTout).visible = false;
    c.declare(ids::LblParaAnnuleTout, ids::PnAnnulerTout).enabled = false;
    c.declare(ids::ImgParaFiniHaut, ids::PnlLePoint);
    c.declare(ids::ImgParaFiniBas, ids::PnlLePoint).visible = false;
    c.declare(ids::LblParaFini, ids::PnlLePoint);
    c.declare(ids::LbliQpara, ids::PnlLePoint);
    c.declare(ids::LblQpara, ids::PnlLePoint, "0").visible = false; // shown from the time step on
    c.declare(ids::LbliValide, ids::PnlLePoint);
}

// The nine parameters of step 5: a check box, a start edit and an end edit each.
void declareParameterGroup(Controls& c) {
    c.declare(ids::GbxParaSurQuoi, ids::PnlPourDockGbxPara);
    c.declare(ids::ChbxOpacite, ids::GbxParaSurQuoi);
    c.declare(ids::ChBxZoomX, ids::GbxParaSurQuoi);
    c.declare(ids::ChBxZoomY, ids::GbxParaSurQuoi);
    c.declare(ids::ChBxEgal, ids::GbxParaSurQuoi).checked = true;
    c.declare(ids::ChBxRotation, ids::GbxParaSurQuoi);
    c.declare(ids::ChBxCentreX, ids::GbxParaSurQuoi);
    c.declare(ids::ChBxCentreY, ids::GbxParaSurQuoi);
    c.declare(ids::ChBxCentreEgal, ids::GbxParaSurQuoi).checked = true;
    struct Edits {
        EditId start, end;
        const char* initial;
    };
    const Edits edits[] = {
        {ids::EdtOpaDeb, ids::EdtOpaFin, "100"},       {ids::EdtZoomXdeb, ids::EdtZoomXfin, "100"},
        {ids::EdtZoomYdeb, ids::EdtZoomYfin, "100"},   {ids::EdtRotDeb, ids::EdtRotFin, "0"},
        {ids::EdtCentreXDeb, ids::EdtCentreXFin, "0"}, {ids::EdtCentreYDeb, ids::EdtCentreYFin, "0"}};
    c.declare(ids::PnParaDeb, ids::GbxParaSurQuoi).visible = false; // shown with a range end chosen
    c.declare(ids::LbliListeDeb, ids::PnParaDeb);
    for (const Edits& e : edits)
        c.declare(e.start, ids::PnParaDeb, e.initial);
    c.declare(ids::PnParaFin, ids::GbxParaSurQuoi).visible = false; // shown with a range end chosen
    c.declare(ids::LbliListeFin, ids::PnParaFin);
    for (const Edits& e : edits)
        c.declare(e.end, ids::PnParaFin, e.initial);
    c.declare(ids::Pn3D, ids::GbxParaSurQuoi);
    c.declare(ids::ChBx3D, ids::Pn3D);
    c.declare(ids::PnCoche3D, ids::Pn3D).visible = false;
    c.declare(ids::ChBx3DX, ids::PnCoche3D);
    c.declare(ids::ChBx3DY, ids::PnCoche3D);
    c.declare(ids::ChBx3DZ, ids::PnCoche3D);
    c.declare(ids::Pn3Ddeb, ids::Pn3D).visible = false;
    c.declare(ids::Lbl3DiDebut, ids::Pn3Ddeb);
    for (EditId name : {ids::Edt3DXdeb, ids::Edt3DYdeb, ids::Edt3DZdeb})
        c.declare(name, ids::Pn3Ddeb, "0");
    c.declare(ids::Pn3Dfin, ids::Pn3D).visible = false;
    c.declare(ids::Lbl3DiFin, ids::Pn3Dfin);
    for (EditId name : {ids::Edt3DXfin, ids::Edt3DYfin, ids::Edt3DZfin})
        c.declare(name, ids::Pn3Dfin, "0");
    c.declare(ids::ChBxAngleRotation, ids::GbxParaSurQuoi);
    radio(c, ids::RdgDecalage, ids::GbxParaSurQuoi, 2, 0).visible = false;
    c.declare(ids::LblRetour, ids::GbxParaSurQuoi, "");
}

// The time group of step 4 with its presets.
void declareTimeGroup(Controls& c, AnyControlId window) {
    c.declare(ids::GbxTemps, window);
    c.declare(ids::LblTemps1stKp, ids::GbxTemps);
    c.declare(ids::EdtTemps1st, ids::GbxTemps);
    c.declare(ids::LbliDureeMiniVue, ids::GbxTemps);
    c.declare(ids::LblTempsTotalVue, ids::GbxTemps, "");
    c.declare(ids::ShpTemoin, ids::GbxTemps).colour = 0x008000; // green: no record yet
    // The keypoint gaps and the speed along the path, drawn by the window.
    c.declare(ids::ImgChronogramme, ids::GbxTemps);
    c.declare(ids::ChBxSpeedUp, ids::GbxTemps);
    c.declare(ids::LblChoixTemps, ids::GbxTemps);

    c.declare(ids::PnlTempsDebFin, ids::GbxTemps).visible = false;
    c.declare(ids::LbliAutresKP, ids::PnlTempsDebFin);
    c.declare(ids::LbliDebTemps, ids::PnlTempsDebFin);
    c.declare(ids::EdtTempsDeb, ids::PnlTempsDebFin);
    c.declare(ids::LbliFinTemps, ids::PnlTempsDebFin);
    c.declare(ids::EdtTempsFin, ids::PnlTempsDebFin);
    c.declare(ids::LbliEnAbsolu, ids::PnlTempsDebFin);
    c.declare(ids::LbliDebAbsolu, ids::PnlTempsDebFin, "- - -");
    c.declare(ids::LbliFinAbsolu, ids::PnlTempsDebFin, "- - -");

    c.declare(ids::PnlOptionsTemps, ids::GbxTemps).visible = false;
    c.declare(ids::LblVitConstante, ids::PnlOptionsTemps);
    c.declare(ids::PnlTempsConstant, ids::PnlOptionsTemps);
    c.declare(ids::LblTempsConstant, ids::PnlTempsConstant);
    c.declare(ids::LblAllerAAuRalenti, ids::PnlOptionsTemps);
    c.declare(ids::LblChoixProportionnel, ids::PnlOptionsTemps);
    c.declare(ids::PnlTempsPerso, ids::PnlOptionsTemps);
    c.declare(ids::LblTempsPerso, ids::PnlTempsPerso);
    // The mark beside each option, in the colour ShpTemoin takes after its record.
    c.declare(ids::ShpVitConstante, ids::PnlOptionsTemps).colour = 0x00FF00;       // lime
    c.declare(ids::ShpTempsConstant, ids::PnlTempsConstant).colour = 0x008000;     // green
    c.declare(ids::ShpAllerAAuRalenti, ids::PnlOptionsTemps).colour = 0xFF0000;    // blue
    c.declare(ids::ShpChoixProportionnel, ids::PnlOptionsTemps).colour = 0xFF0000; // blue
    c.declare(ids::ShpTempsPerso, ids::PnlTempsPerso).colour = 0xFF0000;           // blue

    c.declare(ids::PnlVitConst, ids::PnlOptionsTemps).visible = false;
    c.declare(ids::LblindicReglage, ids::PnlVitConst);
    c.declare(ids::LbliVitGros, ids::PnlVitConst);
    slider(c, ids::TbrVitGros, ids::PnlVitConst, 0, 10, 0);
    c.declare(ids::LbliVitFin, ids::PnlVitConst);
    slider(c, ids::TbrVitFin, ids::PnlVitConst, 1, 20, 11);
    // Constant time and constant speed also take the whole animation's length.
    c.declare(ids::PnlDureeTotale, ids::PnlVitConst).visible = false;
    c.declare(ids::LbliDureeTotale, ids::PnlDureeTotale);
    c.declare(ids::EdtDureeTotale, ids::PnlDureeTotale, "");
    c.declare(ids::LbliEnregistrer, ids::PnlVitConst);

    c.declare(ids::PnlFaireRalenti, ids::PnlOptionsTemps).visible = false;
    c.declare(ids::LbliTitreRalenti, ids::PnlFaireRalenti);
    radio(c, ids::RdgChoixRalenti, ids::PnlFaireRalenti, 3, 0);
    radio(c, ids::RdgbxRalForce, ids::PnlFaireRalenti, 3, 1);
    c.declare(ids::PnlEtendueRalenti, ids::PnlFaireRalenti).visible = false;
    c.declare(ids::LbliRalDebOuFin, ids::PnlEtendueRalenti, "");
    c.declare(ids::LbliChoixDebutOuFin, ids::PnlEtendueRalenti, "");
    slider(c, ids::TbEtendueRalenti, ids::PnlEtendueRalenti, 0, 10, 0);
    c.declare(ids::PnlAppliquer, ids::PnlFaireRalenti).visible = false;
    c.declare(ids::LblAppliquer, ids::PnlAppliquer);
}

// The values stored at the keypoint under the cursor.
void declarePointInfo(Controls& c, AnyControlId window) {
    c.declare(ids::GbxInfoParaPoint, window);
    c.declare(ids::LblAngletangente, ids::GbxInfoParaPoint, "");
    c.declare(ids::LbliValeursEnreg, ids::GbxInfoParaPoint);
    // Each value beside its caption.
    const std::pair<LabelId, LabelId> values[] = {
        {ids::LbliVOpacity, ids::LblVOpacity}, {ids::LbliVZoomX, ids::LblVZoomX},
        {ids::LbliVZoomY, ids::LblVZoomY},     {ids::LbliVRotation, ids::LblVRotation},
        {ids::LbliVCentreX, ids::LblVCentreX}, {ids::LbliVCentreY, ids::LblVCentreY},
        {ids::LbliV3DX, ids::LblV3DX},         {ids::LbliV3DY, ids::LblV3DY},
        {ids::LbliV3DZ, ids::LblV3DZ}};
    for (const auto& [caption, value] : values) {
        c.declare(caption, ids::GbxInfoParaPoint);
        c.declare(value, ids::GbxInfoParaPoint, "");
    }
    c.declare(ids::LbliAngleRelatif, ids::GbxInfoParaPoint);
    c.declare(ids::LblAngleRelTang, ids::GbxInfoParaPoint, "");
    c.declare(ids::LbliPosPoint, ids::GbxInfoParaPoint);
    c.declare(ids::LblXY, ids::GbxInfoParaPoint, "");
    c.declare(ids::ShpPointActuel, ids::GbxInfoParaPoint);
}

// The French and English copies of the four image buttons' pictures.
void declareButtonPictures(Controls& c, AnyControlId window) {
    c.declare(ids::Pnl_ImagesBoutons, window).visible = false;
    for (ImageId name : {ids::ImgTransfertTotal_Bas_Fr, ids::ImgTransfertTotal_Bas_Eng,
                         ids::ImgTransfertTotal_haut_Fr, ids::ImgTransfertTotal_Haut_Eng,
                         ids::ImgTransSeulBasFr, ids::ImgTransSeulBasEng, ids::ImgTransSeulHautFr,
                         ids::ImgTransSeulHautEng, ids::ImgChargeOpte_Bas_Fr, ids::ImgChargeOpte_Bas_Eng,
                         ids::ImgChargeOpte_Haut_Fr, ids::ImgChargeOpte_Haut_Eng, ids::ImgNouvelObjetBasFr,
                         ids::ImgNouvelObjetBasEng, ids::ImgNouvelObjetHautFr, ids::ImgNouvelObjetHautEng})
        c.declare(name, ids::Pnl_ImagesBoutons);
}

void declareMenus(Controls& c, AnyControlId window) {
    c.declare(ids::Fichier, window);
    c.declare(ids::ChargerExemple, ids::Fichier);
    c.declare(ids::Commencer, ids::Fichier);
    c.declare(ids::Edition, window);
    // Nothing to undo or redo yet.
    c.declare(ids::AnnulerAction, ids::Edition).enabled = false;
    c.declare(ids::RetablirAction, ids::Edition).enabled = false;
    c.declare(ids::Langage, window);
    c.declare(ids::French, ids::Langage).checked = true;
    c.declare(ids::English, ids::Langage);
    c.declare(ids::Options, window);
    c.declare(ids::Parametres, ids::Options);
    c.declare(ids::VoirF2, ids::Options);
    c.declare(ids::F2MilieuEcran1, ids::Options);
    c.declare(ids::Apropos, window);
}

// The keys that press a button or a menu item, wherever its group stands; a
// shortcut does nothing while its control is hidden or disabled.
void declareShortcuts(Controls& c) {
    const std::pair<AnyControlId, QStringList> keys[] = {
        {ids::Commencer, {"Ctrl+Q"}},
        {ids::AnnulerAction, {"Ctrl+Z"}},
        {ids::RetablirAction, {"Ctrl+Y", "Ctrl+Shift+Z"}},
        {ids::LblAide, {"F1"}},
        {ids::LblChargerFichier, {"Ctrl+O"}},
        {ids::LblEnregistrerCourbe, {"Ctrl+S"}},
        {ids::LblStopMarquage, {"Esc"}},
        {ids::LblOKcourbe, {"Ctrl+Return", "Ctrl+Enter"}},
        {ids::LblEtapeAvant, {"PgUp"}},
        {ids::LblEtapeApres, {"PgDown"}},
        {ids::TbMontrePoint, {"Left", "Right"}},
        {ids::LblLecture, {"Space"}},
    };
    for (const auto& [control, shortcuts] : keys)
        c.setShortcuts(control, shortcuts);
}

} // namespace

void declareMainWindow(Controls& c) {
    const WindowId w = ids::KeyPointsBezier;
    c.declare(ids::KeyPointsBezier);

    // The work area and the message line.
    c.declare(ids::ImgDessin, w);
    c.declare(ids::PnMessages, w);
    c.declare(ids::LbInfos, ids::PnMessages);
    c.declare(ids::LblTravauxEnCours, w).visible = false;
    c.declare(ids::LblObjetCopie, w).visible = false;

    // Step 0: load a host object.
    c.declare(ids::PnlChargeObjetPte, w);
    c.declare(ids::ImgChargeObjetPte_Bas, ids::PnlChargeObjetPte);
    c.declare(ids::ImgChargeObjetPte_Haut, ids::PnlChargeObjetPte);
    // Under the load button: what to do first, and the sample object to try
    // the program without PicturesToExe.
    c.declare(ids::PnlAccueil, w);
    c.declare(ids::LblAccueil, ids::PnlAccueil);
    c.declare(ids::LblObjetExemple, ids::PnlAccueil);

    // Step 1: screen format, creation, curve file loading.
    radio(c, ids::RdgChoixEcran, w, {"16/9", "16/10", "15/10", "4/3", "5/4"}, 0);
    c.declare(ids::PnCreation, w);
    c.declare(ids::LbCreation, ids::PnCreation);
    c.declare(ids::PnlChargerFichier, w);
    c.declare(ids::LblChargerFichier, ids::PnlChargerFichier);
    c.declare(ids::PnlEnregistrerCourbe, w);
    c.declare(ids::LblEnregistrerCourbe, ids::PnlEnregistrerCourbe);
    // Steps 3 to 6: the curve written as an SVG drawing.
    c.declare(ids::PnlExporterSvg, w);
    c.declare(ids::LblExporterSvg, ids::PnlExporterSvg);

    // The step buttons.
    c.declare(ids::PnlDockOrgEtapes, w);
    c.declare(ids::PnRefaire, ids::PnlDockOrgEtapes);
    c.declare(ids::LblRefaireTout, ids::PnRefaire);
    c.declare(ids::LblEtapeAvant, ids::PnRefaire);
    c.declare(ids::LblEtapeApres, ids::PnRefaire);

    // Mouse coordinates.
    c.declare(ids::PnlCoordSouris, w);
    c.declare(ids::LblCoordSouris, ids::PnlCoordSouris, "X=  Y=");
    c.declare(ids::LblCoordPourCent, ids::PnlCoordSouris, "X=%  Y=%");

    // Background and curve display.
    c.declare(ids::PnlDockFondOrg, w);
    c.declare(ids::PnlFondEtCourbe, ids::PnlDockFondOrg);
    radio(c, ids::RdgFond, ids::PnlFondEtCourbe, 4, 0);
    c.declare(ids::PnlFond, ids::PnlFondEtCourbe);
    c.declare(ids::LblChoisirPhoto, ids::PnlFond);
    c.declare(ids::LblTraiter, ids::PnlFond);
    radio(c, ids::RdgModeAff, ids::PnlFondEtCourbe, 4, 1);
    c.declare(ids::ChBxFermerCourbe, ids::PnlFondEtCourbe);

    c.declare(ids::PnlDockAffichageOrg, w);
    c.declare(ids::GbxAffichage, ids::PnlDockAffichageOrg); // without a title
    c.declare(ids::PnlVoir, ids::GbxAffichage);
    c.declare(ids::ChbxAffichePc, ids::PnlVoir).checked = true;
    radio(c, ids::RdgTangentes, ids::GbxAffichage, 3, 2);
    radio(c, ids::RdgActionsTangentes, ids::GbxAffichage, 5, 0);
    c.declare(ids::PnlRetourPC, ids::GbxAffichage);
    c.declare(ids::LblRetourPoints, ids::PnlRetourPC);

    // Points on the curve.
    c.declare(ids::PnlDockPointsSurCourbeOrg, w);
    c.declare(ids::PnlPointsSurCourbe, ids::PnlDockPointsSurCourbeOrg);
    // The slider says what it sets, and for which parts: the boxes under it.
    c.declare(ids::PnlQPoints, ids::PnlPointsSurCourbe);
    c.declare(ids::LbliQPoints, ids::PnlQPoints);
    slider(c, ids::TbrQPoints, ids::PnlQPoints, 10, 60, 20);
    c.declare(ids::LBlQpCourbe, ids::PnlQPoints, "20");
    c.declare(ids::LblPtsEnTout, ids::PnlPointsSurCourbe);
    c.declare(ids::LblTotalPts, ids::PnlPointsSurCourbe, "0");
    c.declare(ids::LbliPointsDoubles, ids::PnlPointsSurCourbe);
    c.declare(ids::LblPointsDoubles, ids::PnlPointsSurCourbe, "0");
    c.declare(ids::PnlPartiesBz, ids::PnlPointsSurCourbe);
    c.declare(ids::LbliChoisirParties, ids::PnlPartiesBz);
    for (int k = 1; k <= 16; ++k)
        c.declare(ids::curvePartBoxes[k - 1], ids::PnlPartiesBz, QString::number(k));
    c.declare(ids::PnlTout, ids::PnlPointsSurCourbe);
    c.declare(ids::LblTout, ids::PnlTout);
    c.declare(ids::PnlRien, ids::PnlPointsSurCourbe);
    c.declare(ids::LblRien, ids::PnlRien);

    // Curve completion: marking, finishing, redoing, the frame.
    c.declare(ids::PnlDockOKtoutOrg, w);
    c.declare(ids::PnlOKtout, ids::PnlDockOKtoutOrg);
    c.declare(ids::PnlStopMarquage, ids::PnlOKtout);
    c.declare(ids::LblStopMarquage, ids::PnlStopMarquage);
    // Step 2, before the first point: a path drawn elsewhere becomes the curve.
    c.declare(ids::PnlImporterSvg, ids::PnlOKtout);
    c.declare(ids::LblImporterSvg, ids::PnlImporterSvg);
    c.declare(ids::PnlCadre, ids::PnlOKtout);
    c.declare(ids::LblCadre, ids::PnlCadre);
    c.declare(ids::PnlEffacerCadre, ids::PnlOKtout);
    c.declare(ids::LblEffacerCadre, ids::PnlEffacerCadre);
    radio(c, ids::RdgCadreOuPoints, ids::PnlOKtout, 2, 1);
    c.declare(ids::PnlOKcourbe, ids::PnlOKtout);
    c.declare(ids::LblOKcourbe, ids::PnlOKcourbe);
    c.declare(ids::PnlRefairePoints, ids::PnlOKtout);
    c.declare(ids::LblRefairePoints, ids::PnlRefairePoints);

    // Help and extras.
    c.declare(ids::PnlDockAideOrg, w);
    c.declare(ids::PnlAide, ids::PnlDockAideOrg);
    c.declare(ids::LblAide, ids::PnlAide);
    c.declare(ids::PnlDockOrgExtras, w).visible = false; // shown once a keypoint list exists
    c.declare(ids::PnlExtras, ids::PnlDockOrgExtras);
    c.declare(ids::LblExtras, ids::PnlExtras);
    c.declare(ids::ShpTemoinExtra, w).visible = false; // the reversed path is in force

    // Time and parameter steps.
    c.declare(ids::PnlDockParasOrg, w);
    c.declare(ids::PnlPourDockGbxPara, ids::PnlDockParasOrg);
    declareParameterGroup(c);
    c.declare(ids::PnlPourDockLePoint, ids::PnlDockParasOrg);
    declareCursorGroup(c);
    declareTimeGroup(c, w);
    declarePointInfo(c, w);
    c.declare(ids::LblTempsMiniVueFinal, w, "").visible = false;
    c.declare(ids::Lbl1erKP, w, "").visible = false;
    c.declare(ids::Label10, w, "").visible = false;

    // The preview of the motion, from the time step on.
    c.declare(ids::PnlLecture, w).visible = false;
    c.declare(ids::LblLecture, ids::PnlLecture, "Lecture");
    slider(c, ids::TbLecture, ids::PnlLecture, 0, 0, 0);
    c.declare(ids::LblTempsLecture, ids::PnlLecture, "0 ms");

    // Step 6: the transfers.
    c.declare(ids::PnlTransfertEtRetour, w);
    c.declare(ids::ImgTransfertTotalBas, ids::PnlTransfertEtRetour);
    c.declare(ids::ImgTransfertTotalHaut, ids::PnlTransfertEtRetour);
    c.declare(ids::PnlTransfertSeul, w);
    c.declare(ids::ImgTransfertSeul_Bas, ids::PnlTransfertSeul);
    c.declare(ids::ImgTransfertSeul_Haut, ids::PnlTransfertSeul);
    c.declare(ids::Pnl_nouvel_objet, w);
    c.declare(ids::ImgNvlObjet_bas, ids::Pnl_nouvel_objet);
    c.declare(ids::ImgNvlObjet_haut, ids::Pnl_nouvel_objet);
    declareButtonPictures(c, w);

    declareMenus(c, w);
    declareShortcuts(c);
}

void describeMainWindow(ControlLooks& looks) {
    // Labels and panels that act as push buttons.
    looks.buttons.unite(
        nameSet({ids::LblLecture,      ids::PnCreation,     ids::PnlChargerFichier, ids::PnlEnregistrerCourbe,
                 ids::PnlStopMarquage, ids::PnlImporterSvg, ids::PnlExporterSvg,    ids::PnlCadre,
                 ids::PnlEffacerCadre, ids::PnlOKcourbe,    ids::PnlRefairePoints,  ids::PnlRetourPC,
                 ids::PnlTout,         ids::PnlRien,        ids::PnlAide,           ids::PnlExtras,
                 ids::LblRefaireTout,  ids::LblEtapeAvant,  ids::LblEtapeApres,     ids::LblChoisirPhoto,
                 ids::LblTraiter,      ids::LblParaFini,    ids::LblVarDep,         ids::LblVarFin,
                 ids::LblVarAnnule,    ids::LblVarSave,     ids::LblParaAnnuleTout, ids::LblAppliquer,
                 ids::LblObjetExemple}));
    looks.wells.insert(ids::PnMessages.str());

    auto& a = looks.arrangements;
    // The groups of the band are low enough for it: radio items in two
    // columns, the display options in three. The background over the curve's
    // display is narrow enough for a sub-column of the right region.
    a[ids::PnlFondEtCourbe.str()] = {Arrangement::Columns, 1};
    a[ids::RdgFond.str()] = a[ids::RdgModeAff.str()] = {Arrangement::Columns, 2};
    a[ids::GbxAffichage.str()] = {Arrangement::Columns, 3, {2, 1, 1}};
    a[ids::PnlPartiesBz.str()] = {Arrangement::Grid, 4};
    a[ids::PnlGroupeFleches.str()] = {Arrangement::Horizontal, 1};
    a[ids::PnlPointsSurCourbe.str()] = {Arrangement::Pairs, 2};
    a[ids::PnlQPoints.str()] = {Arrangement::Rows, 1, {1, 2}};
    a[ids::PnlDureeTotale.str()] = {Arrangement::Horizontal, 1};
    // The keypoint cursor stands in the column: one caption or a few buttons a row.
    a[ids::PnlLePoint.str()] = {Arrangement::Rows, 1, {1, 2, 1, 1, 2, 2, 4, 2, 4, 2, 1}};
    a[ids::PnlTempsDebFin.str()] = {Arrangement::Rows, 1, {1, 4, 3}};
    a[ids::PnlLecture.str()] = {Arrangement::Rows, 1, {3}};
    // The values stored at the point, each beside its caption, two a row.
    a[ids::GbxInfoParaPoint.str()] = {Arrangement::Rows, 1, {1, 1, 4, 4, 4, 4, 2}};
    // The parameter group of the band: a table with a column for each
    // parameter, its check box over its start and end values, the captions
    // "début" and "fin" heading the rows; then the 3D values beside the angle option.
    const QString none; // a cell left empty
    a[ids::GbxParaSurQuoi.str()] = {
        Arrangement::Table,
        1,
        {2},
        {{none, ids::ChbxOpacite.str(), ids::ChBxZoomX.str(), ids::ChBxZoomY.str(), ids::ChBxEgal.str(),
          ids::ChBxRotation.str(), ids::ChBxCentreX.str(), ids::ChBxCentreY.str(), ids::ChBxCentreEgal.str()},
         {ids::LbliListeDeb.str(), ids::EdtOpaDeb.str(), ids::EdtZoomXdeb.str(), ids::EdtZoomYdeb.str(), none,
          ids::EdtRotDeb.str(), ids::EdtCentreXDeb.str(), ids::EdtCentreYDeb.str()},
         {ids::LbliListeFin.str(), ids::EdtOpaFin.str(), ids::EdtZoomXfin.str(), ids::EdtZoomYfin.str(), none,
          ids::EdtRotFin.str(), ids::EdtCentreXFin.str(), ids::EdtCentreYFin.str()}}};
    a[ids::Pn3D.str()] = {Arrangement::Rows, 1, {2}};
    for (const AnyControlId row :
         AnyControlIds{ids::PnParaDeb, ids::PnParaFin, ids::PnCoche3D, ids::Pn3Ddeb, ids::Pn3Dfin})
        a[row.str()] = {Arrangement::Horizontal, 1};
    // A label over its raised and pressed pictures.
    for (const AnyControlId button :
         AnyControlIds{ids::PnFinPara, ids::PnAnnulePara, ids::PnOKPara, ids::PnAnnulerTout})
        a[button.str()] = {Arrangement::Stacked, 1};

    // Tab visits the step buttons, then the buttons and fields of the steps
    // (only those of the current step show), then the options.
    looks.tabOrder = controlNames({ids::PnRefaire, ids::PnlChargeObjetPte, ids::PnlAccueil,
                                   ids::RdgChoixEcran, ids::PnCreation, ids::PnlChargerFichier,
                                   ids::PnlOKtout, ids::PnlLePoint, ids::GbxParaSurQuoi, ids::GbxTemps,
                                   ids::PnlLecture, ids::PnlEnregistrerCourbe, ids::PnlExporterSvg,
                                   ids::PnlTransfertEtRetour, ids::PnlTransfertSeul, ids::Pnl_nouvel_objet});
}

} // namespace trajecta::inventory
