#include "shell/CaptionTables.h"

#include <array>
#include <stdexcept>

namespace trajecta {

namespace {

using Part = CaptionRow::Part;

CaptionRow caption(const char* control, const char* fr, const char* en) {
    return {QString::fromLatin1(control), Part::Caption, -1, {QString::fromUtf8(fr), QString::fromUtf8(en)}};
}

CaptionRow item(const char* control, int index, const char* fr, const char* en) {
    return {QString::fromLatin1(control), Part::Item, index, {QString::fromUtf8(fr), QString::fromUtf8(en)}};
}

CaptionRow hint(const char* control, const char* fr, const char* en) {
    return {QString::fromLatin1(control), Part::Hint, -1, {QString::fromUtf8(fr), QString::fromUtf8(en)}};
}

// A caption that stays the same in both languages.
CaptionRow same(const char* control, const char* text) {
    return caption(control, text, text);
}

CaptionTable extrasTable() {
    return {QStringLiteral("TFExtras"),
            {
                same("TFExtras", "Extras"),
                caption("ChBxRecalerTemps", "Recaler le temps du premier point-clé",
                        "Reset time of the first key point"),
                caption("LbliSupDeb", "Début", "Start"),
                caption("LbiSupFin", "Fin", "End"),
                caption("LbliTempsDerPoint", "dernier point à : ", "last point to : "),
                caption("LbliTemps1erPoint", "premier point à : ", "first point to : "),
                caption("LbliResteKP", "Il en reste", "It remains"),
                caption("ChBxSupKP", "Supprimer des points-clés", "Delete keypoints"),
                caption("BtnExtrasAnnuler", "Annuler", "Cancel"),
                caption("GbxActionsCourbeIntacte", "  Des actions qui ne changent pas la courbe  ",
                        "  Actions that do not change the curve  "),
                caption("ChbxInverserCourbe", "Inverser le sens de parcours de la courbe",
                        "reverse the course of the curve"),
                caption("Rdg_inverse180_OuPas", "  rotation supplémentaire  ", "  additional rotation  "),
                item("Rdg_inverse180_OuPas", 0, "retourner l'objet (180°)", "return the object (180 °)"),
                item("Rdg_inverse180_OuPas", 1, "pas de retournement", "no reversal"),
                caption("LblExtrasAppliquer", "Appliquer et sortir", "Apply and exit"),
                // What the buttons do.
                hint("LblExtrasAppliquer", "Appliquer les actions cochées au parcours et fermer",
                     "Apply the ticked actions to the path and close"),
                hint("BtnExtrasAnnuler", "Fermer sans rien changer", "Close without changing anything"),
            }};
}

// The main window and its menu.
CaptionTable mainTable() {
    return {
        QStringLiteral("KeyPointsBezier"),
        {
            caption("LblEnregistrerCourbe", "Enregistrer la courbe", "Save the curve"),
            caption("LblTravauxEnCours", "Travaux en cours...", "Busy..."),
            caption("LbliPosPoint", "position du point :", "point position :"),
            caption("LbliAngleRelatif", "angle relatif à la tangente :", "relative angle to the tangent :"),
            caption("LblTout", "Tout", "All"),
            caption("LbliValeursEnreg", "valeurs déjà enregistrées", "values already saved"),
            caption("LbliVOpacity", "Opacité : ", "Opacity: "),
            caption("LbliVZoomX", "Zoom X : ", "Zoom X: "),
            caption("LbliVZoomY", "Zoom Y : ", "Zoom Y: "),
            caption("LbliVRotation", "Rotation : ", "Rotation: "),
            caption("LbliVCentreX", "Centre X : ", "Center X: "),
            caption("LbliVCentreY", "Centre Y : ", "Center Y: "),
            caption("LbliV3DX", "3D X : ", "3D X: "),
            caption("LbliV3DY", "3D Y : ", "3D Y: "),
            caption("LbliV3DZ", "3D Z : ", "3D Z: "),
            caption("LblRien", "Rien", "None"),
            caption("GbxInfoParaPoint", " point actuel ", " current point "),
            caption("ChBxTangenteAuPoint", "tangente, angle", "tangent, angle"),
            caption("ChBxAngleRotation", "Ajouter l'angle (tangente) à rotation",
                    "Add the angle (tangent) to rotation"),
            caption("LblEtapeApres", "Etape suivante", "Next step"),
            caption("LbCreation", "Créer une nouvelle courbe", "Create a new curve"),
            caption("Fichier", "Fichier", "File"),
            caption("Commencer", "Quitter", "Exit"),
            // Undo and redo; the history writes what each will undo or redo.
            caption("Edition", "Edition", "Edit"),
            caption("AnnulerAction", "Annuler", "Undo"),
            caption("RetablirAction", "Rétablir", "Redo"),
            caption("Langage", "Langue", "Language"),
            caption("French", "Français", "French"),
            caption("English", "Anglais", "English"),
            caption("Apropos", "A propos", "About"),
            caption("RdgChoixEcran", "  format d'écran  ", "  screen format  "),
            caption("LblEtapeAvant", "Etape précédente", "Previous step"),
            caption("LblRefaireTout", "Tout recommencer", "All over again"),
            caption("LblDeplaceCurseur", "déplacez le curseur pour choisir le point",
                    "move the cursor to select the point"),
            caption("LblVarDep", "Début", "Start"),
            caption("LblVarFin", "Fin", "End"),
            caption("LblVarAnnule", "Annuler", "Cancel"),
            caption("LbliQpara", "nombre d'enregistrements :", "number of records : "),
            caption("LblVarSave", "Enregistrer", "Save"),
            caption("LblParaAnnuleTout", "Annuler tout", "Undo all"),
            caption("LblParaFini", "Terminé", "Completed"),
            caption("GbxParaSurQuoi", "  changements sur  ", "  Changes on  "),
            caption("LbliListeDeb", "début", "start"),
            caption("LbliListeFin", "fin", "end"),
            caption("Lbl3DiDebut", "début", "start"),
            caption("Lbl3DiFin", "fin", "end"),
            caption("ChbxOpacite", "Opacité", "Opacity"),
            caption("ChBxEgal", "égaux", "equal"),
            caption("ChBxCentreX", "Centre X", "Center X"),
            caption("ChBxCentreY", "Centre Y", "Center Y"),
            caption("ChBxCentreEgal", "Egaux", "Equal"),
            caption("RdgModeAff", "  Affichage de la courbe  ", "  Curve Display  "),
            item("RdgModeAff", 1, "ligne", "line"),
            item("RdgModeAff", 2, "ligne 2", "line 2"),
            item("RdgModeAff", 3, "gros points", "big points"),
            caption("ChBxFermerCourbe", "Fermer la courbe", "Closed curve"),
            caption("RdgFond", "  le fond  ", "  background  "),
            item("RdgFond", 0, "quadrillage", "grid"),
            item("RdgFond", 1, "uni", "plain"),
            item("RdgFond", 3, "traitée", "processed"),
            caption("ChbxAffichePc", "Voir points et tangentes", "View points and tangents"),
            caption("RdgTangentes", "  Tangentes  ", "  Tangents  "),
            item("RdgTangentes", 0, "toutes les tangentes", "all tangents"),
            item("RdgTangentes", 1, "aucune", "no one"),
            item("RdgTangentes", 2, "seulement celles utilisées", "only those used"),
            caption("RdgActionsTangentes", "  alignements des tangentes  ", "  alignments of tangents  "),
            item("RdgActionsTangentes", 0, "ne rien changer", "no change"),
            item("RdgActionsTangentes", 1, "aucun alignement", "no alignment"),
            item("RdgActionsTangentes", 2, "aligner toutes les tangentes", "align all tangents"),
            item("RdgActionsTangentes", 3, "rompre là où je clique", "break where I click"),
            item("RdgActionsTangentes", 4, "aligner là où je clique", "align where I click"),
            caption("LblOKcourbe", "OK, courbe terminée", "OK, curve over"),
            caption("LblRefairePoints", "Refaire la courbe", "Redo curve"),
            caption("LblStopMarquage", "Arrêter le marquage", "Stop Marking"),
            caption("LblImporterSvg", "Importer un tracé SVG…", "Import an SVG path…"),
            caption("LblExporterSvg", "Exporter le tracé SVG…", "Export the SVG path…"),
            caption("LblEffacerCadre", "Effacer le cadre", "Clear framework"),
            caption("LbliChoisirParties", "Parties", "Parts"),
            caption("LblPtsEnTout", "sur toute la courbe :", "on the curve : "),
            caption("LblRetourPoints", "Retour des points de contrôle\rdans la surface visible",
                    "Return control points\rin visible area"),
            caption("LblCadre", "Mettre un cadre", "Put a framework"),
            caption("LblAide", "Aide", "Help"),
            caption("GbxTemps", "  Gérer le temps (en ms)  ", "  Manage time (ms)  "),
            caption("LblTemps1stKp", "le premier point-clé (temps depuis le début de la vue)  ",
                    "The first key point (time since the beginning of the slide)"),
            caption("LbliValide", "Validation après appui sur \"enregistrer\"",
                    "Validation after pressing \"save\""),
            caption("LbliAutresKP",
                    "temps depuis le point-clé précédent :", "time since the last key point :"),
            caption("LbliTempsCePoint",
                    "ce point, temps absolu / relatif : ", "this point, absolute time / relative : "),
            caption("RdgCadreOuPoints", "  Travailler sur :  ", "  Working on :  "),
            item("RdgCadreOuPoints", 0, "le cadre", "the frame"),
            item("RdgCadreOuPoints", 1, "les points", "the points"),
            caption("LbliPointsDoubles", "points en double : ", "duplicated points : "),
            caption("ChBxSpeedUp", "progression géométrique", "geometrical progression"),
            caption("LbliDebTemps", "Début", "Start"),
            caption("LbliFinTemps", "Fin", "End"),
            caption("LbliEnAbsolu", "au départ de la vue :", "starting from the slide :"),
            caption("LblChoisirPhoto", "Choisir une photo", "Select a photo"),
            caption("LblVitConstante", "Vitesse constante (tous les points, sauf le 1, sont concernés)",
                    "Constant speed (all points except the 1, are concerned)"),
            caption("LblTempsConstant", "Temps constant entre les points (sauf le 1)",
                    "Constant time between points (except 1)"),
            caption("LblTempsPerso", "Retour à la gestion personnelle du temps",
                    "Back to personal time management"),
            caption("LbliVitGros", "Réglage grossier", "Approximate setting"),
            caption("LbliVitFin", "Réglage fin", "Fine setting"),
            caption("LbliEnregistrer", "Et n'oubliez pas d'enregistrer", "And remember to save"),
            caption("LblChoixTemps", "D'autres options pour le réglage des temps : cliquer ici",
                    "Other options for setting the time: click here"),
            caption("LblAllerAAuRalenti", "Mettre un ralenti au début et/ou à la fin",
                    "Put a slow down at start and/or at the end"),
            caption("RdgChoixRalenti", " Agir sur ", " Act on "),
            item("RdgChoixRalenti", 0, "rien", "nothing"),
            item("RdgChoixRalenti", 1, "le début", "start"),
            item("RdgChoixRalenti", 2, "la fin", "end"),
            item("RdgbxRalForce", 0, "léger", "light"),
            item("RdgbxRalForce", 1, "moyen", "medium"),
            item("RdgbxRalForce", 2, "fort", "high"),
            caption("LblTraiter", "Traitement de la photo", "Photo processing"),
            caption("LblChoixProportionnel", "Augmenter ou diminuer la durée de l'animation",
                    "Increase or Decrease the duration of the animation"),
            // Captions that are the same in both languages.
            same("Options", "Options"),
            same("Parametres", "Ouvrir une seconde fenêtre"),
            same("VoirF2", "Voir la seconde fenêtre (Ctrl W)"),
            same("F2MilieuEcran1", "Seconde fenêtre au milieu de l'écran"),
            same("LblExtras", "Extras"),
            item("RdgModeAff", 0, "points", "points"),
            item("RdgFond", 2, "photo", "photo"),
            same("ChBxZoomX", "Zoom X"),
            same("ChBxZoomY", "Zoom Y"),
            same("ChBxRotation", "Rotation"),
            same("ChBx3D", "3D"),
            same("ChBx3DX", "X"),
            same("ChBx3DY", "Y"),
            same("ChBx3DZ", "Z"),
            same("RdgDecalage", "  0 =  "),
            // Texts of our own.
            caption("ChargerExemple", "Charger l'objet exemple", "Load the sample object"),
            caption("LblObjetExemple", "Charger l'objet exemple", "Load the sample object"),
            caption("LbliDureeTotale", "Durée totale (ms) :", "Total duration (ms):"),
            hint("EdtDureeTotale", "Tapez la durée voulue : les curseurs la règlent au plus près",
                 "Type the length wanted: the sliders set the nearest"),
            caption("LbliQPoints", "Points par partie cochée :", "Points per ticked part:"),
            caption("LblAccueil",
                    "Dans PicturesToExe, sélectionnez un objet de la diapositive et copiez-le (Ctrl+C), "
                    "puis cliquez sur « Charger un objet PTE ».",
                    "In PicturesToExe, select an object of the slide and copy it (Ctrl+C), "
                    "then click \"Load a PTE object\"."),
            item("RdgDecalage", 0, "angle tangente", "tangent angle"),
            item("RdgDecalage", 1, "objet à l'origine", "object at the origin"),
            hint("PnlPartiesBz", "Cochez les parties concernées", "Tick the parts concerned"),
            hint("LblObjetExemple", "Essayer le programme avec un objet fourni, sans PicturesToExe",
                 "Try the program with an object it provides, without PicturesToExe"),
            hint("LblLecture", "Voir l'objet parcourir la trajectoire en temps réel",
                 "Watch the object run along the path in real time"),
            hint("TbLecture", "Montrer l'objet à ce moment de la vue",
                 "Show the object at this time of the slide"),
            hint("ImgChronogramme",
                 "Barres : temps depuis le point-clé précédent ; ligne : vitesse le long de la trajectoire "
                 "(pixels par seconde)",
                 "Bars: time since the previous keypoint; line: speed along the path (pixels per second)"),
            // The keyboard: what every button does.
            hint("ImgChargeObjetPte_Haut", "Lire l'objet copié dans PicturesToExe",
                 "Read the object copied in PicturesToExe"),
            hint("LbCreation", "Commencer à marquer les points de contrôle d'une nouvelle courbe",
                 "Start marking the control points of a new curve"),
            hint("LblChargerFichier", "Reprendre une courbe enregistrée dans un fichier",
                 "Resume a curve saved in a file"),
            hint("LblEnregistrerCourbe", "Enregistrer la courbe dans un fichier", "Save the curve to a file"),
            hint("LblRefaireTout", "Abandonner la courbe et l'objet et tout reprendre au début",
                 "Drop the curve and the object and start again from the beginning"),
            hint("LblEtapeAvant", "Revenir à l'étape précédente", "Go back to the previous step"),
            hint("LblEtapeApres", "Passer à l'étape suivante", "Go on to the next step"),
            hint("LblStopMarquage", "Finir de marquer les points de contrôle",
                 "Finish marking the control points"),
            hint("LblImporterSvg", "Prendre pour courbe un tracé d'un dessin SVG",
                 "Take a path of an SVG drawing as the curve"),
            hint("LblExporterSvg", "Écrire la courbe, le cadre et les points dans un dessin SVG",
                 "Write the curve, the frame and the points to an SVG drawing"),
            hint("LblOKcourbe", "Garder cette courbe et passer au réglage des temps",
                 "Keep this curve and go on to setting the times"),
            hint("LblRefairePoints", "Effacer les points et marquer la courbe à nouveau",
                 "Clear the points and mark the curve again"),
            hint("LblCadre", "Tracer un cadre autour de la courbe", "Draw a frame around the curve"),
            hint("LblEffacerCadre", "Effacer le cadre", "Clear the frame"),
            hint("LblRetourPoints",
                 "Ramener dans la surface visible les points de contrôle qui en sont sortis",
                 "Bring the control points that left the visible area back into it"),
            hint("LblTout", "Cocher toutes les parties", "Tick every part"),
            hint("LblRien", "Décocher toutes les parties", "Untick every part"),
            hint("LblAide", "Ouvrir l'aide", "Open the help"),
            hint("LblExtras", "D'autres actions sur les points-clés terminés",
                 "More actions on the finished keypoints"),
            hint("LblChoisirPhoto", "Choisir la photo du fond", "Choose the background photo"),
            hint("LblTraiter", "Régler le traitement de la photo du fond",
                 "Adjust the processing of the background photo"),
            hint("TbMontrePoint", "Choisir le point-clé", "Choose the keypoint"),
            hint("ImgFG_haut", "Aller au premier point-clé", "Go to the first keypoint"),
            hint("ImgCentreHaut", "Aller au point-clé du milieu", "Go to the middle keypoint"),
            hint("ImgFD_haut", "Aller au dernier point-clé", "Go to the last keypoint"),
            hint("LblVarDep", "Le point-clé choisi commence la plage",
                 "The chosen keypoint starts the range"),
            hint("LblVarFin", "Le point-clé choisi termine la plage", "The chosen keypoint ends the range"),
            hint("LblVarAnnule", "Abandonner la plage choisie", "Drop the chosen range"),
            hint("LblVarSave", "Enregistrer les valeurs sur la plage choisie",
                 "Record the values on the chosen range"),
            hint("LblParaAnnuleTout", "Effacer tous les enregistrements de cette étape",
                 "Clear every record of this step"),
            hint("LblParaFini", "Terminer cette étape", "Finish this step"),
            hint("LblChoixTemps", "Montrer les autres façons de régler les temps",
                 "Show the other ways to set the times"),
            hint("LblVitConstante", "Même vitesse sur toute la trajectoire",
                 "The same speed along the whole path"),
            hint("LblTempsConstant", "Même temps entre deux points-clés",
                 "The same time between two keypoints"),
            hint("LblAllerAAuRalenti", "Ralentir l'objet au début ou à la fin",
                 "Slow the object down at the start or the end"),
            hint("LblChoixProportionnel", "Allonger ou raccourcir tous les temps dans la même proportion",
                 "Lengthen or shorten every time in the same proportion"),
            hint("LblTempsPerso", "Régler soi-même le temps de chaque point-clé",
                 "Set the time of each keypoint yourself"),
            hint("LblAppliquer", "Appliquer ce ralenti", "Apply this slow-down"),
            hint("ImgTransfertSeul_Haut", "Copier l'objet avec sa trajectoire pour PicturesToExe",
                 "Copy the object with its path for PicturesToExe"),
            hint("ImgTransfertTotalHaut",
                 "Mettre la trajectoire dans l'objet copié dans PicturesToExe et le recopier",
                 "Put the path into the object copied in PicturesToExe and copy it back"),
            hint("ImgNvlObjet_haut", "Donner la même trajectoire à un autre objet copié dans PicturesToExe",
                 "Give the same path to another object copied in PicturesToExe"),
        }};
}

CaptionTable photoTable() {
    return {
        QStringLiteral("TFtraitePhoto"),
        {
            caption("TFtraitePhoto", "Traitement d'une photo", "Photo processing"),
            caption("ChbxAttenuation", "Atténuation", "Softening"),
            caption("ChbxTrait", "Traits", "Lines"),
            caption("LblCliquerCouleur", "Cliquez sur une couleur", "Click on a color"),
            same("ChbxMonochrome", "Monochrome"),
            same("BtnOKTraitePhoto", "OK"),
            hint("BtnOKTraitePhoto", "Garder ce traitement et fermer", "Keep this processing and close"),
            caption("BtnAnnulerTraitePhoto", "Annuler", "Cancel"),
            hint("BtnAnnulerTraitePhoto", "Fermer sans garder ce traitement",
                 "Close without keeping this processing"),
            hint("PnlChoixCouleur", "Teinter la photo de cette couleur", "Tint the photo with this colour"),
            hint("PnlSliver", "Teinter la photo de cette couleur", "Tint the photo with this colour"),
        }};
}

CaptionTable secondWindowTable() {
    return {QStringLiteral("TFparametres"),
            {same("TFparametres", "Paramètres"), same("RdgVoir", "  Voir :  ")}};
}

CaptionTable helpTable() {
    return {QStringLiteral("TFAide"),
            {same("TFAide", "Aide"), same("BtnOKAide", "OK"),
             hint("BtnOKAide", "Fermer l'aide", "Close the help")}};
}

CaptionTable aboutTable() {
    return {QStringLiteral("TFApropos"),
            {caption("TFApropos", "A propos", "About"), hint("ImgAproposFr", "Fermer", "Close"),
             hint("ImgAproposEng", "Fermer", "Close")}};
}

struct ButtonText {
    const char* raised;
    const char* pressed;
    const char* french;
    const char* english;
};

constexpr std::array<ButtonText, 4> buttonTexts{{
    {"ImgChargeObjetPte_Haut", "ImgChargeObjetPte_Bas", "Charger un objet PTE", "Load a PTE object"},
    {"ImgTransfertSeul_Haut", "ImgTransfertSeul_Bas", "Transfert seul", "Transfer only"},
    {"ImgNvlObjet_haut", "ImgNvlObjet_bas", "Nouvel objet", "New object"},
    {"ImgTransfertTotalHaut", "ImgTransfertTotalBas", "Transfert total et retour",
     "Total transfer and return"},
}};

} // namespace

const std::vector<CaptionTable>& captionTables() {
    static const std::vector<CaptionTable> tables{extrasTable(),       mainTable(), photoTable(),
                                                  secondWindowTable(), helpTable(), aboutTable()};
    return tables;
}

void writeCaptions(Controls& controls, int language) {
    for (const CaptionTable& table : captionTables()) {
        for (const CaptionRow& row : table.rows) {
            const QString& text = row.text.in(language);
            switch (row.part) {
            case Part::Caption:
                controls.setCaption(row.control, text);
                break;
            case Part::Hint:
                controls.setHint(row.control, text);
                break;
            case Part::Item: {
                QStringList items = controls.get(row.control, ControlKind::RadioGroup).items;
                if (row.item < 0 || row.item >= items.size())
                    throw std::logic_error("no item " + std::to_string(row.item) + " in " +
                                           row.control.toStdString());
                if (items[row.item] == text) break;
                items[row.item] = text;
                controls.setItems(row.control, items);
                break;
            }
            }
        }
    }
}

QString buttonPictureCaption(const QString& imageName, int language) {
    for (const ButtonText& b : buttonTexts)
        if (imageName == QLatin1String(b.raised) || imageName == QLatin1String(b.pressed))
            return QString::fromUtf8(language == 1 ? b.english : b.french);
    return {};
}

} // namespace trajecta
