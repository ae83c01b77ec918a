#include "document/CurveDocument.h"

#include <array>
#include <utility>

namespace trajecta {

namespace {

// The twelve lists, named once, in the order of the list selector of the
// second window.
const std::array<std::pair<const char*, QStringList NamedLists::*>, 12> namedLists{{
    {"LbxCollecter", &NamedLists::LbxCollecter},
    {"LbxColTemps", &NamedLists::LbxColTemps},
    {"LbxColParametres", &NamedLists::LbxColParametres},
    {"LbxPointsCourbe", &NamedLists::LbxPointsCourbe},
    {"LbxParametres", &NamedLists::LbxParametres},
    {"LbxListeKPpartielle", &NamedLists::LbxListeKPpartielle},
    {"LbxListeKP", &NamedLists::LbxListeKP},
    {"LbxAcquiClipboard", &NamedLists::LbxAcquiClipboard},
    {"LbxTempsKP", &NamedLists::LbxTempsKP},
    {"LbxFichier", &NamedLists::LbxFichier},
    {"LbxPoucet", &NamedLists::LbxPoucet},
    {"LbxKPinverse", &NamedLists::LbxKPinverse},
}};

} // namespace

const QStringList& NamedLists::names() {
    static const QStringList all = [] {
        QStringList names;
        for (const auto& [name, member] : namedLists)
            names.append(QString::fromLatin1(name));
        return names;
    }();
    return all;
}

QStringList* NamedLists::find(const QString& name) {
    for (const auto& [listName, member] : namedLists)
        if (name == QLatin1String(listName)) return &(this->*member);
    return nullptr;
}

} // namespace trajecta
