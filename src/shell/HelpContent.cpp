#include "shell/HelpContent.h"
#include "document/ControlIds.h"

#include <QRegularExpression>

namespace trajecta {

namespace {

TextPair t(const char* french, const char* english) {
    return {QString::fromUtf8(french), QString::fromUtf8(english)};
}

std::vector<HelpPage> buildPages() {
    using S = HelpScene;
    std::vector<HelpPage> pages;
    pages.push_back(
        {ids::ImgAideT1Fr,
         ids::ImgAideT1Eng,
         S::Format,
         t("Étape 1 : le format de l'écran", "Step 1: the screen format"),
         t("L'objet PTE est chargé. Choisissez la forme de la zone de travail : elle prend les proportions "
           "de l'écran de votre diaporama.",
           "The PTE object is loaded. Choose the shape of the work area: it takes the proportions of your "
           "slideshow's screen."),
         {t("Dans « format d'écran », cochez le format du diaporama : « 16/9 », « 16/10 », « 15/10 », "
            "« 4/3 » ou « 5/4 ».",
            "In “screen format”, pick the format of the slideshow: “16/9”, “16/10”, “15/10”, “4/3” or "
            "“5/4”."),
          t("Cliquez sur « Créer une nouvelle courbe » : la zone de travail apparaît, quadrillée, et "
            "l'étape 2 commence.",
            "Click “Create a new curve”: the work area appears with its grid and step 2 begins."),
          t("Pour reprendre une courbe enregistrée, cliquez plutôt sur « Charger une courbe » et choisissez "
            "son fichier.",
            "To take up a saved curve instead, click “Load a curve” and choose its file.")},
         t("Le menu « Langue » change la langue à tout moment.",
           "The “Language” menu switches the language at any time."),
         t("La zone de travail au format 16/9, juste créée.", "The work area in 16/9, just created.")});

    pages.push_back(
        {ids::ImgT2fr,
         ids::ImgT2eng,
         S::Marking,
         t("Étape 2 : marquer les points de contrôle", "Step 2: mark the control points"),
         t("Chaque clic dans la zone de travail pose un point de contrôle. La courbe est faite de parties : "
           "la première prend 4 points, chaque partie suivante 3 de plus (de 4 à 49 points, 16 parties au "
           "plus).",
           "Each click in the work area sets a control point. The curve is made of parts: the first takes "
           "4 points, every further part 3 more (4 to 49 points, at most 16 parts)."),
         {t("Cliquez le départ de la trajectoire, puis deux poignées qui tirent la courbe, puis la fin de la "
            "partie : la partie se dessine.",
            "Click the start of the path, then two handles that pull the curve, then the end of the part: "
            "the part is drawn."),
          t("Continuez par groupes de trois clics : deux poignées et la fin de la partie suivante.",
            "Go on in groups of three clicks: two handles and the end of the next part."),
          t("Cliquez sur « Arrêter le marquage » quand la trajectoire est complète ; les points d'une partie "
            "inachevée sont laissés de côté.",
            "Click “Stop Marking” when the path is complete; the points of an unfinished part are dropped."),
          t("Un tracé déjà dessiné ? Avant le premier clic, cliquez sur « Importer un tracé SVG… » et "
            "choisissez le fichier : le tracé (ou celui que vous choisissez) devient la courbe, à sa place "
            "sur le dessin, et l'étape 3 commence.",
            "A path already drawn? Before the first click, click “Import an SVG path…” and choose the "
            "file: its path (or the one you pick) becomes the curve, where the drawing has it, and step 3 "
            "begins.")},
         t("« Etape précédente » ramène au choix du format.",
           "“Previous step” takes you back to the format."),
         t("Deux parties marquées et le premier point d'une troisième.",
           "Two parts marked and the first point of a third one.")});

    pages.push_back(
        {ids::ImgT3fr,
         ids::ImgT3eng,
         S::Shaping,
         t("Étape 3 : façonner la courbe", "Step 3: shape the curve"),
         t("Faites glisser les points de contrôle avec la souris : la courbe suit.",
           "Drag the control points with the mouse: the curve follows."),
         {t("Dans « alignements des tangentes », « aligner là où je clique » garde alignées les deux "
            "poignées "
            "d'un point, « rompre là où je clique » les libère.",
            "In “alignments of tangents”, “align where I click” keeps the two handles of a point in line, "
            "“break where I click” sets them free."),
          t("Cochez des numéros sous « Parties » (ou « Tout ») et réglez avec le curseur le nombre de points "
            "pris sur chacune ; « sur toute la courbe : » donne le total, un point-clé par point.",
            "Tick numbers under “Parts” (or “All”) and set with the slider how many points are taken on "
            "each; “on the curve :” gives the total, one keypoint per point."),
          t("« Fermer la courbe » ramène la fin de la trajectoire à son départ.",
            "“Closed curve” brings the end of the path back to its start."),
          t("« Mettre un cadre » place le cadre qui figure la vue du diaporama.",
            "“Put a framework” places the frame that stands for the slide."),
          t("Quand la courbe vous plaît, cliquez sur « OK, courbe terminée ». « Refaire la courbe » efface "
            "les points pour recommencer.",
            "When the curve suits you, click “OK, curve over”. “Redo curve” clears the points to start "
            "again.")},
         t("Sans cadre, la zone de travail entière tient lieu de vue.",
           "Without a frame, the whole work area stands for the slide."),
         t("Une courbe de trois parties, ses points de contrôle et ses tangentes.",
           "A curve of three parts with its control points and tangents.")});

    pages.push_back(
        {ids::ImgT3frbis,
         ids::ImgT3engbis,
         S::FramePlacing,
         t("Étape 3 : placer le cadre", "Step 3: place the frame"),
         t("Le cadre figure la vue du diaporama : les positions des points-clés sont comptées par rapport à "
           "lui. Il garde les proportions du format choisi.",
           "The frame stands for the slide: the keypoint positions are counted from it. It keeps the "
           "proportions of the chosen format."),
         {t("Appuyez avec la souris à un coin du cadre, glissez vers le haut ou le bas jusqu'au coin opposé, "
            "puis relâchez : la hauteur décide, la largeur suit le format.",
            "Press the mouse at one corner of the frame, drag up or down to the opposite corner and "
            "release: the height decides, the width follows the format."),
          t("Faites glisser l'intérieur du cadre pour le déplacer, un de ses coins pour changer sa taille.",
            "Drag the inside of the frame to move it, one of its corners to resize it."),
          t("Dans « Travailler sur : », « les points » revient aux points de contrôle et « le cadre » au "
            "cadre ; « Effacer le cadre » le retire.",
            "In “Working on :”, “the points” goes back to the control points and “the frame” to the "
            "frame; “Clear framework” removes it."),
          t("Puis cliquez sur « OK, courbe terminée ».", "Then click “OK, curve over”.")},
         t("Un cadre trop petit (moins de 10 pixels) ne compte pas : tracez-le de nouveau.",
           "A frame too small (under 10 pixels) does not count: draw it again."),
         t("Le cadre en pointillés, aux proportions 16/9.", "The dashed frame, in 16/9 proportions.")});

    pages.push_back(
        {ids::ImgT4fr,
         ids::ImgT4eng,
         S::Times,
         t("Étape 4 : le temps des points-clés", "Step 4: the keypoint times"),
         t("Chaque point pris sur la courbe devient un point-clé ; son temps se règle dans « Gérer le temps "
           "(en ms) ».",
           "Every point taken on the curve becomes a keypoint; its time is set in “Manage time (ms)”."),
         {t("Dans « le premier point-clé (temps depuis le début de la vue) », tapez quand l'objet part.",
            "In “The first key point (time since the beginning of the slide)”, type when the object "
            "starts."),
          t("Amenez le curseur sur un point, cliquez sur « Début », amenez-le plus loin et cliquez sur « Fin "
            "» "
            ": la plage est marquée sur la courbe.",
            "Move the cursor to a point, click “Start”, move it further and click “End”: the range is "
            "marked on the curve."),
          t("Tapez le temps depuis le point-clé précédent au début et à la fin de la plage ; les temps entre "
            "les deux sont répartis, en « progression géométrique » si la case est cochée.",
            "Type the time since the previous keypoint at the start and at the end of the range; the times "
            "between are spread, in “geometrical progression” if the box is ticked."),
          t("« Enregistrer » garde la plage, « Annuler » l'abandonne ; « Terminé » passe aux paramètres.",
            "“Save” keeps the range, “Cancel” drops it; “Completed” goes on to the parameters."),
          t("« Lecture » montre l'objet en mouvement ; le graphique donne les temps (barres) et la vitesse "
            "(ligne).",
            "“Play” shows the object moving; the chart gives the times (bars) and the speed (line).")},
         t("« D'autres options pour le réglage des temps : cliquer ici » donne la vitesse constante, le "
           "temps "
           "constant, un ralenti et le changement proportionnel.",
           "“Other options for setting the time: click here” gives constant speed, constant time, a slow "
           "down and the proportional change."),
         t("Une plage de points-clés choisie avec « Début » et « Fin ».",
           "A range of keypoints chosen with “Start” and “End”.")});

    pages.push_back(
        {ids::ImgT5Fr,
         ids::ImgT5Eng,
         S::Parameters,
         t("Étape 5 : les paramètres des points-clés", "Step 5: the keypoint parameters"),
         t("Si vous le voulez, l'opacité, le zoom, la rotation, le centre et la 3D changent le long de la "
           "trajectoire, d'une valeur de début à une valeur de fin.",
           "If you wish, opacity, zoom, rotation, centre and 3D change along the path, from a start value "
           "to an end value."),
         {t("Choisissez une plage avec le curseur, « Début » et « Fin », comme à l'étape 4.",
            "Choose a range with the cursor, “Start” and “End”, as in step 4."),
          t("Dans « changements sur », cochez ce qui change (« Opacité », « Zoom X », « Rotation », « Centre "
            "X »...) et tapez les valeurs de début et de fin.",
            "In “Changes on”, tick what changes (“Opacity”, “Zoom X”, “Rotation”, “Center X”...) and type "
            "the start and end values."),
          t("« Ajouter l'angle (tangente) à rotation » fait tourner l'objet avec la trajectoire.",
            "“Add the angle (tangent) to rotation” turns the object with the path."),
          t("« Enregistrer » garde la plage ; « Annuler tout » retire tout ce qui a été enregistré ici.",
            "“Save” keeps the range; “Undo all” takes back everything saved here."),
          t("Cliquez sur « Terminé » : l'objet part dans le presse-papier.",
            "Click “Completed”: the object goes to the clipboard.")},
         t("« point actuel » montre les valeurs déjà enregistrées au point-clé sous le curseur.",
           "“current point” shows the values already saved at the keypoint under the cursor."),
         t("Le point-clé sous le curseur et la tangente de la courbe en ce point.",
           "The keypoint under the cursor and the tangent of the curve there.")});

    pages.push_back(
        {ids::ImgT6Fr,
         ids::ImgT6Eng,
         S::Finished,
         t("Étape 6 : coller l'objet dans PTE", "Step 6: paste the object into PTE"),
         t("L'objet PTE, avec sa nouvelle trajectoire, est dans le presse-papier : collez-le dans une vue de "
           "PTE.",
           "The PTE object, with its new path, is on the clipboard: paste it into a slide of PTE."),
         {t("« Transfert seul » remet l'objet dans le presse-papier s'il a servi entre-temps.",
            "“Transfer only” puts the object on the clipboard again if it has been used meanwhile."),
          t("« Nouvel objet » : copiez un autre objet dans PTE puis cliquez ici ; il reçoit la même "
            "trajectoire, prêt à coller.",
            "“New object”: copy another object in PTE, then click here; it gets the same path, ready to "
            "paste."),
          t("« Enregistrer la courbe » garde le projet dans un fichier, à reprendre avec « Charger une "
            "courbe ».",
            "“Save the curve” keeps the project in a file, to take up again with “Load a curve”."),
          t("« Extras » inverse le sens de la trajectoire, supprime des points-clés aux extrémités ou recale "
            "le temps.",
            "“Extras” reverses the path, deletes keypoints at either end or resets the time.")},
         t("« Etape précédente » permet encore de retoucher les temps ou les paramètres.",
           "“Previous step” still lets you touch up the times or the parameters."),
         t("La trajectoire terminée, sur la photo d'exemple.", "The finished path over the sample photo.")});
    return pages;
}

} // namespace

const std::vector<HelpPage>& helpPages() {
    static const std::vector<HelpPage> pages = buildPages();
    return pages;
}

const HelpPage* helpPageOf(const QString& imageName, int* language) {
    for (const HelpPage& page : helpPages())
        for (int l : {0, 1})
            if (imageName == (l == 0 ? page.frenchImage : page.englishImage)) {
                if (language) *language = l;
                return &page;
            }
    return nullptr;
}

QStringList quotedCaptions(const HelpPage& page, int language) {
    static const QRegularExpression french(QStringLiteral("«\\s*(.+?)\\s*»"));
    static const QRegularExpression english(QStringLiteral("“(.+?)”"));
    QStringList texts{page.intro.in(language)};
    for (const TextPair& step : page.steps)
        texts << step.in(language);
    texts << page.tip.in(language) << page.sceneCaption.in(language);
    QStringList captions;
    for (const QString& text : texts)
        for (const QRegularExpressionMatch& m : (language == 0 ? french : english).globalMatch(text))
            captions << m.captured(1);
    return captions;
}

const AboutText& aboutText() {
    static const AboutText about{
        ids::ImgAproposFr, ids::ImgAproposEng,
        t("Dessine la trajectoire d'un objet de PicturesToExe : une courbe de Bézier, les points-clés "
          "qu'elle "
          "donne, leurs temps et leurs paramètres, rendus à PTE par le presse-papier.",
          "Draws the motion path of a PicturesToExe object: a Bezier curve, the keypoints it gives, their "
          "times and parameters, handed back to PTE through the clipboard."),
        t("Cliquez sur l'image pour fermer.", "Click the picture to close."), t("version", "version")};
    return about;
}

int aboutLanguageOf(const QString& imageName) {
    const AboutText& about = aboutText();
    if (imageName == about.frenchImage) return 0;
    if (imageName == about.englishImage) return 1;
    return -1;
}

} // namespace trajecta
