#include "app/ControlInventory.h"
#include "app/LookInventory.h"

namespace trajecta::inventory {

namespace {

using K = ControlKind;

// The keypoint cursor, the range buttons and the record count of steps 4 and 5.
void declareCursorGroup(Controls& c) {
    c.declare("PnlLePoint", K::Panel, "PnlPourDockLePoint");
    c.declare("LblDeplaceCurseur", K::Label, "PnlLePoint");
    slider(c, "TbMontrePoint", "PnlLePoint", 1, 20, 1);
    c.declare("LblPointSelect", K::Label, "PnlLePoint", "");
    c.declare("LbliTempsCePoint", K::Label, "PnlLePoint");
    c.declare("LblTempsPointActuel", K::Label, "PnlLePoint", "2 min 56 s  /  37 s");
    c.declare("PnlGroupeFleches", K::Panel, "PnlLePoint");
    c.declare("ImgFG_haut", K::Image, "PnlGroupeFleches");
    c.declare("ImgCentreHaut", K::Image, "PnlGroupeFleches");
    c.declare("ImgFD_haut", K::Image, "PnlGroupeFleches");
    c.declare("ChBxTangenteAuPoint", K::CheckBox, "PnlLePoint");
    c.declare("LblChoixDep", K::Label, "PnlLePoint", "").visible = false;
    c.declare("LblChoixFin", K::Label, "PnlLePoint", "").visible = false;
    // Each button is a label over a raised picture (…Haut) and a pressed one (…Bas).
    c.declare("ImgVarDepHaut", K::Image, "PnlLePoint");
    c.declare("ImgVarDepBas", K::Image, "PnlLePoint").visible = false;
    c.declare("LblVarDep", K::Label, "PnlLePoint");
    c.declare("PnFinPara", K::Panel, "PnlLePoint");
    c.declare("ImgVarFinHaut", K::Image, "PnFinPara");
    c.declare("ImgVarFinBas", K::Image, "PnFinPara").visible = false;
    c.declare("LblVarFin", K::Label, "PnFinPara").enabled = false;
    c.declare("PnAnnulePara", K::Panel, "PnlLePoint");
    c.declare("ImgVarAnnuleHaut", K::Image, "PnAnnulePara");
    c.declare("ImgVarAnnuleBas", K::Image, "PnAnnulePara").visible = false;
    c.declare("LblVarAnnule", K::Label, "PnAnnulePara").enabled = false;
    c.declare("PnOKPara", K::Panel, "PnlLePoint");
    c.declare("ImgVarOKHaut", K::Image, "PnOKPara");
    c.declare("ImgVarOKBas", K::Image, "PnOKPara").visible = false;
    c.declare("LblVarSave", K::Label, "PnOKPara");
    c.declare("PnAnnulerTout", K::Panel, "PnlLePoint");
    c.declare("ImgAnnuleToutHaut", K::Image, "PnAnnulerTout");
    c.declare("ImgAnnuleToutBas", K::Image, "PnAnnulerTout").visible = false;
    c.declare("LblParaAnnuleTout", K::Label, "PnAnnulerTout").enabled = false;
    c.declare("ImgParaFiniHaut", K::Image, "PnlLePoint");
    c.declare("ImgParaFiniBas", K::Image, "PnlLePoint").visible = false;
    c.declare("LblParaFini", K::Label, "PnlLePoint");
    c.declare("LbliQpara", K::Label, "PnlLePoint");
    c.declare("LblQpara", K::Label, "PnlLePoint", "0").visible = false; // shown from the time step on
    c.declare("LbliValide", K::Label, "PnlLePoint");
}

// The nine parameters of step 5: a check box, a start edit and an end edit each.
void declareParameterGroup(Controls& c) {
    c.declare("GbxParaSurQuoi", K::GroupBox, "PnlPourDockGbxPara");
    c.declare("ChbxOpacite", K::CheckBox, "GbxParaSurQuoi");
    c.declare("ChBxZoomX", K::CheckBox, "GbxParaSurQuoi");
    c.declare("ChBxZoomY", K::CheckBox, "GbxParaSurQuoi");
    c.declare("ChBxEgal", K::CheckBox, "GbxParaSurQuoi").checked = true;
    c.declare("ChBxRotation", K::CheckBox, "GbxParaSurQuoi");
    c.declare("ChBxCentreX", K::CheckBox, "GbxParaSurQuoi");
    c.declare("ChBxCentreY", K::CheckBox, "GbxParaSurQuoi");
    c.declare("ChBxCentreEgal", K::CheckBox, "GbxParaSurQuoi").checked = true;
    struct Edits {
        const char *start, *end, *initial;
    };
    const Edits edits[] = {{"EdtOpaDeb", "EdtOpaFin", "100"},       {"EdtZoomXdeb", "EdtZoomXfin", "100"},
                           {"EdtZoomYdeb", "EdtZoomYfin", "100"},   {"EdtRotDeb", "EdtRotFin", "0"},
                           {"EdtCentreXDeb", "EdtCentreXFin", "0"}, {"EdtCentreYDeb", "EdtCentreYFin", "0"}};
    c.declare("PnParaDeb", K::Panel, "GbxParaSurQuoi").visible = false; // shown with a range end chosen
    c.declare("LbliListeDeb", K::Label, "PnParaDeb");
    for (const Edits& e : edits)
        c.declare(e.start, K::Edit, "PnParaDeb", e.initial);
    c.declare("PnParaFin", K::Panel, "GbxParaSurQuoi").visible = false; // shown with a range end chosen
    c.declare("LbliListeFin", K::Label, "PnParaFin");
    for (const Edits& e : edits)
        c.declare(e.end, K::Edit, "PnParaFin", e.initial);
    c.declare("Pn3D", K::Panel, "GbxParaSurQuoi");
    c.declare("ChBx3D", K::CheckBox, "Pn3D");
    c.declare("PnCoche3D", K::Panel, "Pn3D").visible = false;
    c.declare("ChBx3DX", K::CheckBox, "PnCoche3D");
    c.declare("ChBx3DY", K::CheckBox, "PnCoche3D");
    c.declare("ChBx3DZ", K::CheckBox, "PnCoche3D");
    c.declare("Pn3Ddeb", K::Panel, "Pn3D").visible = false;
    c.declare("Lbl3DiDebut", K::Label, "Pn3Ddeb");
    for (const char* name : {"Edt3DXdeb", "Edt3DYdeb", "Edt3DZdeb"})
        c.declare(name, K::Edit, "Pn3Ddeb", "0");
    c.declare("Pn3Dfin", K::Panel, "Pn3D").visible = false;
    c.declare("Lbl3DiFin", K::Label, "Pn3Dfin");
    for (const char* name : {"Edt3DXfin", "Edt3DYfin", "Edt3DZfin"})
        c.declare(name, K::Edit, "Pn3Dfin", "0");
    c.declare("ChBxAngleRotation", K::CheckBox, "GbxParaSurQuoi");
    radio(c, "RdgDecalage", "GbxParaSurQuoi", 2, 0).visible = false;
    c.declare("LblRetour", K::Label, "GbxParaSurQuoi", "");
}

// The time group of step 4 with its presets.
void declareTimeGroup(Controls& c, const QString& window) {
    c.declare("GbxTemps", K::GroupBox, window);
    c.declare("LblTemps1stKp", K::Label, "GbxTemps");
    c.declare("EdtTemps1st", K::Edit, "GbxTemps");
    c.declare("LbliDureeMiniVue", K::Label, "GbxTemps");
    c.declare("LblTempsTotalVue", K::Label, "GbxTemps", "");
    c.declare("ShpTemoin", K::Shape, "GbxTemps").colour = 0x008000; // green: no record yet
    // The keypoint gaps and the speed along the path, drawn by the window.
    c.declare("ImgChronogramme", K::Image, "GbxTemps");
    c.declare("ChBxSpeedUp", K::CheckBox, "GbxTemps");
    c.declare("LblChoixTemps", K::Label, "GbxTemps");

    c.declare("PnlTempsDebFin", K::Panel, "GbxTemps").visible = false;
    c.declare("LbliAutresKP", K::Label, "PnlTempsDebFin");
    c.declare("LbliDebTemps", K::Label, "PnlTempsDebFin");
    c.declare("EdtTempsDeb", K::Edit, "PnlTempsDebFin");
    c.declare("LbliFinTemps", K::Label, "PnlTempsDebFin");
    c.declare("EdtTempsFin", K::Edit, "PnlTempsDebFin");
    c.declare("LbliEnAbsolu", K::Label, "PnlTempsDebFin");
    c.declare("LbliDebAbsolu", K::Label, "PnlTempsDebFin", "- - -");
    c.declare("LbliFinAbsolu", K::Label, "PnlTempsDebFin", "- - -");

    c.declare("PnlOptionsTemps", K::Panel, "GbxTemps").visible = false;
    c.declare("LblVitConstante", K::Label, "PnlOptionsTemps");
    c.declare("PnlTempsConstant", K::Panel, "PnlOptionsTemps");
    c.declare("LblTempsConstant", K::Label, "PnlTempsConstant");
    c.declare("LblAllerAAuRalenti", K::Label, "PnlOptionsTemps");
    c.declare("LblChoixProportionnel", K::Label, "PnlOptionsTemps");
    c.declare("PnlTempsPerso", K::Panel, "PnlOptionsTemps");
    c.declare("LblTempsPerso", K::Label, "PnlTempsPerso");
    // The mark beside each option, in the colour ShpTemoin takes after its record.
    c.declare("ShpVitConstante", K::Shape, "PnlOptionsTemps").colour = 0x00FF00;       // lime
    c.declare("ShpTempsConstant", K::Shape, "PnlTempsConstant").colour = 0x008000;     // green
    c.declare("ShpAllerAAuRalenti", K::Shape, "PnlOptionsTemps").colour = 0xFF0000;    // blue
    c.declare("ShpChoixProportionnel", K::Shape, "PnlOptionsTemps").colour = 0xFF0000; // blue
    c.declare("ShpTempsPerso", K::Shape, "PnlTempsPerso").colour = 0xFF0000;           // blue

    c.declare("PnlVitConst", K::Panel, "PnlOptionsTemps").visible = false;
    c.declare("LblindicReglage", K::Label, "PnlVitConst");
    c.declare("LbliVitGros", K::Label, "PnlVitConst");
    slider(c, "TbrVitGros", "PnlVitConst", 0, 10, 0);
    c.declare("LbliVitFin", K::Label, "PnlVitConst");
    slider(c, "TbrVitFin", "PnlVitConst", 1, 20, 11);
    c.declare("LbliEnregistrer", K::Label, "PnlVitConst");

    c.declare("PnlFaireRalenti", K::Panel, "PnlOptionsTemps").visible = false;
    c.declare("LbliTitreRalenti", K::Label, "PnlFaireRalenti");
    radio(c, "RdgChoixRalenti", "PnlFaireRalenti", 3, 0);
    radio(c, "RdgbxRalForce", "PnlFaireRalenti", 3, 1);
    c.declare("PnlEtendueRalenti", K::Panel, "PnlFaireRalenti").visible = false;
    c.declare("LbliRalDebOuFin", K::Label, "PnlEtendueRalenti", "");
    c.declare("LbliChoixDebutOuFin", K::Label, "PnlEtendueRalenti", "");
    slider(c, "TbEtendueRalenti", "PnlEtendueRalenti", 0, 10, 0);
    c.declare("PnlAppliquer", K::Panel, "PnlFaireRalenti").visible = false;
    c.declare("LblAppliquer", K::Label, "PnlAppliquer");
}

// The values stored at the keypoint under the cursor.
void declarePointInfo(Controls& c, const QString& window) {
    c.declare("GbxInfoParaPoint", K::GroupBox, window);
    c.declare("LblAngletangente", K::Label, "GbxInfoParaPoint", "");
    c.declare("LbliValeursEnreg", K::Label, "GbxInfoParaPoint");
    for (const char* name : {"LblVOpacity", "LblVZoomX", "LblVZoomY", "LblVRotation", "LblVCentreX",
                             "LblVCentreY", "LblV3DX", "LblV3DY", "LblV3DZ"})
        c.declare(name, K::Label, "GbxInfoParaPoint", "");
    c.declare("LbliAngleRelatif", K::Label, "GbxInfoParaPoint");
    c.declare("LblAngleRelTang", K::Label, "GbxInfoParaPoint", "");
    c.declare("LbliPosPoint", K::Label, "GbxInfoParaPoint");
    c.declare("LblXY", K::Label, "GbxInfoParaPoint", "");
    c.declare("ShpPointActuel", K::Shape, "GbxInfoParaPoint");
}

// The French and English copies of the four image buttons' pictures.
void declareButtonPictures(Controls& c, const QString& window) {
    c.declare("Pnl_ImagesBoutons", K::Panel, window).visible = false;
    for (const char* name :
         {"ImgTransfertTotal_Bas_Fr", "ImgTransfertTotal_Bas_Eng", "ImgTransfertTotal_haut_Fr",
          "ImgTransfertTotal_Haut_Eng", "ImgTransSeulBasFr", "ImgTransSeulBasEng", "ImgTransSeulHautFr",
          "ImgTransSeulHautEng", "ImgChargeOpte_Bas_Fr", "ImgChargeOpte_Bas_Eng", "ImgChargeOpte_Haut_Fr",
          "ImgChargeOpte_Haut_Eng", "ImgNouvelObjetBasFr", "ImgNouvelObjetBasEng", "ImgNouvelObjetHautFr",
          "ImgNouvelObjetHautEng"})
        c.declare(name, K::Image, "Pnl_ImagesBoutons");
}

void declareMenus(Controls& c, const QString& window) {
    c.declare("Fichier", K::MenuItem, window);
    c.declare("ChargerExemple", K::MenuItem, "Fichier");
    c.declare("Commencer", K::MenuItem, "Fichier");
    c.declare("Edition", K::MenuItem, window);
    // Nothing to undo or redo yet.
    c.declare("AnnulerAction", K::MenuItem, "Edition").enabled = false;
    c.declare("RetablirAction", K::MenuItem, "Edition").enabled = false;
    c.declare("Langage", K::MenuItem, window);
    c.declare("French", K::MenuItem, "Langage").checked = true;
    c.declare("English", K::MenuItem, "Langage");
    c.declare("Options", K::MenuItem, window);
    c.declare("Parametres", K::MenuItem, "Options");
    c.declare("VoirF2", K::MenuItem, "Options");
    c.declare("F2MilieuEcran1", K::MenuItem, "Options");
    c.declare("Apropos", K::MenuItem, window);
}

// The keys that press a button or a menu item, wherever its group stands; a
// shortcut does nothing while its control is hidden or disabled.
void declareShortcuts(Controls& c) {
    const std::pair<const char*, QStringList> keys[] = {
        {"Commencer", {"Ctrl+Q"}},
        {"AnnulerAction", {"Ctrl+Z"}},
        {"RetablirAction", {"Ctrl+Y", "Ctrl+Shift+Z"}},
        {"LblAide", {"F1"}},
        {"LblChargerFichier", {"Ctrl+O"}},
        {"LblEnregistrerCourbe", {"Ctrl+S"}},
        {"LblStopMarquage", {"Esc"}},
        {"LblOKcourbe", {"Ctrl+Return", "Ctrl+Enter"}},
        {"LblEtapeAvant", {"PgUp"}},
        {"LblEtapeApres", {"PgDown"}},
        {"TbMontrePoint", {"Left", "Right"}},
        {"LblLecture", {"Space"}},
    };
    for (const auto& [control, shortcuts] : keys)
        c.setShortcuts(QLatin1String(control), shortcuts);
}

} // namespace

void declareMainWindow(Controls& c) {
    const QString& w = mainWindowName;
    c.declare(w, K::Window);

    // The work area and the message line.
    c.declare("ImgDessin", K::Image, w);
    c.declare("PnMessages", K::Panel, w);
    c.declare("LbInfos", K::Label, "PnMessages");
    c.declare("LblTravauxEnCours", K::Label, w).visible = false;

    // Step 0: load a host object.
    c.declare("PnlChargeObjetPte", K::Panel, w);
    c.declare("ImgChargeObjetPte_Bas", K::Image, "PnlChargeObjetPte");
    c.declare("ImgChargeObjetPte_Haut", K::Image, "PnlChargeObjetPte");

    // Step 1: screen format, creation, curve file loading.
    radio(c, "RdgChoixEcran", w, {"16/9", "16/10", "15/10", "4/3", "5/4"}, 0);
    c.declare("PnCreation", K::Panel, w);
    c.declare("LbCreation", K::Label, "PnCreation");
    c.declare("PnlChargerFichier", K::Panel, w);
    c.declare("LblChargerFichier", K::Label, "PnlChargerFichier");
    c.declare("PnlEnregistrerCourbe", K::Panel, w);
    c.declare("LblEnregistrerCourbe", K::Label, "PnlEnregistrerCourbe");

    // The step buttons.
    c.declare("PnlDockOrgEtapes", K::Panel, w);
    c.declare("PnRefaire", K::Panel, "PnlDockOrgEtapes");
    c.declare("LblRefaireTout", K::Label, "PnRefaire");
    c.declare("LblEtapeAvant", K::Label, "PnRefaire");
    c.declare("LblEtapeApres", K::Label, "PnRefaire");

    // Mouse coordinates.
    c.declare("PnlCoordSouris", K::Panel, w);
    c.declare("LblCoordSouris", K::Label, "PnlCoordSouris", "X=  Y=");
    c.declare("LblCoordPourCent", K::Label, "PnlCoordSouris", "X=%  Y=%");

    // Background and curve display.
    c.declare("PnlDockFondOrg", K::Panel, w);
    c.declare("PnlFondEtCourbe", K::Panel, "PnlDockFondOrg");
    radio(c, "RdgFond", "PnlFondEtCourbe", 4, 0);
    c.declare("PnlFond", K::Panel, "PnlFondEtCourbe");
    c.declare("LblChoisirPhoto", K::Label, "PnlFond");
    c.declare("LblTraiter", K::Label, "PnlFond");
    radio(c, "RdgModeAff", "PnlFondEtCourbe", 4, 1);
    c.declare("ChBxFermerCourbe", K::CheckBox, "PnlFondEtCourbe");

    c.declare("PnlDockAffichageOrg", K::Panel, w);
    c.declare("GbxAffichage", K::GroupBox, "PnlDockAffichageOrg"); // without a title
    c.declare("PnlVoir", K::Panel, "GbxAffichage");
    c.declare("ChbxAffichePc", K::CheckBox, "PnlVoir").checked = true;
    radio(c, "RdgTangentes", "GbxAffichage", 3, 2);
    radio(c, "RdgActionsTangentes", "GbxAffichage", 5, 0);
    c.declare("PnlRetourPC", K::Panel, "GbxAffichage");
    c.declare("LblRetourPoints", K::Label, "PnlRetourPC");

    // Points on the curve.
    c.declare("PnlDockPointsSurCourbeOrg", K::Panel, w);
    c.declare("PnlPointsSurCourbe", K::Panel, "PnlDockPointsSurCourbeOrg");
    slider(c, "TbrQPoints", "PnlPointsSurCourbe", 10, 60, 20);
    c.declare("LBlQpCourbe", K::Label, "PnlPointsSurCourbe", "20");
    c.declare("LblPtsEnTout", K::Label, "PnlPointsSurCourbe");
    c.declare("LblTotalPts", K::Label, "PnlPointsSurCourbe", "0");
    c.declare("LbliPointsDoubles", K::Label, "PnlPointsSurCourbe");
    c.declare("LblPointsDoubles", K::Label, "PnlPointsSurCourbe", "0");
    c.declare("PnlPartiesBz", K::Panel, "PnlPointsSurCourbe");
    c.declare("LbliChoisirParties", K::Label, "PnlPartiesBz");
    for (int k = 1; k <= 16; ++k)
        c.declare(QStringLiteral("ChBx%1").arg(k), K::CheckBox, "PnlPartiesBz", QString::number(k));
    c.declare("PnlTout", K::Panel, "PnlPointsSurCourbe");
    c.declare("LblTout", K::Label, "PnlTout");
    c.declare("PnlRien", K::Panel, "PnlPointsSurCourbe");
    c.declare("LblRien", K::Label, "PnlRien");

    // Curve completion: marking, finishing, redoing, the frame.
    c.declare("PnlDockOKtoutOrg", K::Panel, w);
    c.declare("PnlOKtout", K::Panel, "PnlDockOKtoutOrg");
    c.declare("PnlStopMarquage", K::Panel, "PnlOKtout");
    c.declare("LblStopMarquage", K::Label, "PnlStopMarquage");
    c.declare("PnlCadre", K::Panel, "PnlOKtout");
    c.declare("LblCadre", K::Label, "PnlCadre");
    c.declare("PnlEffacerCadre", K::Panel, "PnlOKtout");
    c.declare("LblEffacerCadre", K::Label, "PnlEffacerCadre");
    radio(c, "RdgCadreOuPoints", "PnlOKtout", 2, 1);
    c.declare("PnlOKcourbe", K::Panel, "PnlOKtout");
    c.declare("LblOKcourbe", K::Label, "PnlOKcourbe");
    c.declare("PnlRefairePoints", K::Panel, "PnlOKtout");
    c.declare("LblRefairePoints", K::Label, "PnlRefairePoints");

    // Help and extras.
    c.declare("PnlDockAideOrg", K::Panel, w);
    c.declare("PnlAide", K::Panel, "PnlDockAideOrg");
    c.declare("LblAide", K::Label, "PnlAide");
    c.declare("PnlDockOrgExtras", K::Panel, w).visible = false; // shown once a keypoint list exists
    c.declare("PnlExtras", K::Panel, "PnlDockOrgExtras");
    c.declare("LblExtras", K::Label, "PnlExtras");
    c.declare("ShpTemoinExtra", K::Shape, w).visible = false; // the reversed path is in force

    // Time and parameter steps.
    c.declare("PnlDockParasOrg", K::Panel, w);
    c.declare("PnlPourDockGbxPara", K::Panel, "PnlDockParasOrg");
    declareParameterGroup(c);
    c.declare("PnlPourDockLePoint", K::Panel, "PnlDockParasOrg");
    declareCursorGroup(c);
    declareTimeGroup(c, w);
    declarePointInfo(c, w);
    c.declare("LblTempsMiniVueFinal", K::Label, w, "").visible = false;
    c.declare("Lbl1erKP", K::Label, w, "").visible = false;
    c.declare("Label10", K::Label, w, "").visible = false;

    // The preview of the motion, from the time step on.
    c.declare("PnlLecture", K::Panel, w).visible = false;
    c.declare("LblLecture", K::Label, "PnlLecture", "Lecture");
    slider(c, "TbLecture", "PnlLecture", 0, 0, 0);
    c.declare("LblTempsLecture", K::Label, "PnlLecture", "0 ms");

    // Step 6: the transfers.
    c.declare("PnlTransfertEtRetour", K::Panel, w);
    c.declare("ImgTransfertTotalBas", K::Image, "PnlTransfertEtRetour");
    c.declare("ImgTransfertTotalHaut", K::Image, "PnlTransfertEtRetour");
    c.declare("PnlTransfertSeul", K::Panel, w);
    c.declare("ImgTransfertSeul_Bas", K::Image, "PnlTransfertSeul");
    c.declare("ImgTransfertSeul_Haut", K::Image, "PnlTransfertSeul");
    c.declare("Pnl_nouvel_objet", K::Panel, w);
    c.declare("ImgNvlObjet_bas", K::Image, "Pnl_nouvel_objet");
    c.declare("ImgNvlObjet_haut", K::Image, "Pnl_nouvel_objet");
    declareButtonPictures(c, w);

    declareMenus(c, w);
    declareShortcuts(c);
}

void describeMainWindow(ControlLooks& looks) {
    // Labels and panels that act as push buttons.
    looks.buttons.unite({"LblLecture",        "PnCreation",      "PnlChargerFichier", "PnlEnregistrerCourbe",
                         "PnlStopMarquage",   "PnlCadre",        "PnlEffacerCadre",   "PnlOKcourbe",
                         "PnlRefairePoints",  "PnlRetourPC",     "PnlTout",           "PnlRien",
                         "PnlAide",           "PnlExtras",       "LblRefaireTout",    "LblEtapeAvant",
                         "LblEtapeApres",     "LblChoisirPhoto", "LblTraiter",        "LblParaFini",
                         "LblVarDep",         "LblVarFin",       "LblVarAnnule",      "LblVarSave",
                         "LblParaAnnuleTout", "LblAppliquer"});
    looks.wells.insert("PnMessages");

    auto& a = looks.arrangements;
    a["PnlFondEtCourbe"] = a["GbxAffichage"] = {Arrangement::Columns, 2};
    a["PnlPartiesBz"] = {Arrangement::Grid, 4};
    a["PnlGroupeFleches"] = {Arrangement::Horizontal, 1};
    a["PnlPointsSurCourbe"] = {Arrangement::Pairs, 2};
    // The keypoint cursor stands in the column: one caption or a few buttons a row.
    a["PnlLePoint"] = {Arrangement::Rows, 1, {1, 2, 1, 1, 2, 2, 4, 2, 4, 2, 1}};
    a["PnlTempsDebFin"] = {Arrangement::Rows, 1, {1, 4, 3}};
    a["PnlLecture"] = {Arrangement::Rows, 1, {3}};
    // The values stored at the point, three a row as the check boxes of the parameters stand.
    a["GbxInfoParaPoint"] = {Arrangement::Rows, 1, {1, 1, 3, 3, 3}};
    // The parameter group of the band: two rows of check boxes over a row of
    // start values and a row of end values, then the 3D values beside the angle option.
    a["GbxParaSurQuoi"] = {Arrangement::Rows, 1, {4, 4, 1, 1, 2}};
    a["Pn3D"] = {Arrangement::Rows, 1, {2}};
    for (const char* row : {"PnParaDeb", "PnParaFin", "PnCoche3D", "Pn3Ddeb", "Pn3Dfin"})
        a[row] = {Arrangement::Horizontal, 1};
    // A label over its raised and pressed pictures.
    for (const char* button : {"PnFinPara", "PnAnnulePara", "PnOKPara", "PnAnnulerTout"})
        a[button] = {Arrangement::Stacked, 1};

    // Tab visits the step buttons, then the buttons and fields of the steps
    // (only those of the current step show), then the options.
    looks.tabOrder = {"PnRefaire",        "PnlChargeObjetPte",    "RdgChoixEcran",
                      "PnCreation",       "PnlChargerFichier",    "PnlOKtout",
                      "PnlLePoint",       "GbxParaSurQuoi",       "GbxTemps",
                      "PnlLecture",       "PnlEnregistrerCourbe", "PnlTransfertEtRetour",
                      "PnlTransfertSeul", "Pnl_nouvel_objet"};
}

} // namespace trajecta::inventory
