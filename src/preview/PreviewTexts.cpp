#include "preview/PreviewTexts.h"

namespace trajecta::PreviewTexts {

const TextPair play{QStringLiteral("Lecture"), QStringLiteral("Play")};
const TextPair pause{QStringLiteral("Pause"), QStringLiteral("Pause")};
const TextPair playHint{
    QStringLiteral("Voir l'objet parcourir la trajectoire en temps réel (barre d'espace)"),
    QStringLiteral("Watch the object run along the path in real time (space bar)")};
const TextPair sliderHint{QStringLiteral("Montrer l'objet à ce moment de la vue"),
                          QStringLiteral("Show the object at this time of the slide")};
const TextPair chartHint{
    QStringLiteral("Barres : temps depuis le point-clé précédent ; ligne : vitesse le long de la "
                   "trajectoire (pixels par seconde)"),
    QStringLiteral("Bars: time since the previous keypoint; line: speed along the path (pixels per second)")};

} // namespace trajecta::PreviewTexts
