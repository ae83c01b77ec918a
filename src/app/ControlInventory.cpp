#include "app/ControlInventory.h"

namespace trajecta {

namespace {
using K = ControlKind;
} // namespace

void declareControls(Controls& c) {
    auto radio = [&c](const QString& name, const QString& parent, const QString& caption, const QStringList& items,
                      int index) {
        ControlState& s = c.declare(name, K::RadioGroup, parent, caption);
        s.items = items;
        s.itemIndex = index; // the design state: no handler runs at declaration
    };
    auto slider = [&c](const QString& name, const QString& parent, int min, int max, int position) {
        ControlState& s = c.declare(name, K::Slider, parent);
        s.min = min;
        s.max = max;
        s.position = position;
    };

    // The work area and the message line.
    c.declare("ImgDessin", K::Image);
    c.declare("PnMessages", K::Panel);
    c.declare("LbInfos", K::Label, "PnMessages", "Cliquez dans la zone de travail pour marquer de 3 à 12 points");
    c.declare("LblTravauxEnCours", K::Label, {}, "Travaux en cours...").visible = false;

    // Step 0: load a host object.
    c.declare("PnlChargeObjetPte", K::Panel);
    c.declare("ImgChargeObjetPte_Bas", K::Image, "PnlChargeObjetPte");
    c.declare("ImgChargeObjetPte_Haut", K::Image, "PnlChargeObjetPte");

    // Step 1: screen format, creation, curve file loading.
    radio("RdgChoixEcran", {}, "  format d'écran  ", {"16/9", "16/10", "15/10", "4/3", "5/4"}, 0);
    c.declare("PnCreation", K::Panel);
    c.declare("LbCreation", K::Label, "PnCreation", "Créer une nouvelle courbe");
    c.declare("PnlChargerFichier", K::Panel);
    c.declare("LblChargerFichier", K::Label, "PnlChargerFichier", "Charger une courbe");
    c.declare("PnlEnregistrerCourbe", K::Panel);
    c.declare("LblEnregistrerCourbe", K::Label, "PnlEnregistrerCourbe", "Enregistrer la courbe");

    // The step buttons.
    c.declare("PnlDockOrgEtapes", K::Panel);
    c.declare("PnRefaire", K::Panel, "PnlDockOrgEtapes");
    c.declare("LblRefaireTout", K::Label, "PnRefaire", "Tout recommencer");
    c.declare("LblEtapeAvant", K::Label, "PnRefaire", "Etape précédente");
    c.declare("LblEtapeApres", K::Label, "PnRefaire", "Etape suivante");

    // Mouse coordinates.
    c.declare("PnlCoordSouris", K::Panel);
    c.declare("LblCoordSouris", K::Label, "PnlCoordSouris", "X=  Y=");
    c.declare("LblCoordPourCent", K::Label, "PnlCoordSouris", "X=%  Y=%");

    // Background and curve display.
    c.declare("PnlDockFondOrg", K::Panel);
    c.declare("PnlFondEtCourbe", K::Panel, "PnlDockFondOrg");
    radio("RdgFond", "PnlFondEtCourbe", "  le fond  ", {"quadrillage", "uni", "photo", "traitée"}, 0);
    c.declare("PnlFond", K::Panel, "PnlFondEtCourbe");
    c.declare("LblChoisirPhoto", K::Label, "PnlFond", "Choisir une photo");
    c.declare("LblTraiter", K::Label, "PnlFond", "Traitement de la photo");
    radio("RdgModeAff", "PnlFondEtCourbe", "  Affichage de la courbe  ", {"points", "ligne", "ligne 2", "gros points"}, 1);
    c.declare("ChBxFermerCourbe", K::CheckBox, "PnlFondEtCourbe", "Fermer la courbe");

    c.declare("PnlDockAffichageOrg", K::Panel);
    c.declare("GbxAffichage", K::GroupBox, "PnlDockAffichageOrg", "");
    c.declare("PnlVoir", K::Panel, "GbxAffichage");
    c.declare("ChbxAffichePc", K::CheckBox, "PnlVoir", "Voir points et tangentes").checked = true;
    radio("RdgTangentes", "GbxAffichage", "  Tangentes  ",
          {"toutes les tangentes", "aucune", "seulement celles utilisées"}, 2);
    radio("RdgActionsTangentes", "GbxAffichage", "  alignements des tangentes  ",
          {"ne rien changer", "aucun alignement", "aligner toutes les tangentes", "rompre là où je clique",
           "aligner là où je clique"},
          0);
    c.declare("PnlRetourPC", K::Panel, "GbxAffichage");
    c.declare("LblRetourPoints", K::Label, "PnlRetourPC", "Retour des points de contrôle\rdans la surface visible");

    // Points on the curve.
    c.declare("PnlDockPointsSurCourbeOrg", K::Panel);
    c.declare("PnlPointsSurCourbe", K::Panel, "PnlDockPointsSurCourbeOrg");
    slider("TbrQPoints", "PnlPointsSurCourbe", 10, 60, 20);
    c.declare("LBlQpCourbe", K::Label, "PnlPointsSurCourbe", "20");
    c.declare("LblPtsEnTout", K::Label, "PnlPointsSurCourbe", "sur toute la courbe :");
    c.declare("LblTotalPts", K::Label, "PnlPointsSurCourbe", "0");
    c.declare("LbliPointsDoubles", K::Label, "PnlPointsSurCourbe", "points en double : ");
    c.declare("LblPointsDoubles", K::Label, "PnlPointsSurCourbe", "0");
    c.declare("PnlPartiesBz", K::Panel, "PnlPointsSurCourbe").hint = "Cochez les parties concernées";
    c.declare("LbliChoisirParties", K::Label, "PnlPartiesBz", "Parties");
    for (int k = 1; k <= 16; ++k) c.declare(QStringLiteral("ChBx%1").arg(k), K::CheckBox, "PnlPartiesBz", QString::number(k));
    c.declare("PnlTout", K::Panel, "PnlPointsSurCourbe");
    c.declare("LblTout", K::Label, "PnlTout", "Tout");
    c.declare("PnlRien", K::Panel, "PnlPointsSurCourbe");
    c.declare("LblRien", K::Label, "PnlRien", "Rien");

    // Curve completion: marking, finishing, redoing, the frame.
    c.declare("PnlDockOKtoutOrg", K::Panel);
    c.declare("PnlOKtout", K::Panel, "PnlDockOKtoutOrg");
    c.declare("PnlStopMarquage", K::Panel, "PnlOKtout");
    c.declare("LblStopMarquage", K::Label, "PnlStopMarquage", "Arrêter le marquage");
    c.declare("PnlCadre", K::Panel, "PnlOKtout");
    c.declare("LblCadre", K::Label, "PnlCadre", "Mettre un cadre");
    c.declare("PnlEffacerCadre", K::Panel, "PnlOKtout");
    c.declare("LblEffacerCadre", K::Label, "PnlEffacerCadre", "Effacer le cadre");
    radio("RdgCadreOuPoints", "PnlOKtout", "  Travailler sur :  ", {"le cadre", "les points"}, 1);
    c.declare("PnlOKcourbe", K::Panel, "PnlOKtout");
    c.declare("LblOKcourbe", K::Label, "PnlOKcourbe", "OK, courbe terminée");
    c.declare("PnlRefairePoints", K::Panel, "PnlOKtout");
    c.declare("LblRefairePoints", K::Label, "PnlRefairePoints", "Refaire la courbe");

    // Help and extras.
    c.declare("PnlDockAideOrg", K::Panel);
    c.declare("PnlAide", K::Panel, "PnlDockAideOrg");
    c.declare("LblAide", K::Label, "PnlAide", "Aide");
    c.declare("PnlDockOrgExtras", K::Panel).visible = false; // shown once a keypoint list exists
    c.declare("PnlExtras", K::Panel, "PnlDockOrgExtras");
    c.declare("LblExtras", K::Label, "PnlExtras", "Extras");

    // Time and parameter steps (their behaviour comes with those steps).
    c.declare("PnlDockParasOrg", K::Panel);
    c.declare("PnlPourDockGbxPara", K::Panel, "PnlDockParasOrg");
    c.declare("GbxParaSurQuoi", K::GroupBox, "PnlPourDockGbxPara", "  changements sur  ");
    c.declare("PnlPourDockLePoint", K::Panel, "PnlDockParasOrg");
    c.declare("PnlLePoint", K::Panel, "PnlPourDockLePoint");
    slider("TbMontrePoint", "PnlLePoint", 1, 20, 1);
    c.declare("PnlGroupeFleches", K::Panel, "PnlLePoint");
    c.declare("ImgFG_haut", K::Image, "PnlGroupeFleches");
    c.declare("ImgFD_haut", K::Image, "PnlGroupeFleches");
    c.declare("LblParaFini", K::Label, "PnlLePoint", "Terminé");
    c.declare("GbxTemps", K::GroupBox, {}, "  Gérer le temps (en ms)  ");
    c.declare("GbxInfoParaPoint", K::GroupBox, {}, " point actuel ");
    c.declare("LblAngletangente", K::Label, "GbxInfoParaPoint", "");
    c.declare("LblQpara", K::Label, "PnlLePoint", "0").visible = false; // shown from the time step on
    c.declare("LbliDureeMiniVue", K::Label, "GbxTemps", "Durée minimum pour la vue : ");
    c.declare("LblTempsTotalVue", K::Label, "GbxTemps", "");
    c.declare("LblTempsMiniVueFinal", K::Label, {}, "").visible = false;
    c.declare("Lbl1erKP", K::Label, {}, "").visible = false;
    c.declare("Label10", K::Label, {}, "").visible = false;

    // Step 6: the transfers.
    c.declare("PnlTransfertEtRetour", K::Panel);
    c.declare("ImgTransfertTotalBas", K::Image, "PnlTransfertEtRetour");
    c.declare("ImgTransfertTotalHaut", K::Image, "PnlTransfertEtRetour");
    c.declare("PnlTransfertSeul", K::Panel);
    c.declare("ImgTransfertSeul_Bas", K::Image, "PnlTransfertSeul");
    c.declare("ImgTransfertSeul_Haut", K::Image, "PnlTransfertSeul");
    c.declare("Pnl_nouvel_objet", K::Panel);
    c.declare("ImgNvlObjet_bas", K::Image, "Pnl_nouvel_objet");
    c.declare("ImgNvlObjet_haut", K::Image, "Pnl_nouvel_objet");

    // The menus.
    c.declare("Fichier", K::MenuItem, {}, "Fichier");
    c.declare("ChargerExemple", K::MenuItem, "Fichier", "Charger l'objet exemple");
    c.declare("Commencer", K::MenuItem, "Fichier", "Quitter");
    c.declare("Langage", K::MenuItem, {}, "Langue");
    c.declare("French", K::MenuItem, "Langage", "Français").checked = true;
    c.declare("English", K::MenuItem, "Langage", "Anglais");
    c.declare("Options", K::MenuItem, {}, "Options");
    c.declare("Parametres", K::MenuItem, "Options", "Ouvrir une seconde fenêtre");
    c.declare("VoirF2", K::MenuItem, "Options", "Voir la seconde fenêtre (Ctrl W)");
    c.declare("F2MilieuEcran1", K::MenuItem, "Options", "Seconde fenêtre au milieu de l'écran");
    c.declare("Apropos", K::MenuItem, {}, "A propos");

    // The second window: the inspection lists and the sample-count note.
    c.declare("TFparametres", K::Panel, {}, "Paramètres").visible = false;
    c.declare("LblNombrePoints", K::Label, "TFparametres", "");
    c.declare("PnlLbxSauve", K::Panel, "TFparametres").visible = false;
    radio("RdgVoir", "TFparametres", "  Voir :  ",
          {"LbxCollecter", "LbxColTemps", "LbxColParametres", "LbxPointsCourbe", "LbxParametres",
           "LbxListeKPpartielle", "LbxListeKP", "LbxAcquiClipboard", "LbxTempsKP", "LbxFichier", "LbxPoucet",
           "LbxKPinverse"},
          -1);
    c.hide("RdgVoir");
}

} // namespace trajecta
