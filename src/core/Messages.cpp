#include "core/Messages.h"

#include <array>

namespace trajecta {

const TextPair& stepMessage(StepMessage message) {
    static const std::array<TextPair, 9> entries{{
        {},
        {QStringLiteral("Etape 1 : choisissez le format d'écran et cliquez sur Créer une nouvelle courbe"),
         QStringLiteral("Step 1 : choose the screen format and click create a new curve")},
        {QStringLiteral("Etape 2 : cliquez dans la zone de travail pour marquer de 4 à 49 points"),
         QStringLiteral("Step 2 : click in the area of work to mark between 4 and 49 points")},
        {QStringLiteral(
             "Etape 3 : Vous pouvez déplacer les points de contrôle avec la souris, changer le nombre de "
             "points de la courbe et mettre un cadre"),
         QStringLiteral(
             "Step 3 : You can move the control points with the mouse, change the number of points of "
             "the curve and put a framework")},
        {QStringLiteral(
             "Après avoir placé le cadre avec la souris, vous pouvez le déplacer et changer sa taille"),
         QStringLiteral("After placing the frame with the mouse, you can move and resize")},
        {QStringLiteral("Etape 4 : gestion du temps, voyez l'aide"),
         QStringLiteral("Step 4 : time management, see Help")},
        {QStringLiteral("Etape 5 : changer éventuellement les paramètres des points-clés"),
         QStringLiteral("Step 5 : eventually change the parameters of keypoints")},
        {QStringLiteral("Etape 6 : L'objet PTE est dans le presse-papier, collez-le dans PTE"),
         QStringLiteral("Step 6 : The PTE object is in the clipboard, paste it into PTE")},
        {QStringLiteral("Un nouvel objet a été mis dans le presse-papier,collez-le dans PTE"),
         QStringLiteral("A new object has been put on the clipboard, paste it into PTE")},
    }};
    static const TextPair none;
    const int index = static_cast<int>(message);
    return index >= 1 && index <= 8 ? entries[static_cast<size_t>(index)] : none;
}

namespace Messages {
const TextPair tooFewPoints{QStringLiteral("nombre insuffisant de points"),
                            QStringLiteral("insufficient number of points")};
const TextPair maxParts{QStringLiteral("Le maximum (16 parties) est atteint"),
                        QStringLiteral("The maximum (16 parts) is reached")};
const TextPair curveHad{QStringLiteral("La courbe avait "), QStringLiteral("The curve had ")};
const TextPair curveHadRest{
    QStringLiteral("points, si vous changez ça,\r les paramètres déjà introduits (temps...) seront annulés."),
    QStringLiteral(
        "points, if you change this number,\r parameters already introduced (time ...) will be canceled.")};
const TextPair objectCopied{QStringLiteral("Objet copié : %1 points-clés"),
                            QStringLiteral("Object copied: %1 keypoints")};
const TextPair notAnObject{QStringLiteral("Ce n'est pas un objet PTE"),
                           QStringLiteral("This is not a PTE object")};
const TextPair firstTimeDoubtful{
    QStringLiteral(
        "Il est possible que le temps du premier point-clé soit faux : à vous de le rectifier à l'étape 4"),
    QStringLiteral("Perhaps the time of the first keypoint is false : you can correct it in step 4")};
const TextPair workAreaTooSmall{
    QStringLiteral("La fenêtre est trop petite pour une zone de travail : agrandissez-la et recommencez"),
    QStringLiteral("The window is too small for a work area: enlarge it and try again")};
const TextPair badSpeedField{QStringLiteral("Valeur incorrecte dans la ligne PanSpeed : "),
                             QStringLiteral("Incorrect value in the PanSpeed line: ")};
const TextPair cancelAllParameters{QStringLiteral("Tous les paramètres seront remis par défaut"),
                                   QStringLiteral("Every parameter will be set back to its default")};
const TextPair cancelAllParametersTitle{QStringLiteral("Effacer tous les paramètres"),
                                        QStringLiteral("Clear all parameters")};
const TextPair countBeforeAndNow{QStringLiteral("Avant : %1  et : %2"),
                                 QStringLiteral("Before : %1  and : %2")};
const TextPair fileExists{QStringLiteral("Le fichier existe, voulez-vous le remplacer ?"),
                          QStringLiteral("The file exists, do you want to replace it ?")};
const TextPair notWritten{QStringLiteral("Le fichier %1 n'a pas été écrit : %2"),
                          QStringLiteral("The file %1 was not written: %2")};
const TextPair notRead{QStringLiteral("Le fichier %1 n'a pas pu être lu : %2"),
                       QStringLiteral("The file %1 could not be read: %2")};
const TextPair loadLabel{QStringLiteral("Charger une courbe"), QStringLiteral("Load a curve")};
const TextPair windowTitle{QStringLiteral(" Trajecta"), QStringLiteral("  Trajecta")};
const TextPair minimumDuration{QStringLiteral("Durée minimum pour la vue : "),
                               QStringLiteral("Minimum time for the slide : ")};
const QString incorrectPointCount = QStringLiteral("Incorrect number of points (nx3)+1");
} // namespace Messages

} // namespace trajecta
