#include "core/CurveDocument.h"

namespace trajecta {

const QStringList& NamedLists::names() {
    static const QStringList all{"LbxCollecter",        "LbxColTemps", "LbxColParametres",  "LbxPointsCourbe",
                                 "LbxParametres",       "LbxListeKPpartielle", "LbxListeKP", "LbxAcquiClipboard",
                                 "LbxTempsKP",          "LbxFichier",  "LbxPoucet",         "LbxKPinverse"};
    return all;
}

QStringList* NamedLists::find(const QString& name) {
    QStringList* all[] = {&LbxCollecter,  &LbxColTemps,         &LbxColParametres, &LbxPointsCourbe,
                          &LbxParametres, &LbxListeKPpartielle, &LbxListeKP,       &LbxAcquiClipboard,
                          &LbxTempsKP,    &LbxFichier,          &LbxPoucet,        &LbxKPinverse};
    const qsizetype i = names().indexOf(name);
    return i < 0 ? nullptr : all[i];
}

} // namespace trajecta
