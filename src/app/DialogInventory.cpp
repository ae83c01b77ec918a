#include "app/ControlInventory.h"
#include "app/LookInventory.h"

#include "document/CurveDocument.h"
#include "platform/Colours.h"

namespace trajecta::inventory {

namespace {
using K = ControlKind;
} // namespace

void declareDialogs(Controls& c) {
    // Help: one picture a step and language, the one of the current step shown.
    c.declare(helpWindowName, K::Dialog).visible = false;
    for (const char* name :
         {"ImgAideT1Fr", "ImgAideT1Eng", "ImgT2fr", "ImgT2eng", "ImgT3fr", "ImgT3eng", "ImgT3frbis",
          "ImgT3engbis", "ImgT4fr", "ImgT4eng", "ImgT5Fr", "ImgT5Eng", "ImgT6Fr", "ImgT6Eng"})
        c.declare(name, K::Image, helpWindowName).visible = false;
    c.declare("BtnOKAide", K::Label, helpWindowName);

    c.declare(aboutWindowName, K::Dialog).visible = false;
    c.declare("ImgAproposFr", K::Image, aboutWindowName);
    c.declare("ImgAproposEng", K::Image, aboutWindowName).visible = false;

    // Photo processing: the colour choices show only for a monochrome photo.
    const QString& photo = photoDialogName;
    c.declare(photo, K::Dialog).visible = false;
    c.declare("ImgTraiter", K::Image, photo);
    c.declare("ChbxMonochrome", K::CheckBox, photo);
    c.declare("ImgArcEnCiel", K::Image, photo).visible = false;
    c.declare("LblCliquerCouleur", K::Label, photo).visible = false;
    c.declare("PnlChoixCouleur", K::Panel, photo).visible = false;
    ControlState& sliver = c.declare("PnlSliver", K::Panel, photo);
    sliver.visible = false;
    sliver.colour = 0xC0C0C0; // silver: a grey photo
    c.declare("ChbxAttenuation", K::CheckBox, photo).checked = true;
    c.declare("ChbxTrait", K::CheckBox, photo);
    c.declare("BtnOKTraitePhoto", K::Label, photo);
}

void declareSecondWindow(Controls& c) {
    const QString& w = secondWindowName;
    // Its size with the groups of the parameter step; the window keeps the
    // size it really has here.
    ControlState& window = c.declare(w, K::Window);
    window.visible = false;
    window.width = 820;
    window.height = 460;
    // The hosts of the eight groups that can move here from the main window:
    // those of the main window's column, then those of its bottom band.
    c.declare("PnlDockDestEtapes", K::Panel, w);
    c.declare("PnlDockOKtoutDest", K::Panel, w);
    c.declare("PnlDockPointsSurCourbeDest", K::Panel, w);
    c.declare("PnlDockAideDest", K::Panel, w);
    c.declare("PnlDockDestExtras", K::Panel, w);
    c.declare("PnlDockFondDest", K::Panel, w);
    c.declare("PnlDockAffichageDest", K::Panel, w);
    c.declare("PnlDockParasDest", K::Panel, w);
    c.declare("PnlDockTemps", K::Panel, "PnlDockParasDest");
    c.declare("PnlDockLePoint", K::Panel, "PnlDockParasDest");
    c.declare("LblNombrePoints", K::Label, w, "");

    // An inspection view of the named lists, which the program never turns on.
    c.declare("PnlLbxSauve", K::Panel, w).visible = false;
    for (const QString& list : NamedLists::names())
        c.declare(list, K::List, "PnlLbxSauve").visible = false;
    radio(c, "RdgVoir", w, NamedLists::names(), -1);
    c.hide("RdgVoir");
}

void declareExtrasDialog(Controls& c) {
    const QString& w = extrasDialogName;
    c.declare(w, K::Dialog).visible = false;
    c.declare("GbxActionsCourbeIntacte", K::GroupBox, w);
    c.declare("ChbxInverserCourbe", K::CheckBox, "GbxActionsCourbeIntacte");
    radio(c, "Rdg_inverse180_OuPas", "GbxActionsCourbeIntacte", 2, 0).visible = false;

    c.declare("ChBxSupKP", K::CheckBox, w);
    c.declare("PnlSupVoir", K::Panel, w).visible = false;
    c.declare("LbliSupDeb", K::Label, "PnlSupVoir");
    slider(c, "TbrSupDeb", "PnlSupVoir", 0, 10, 0);
    c.declare("LblSupDeb", K::Label, "PnlSupVoir", "0");
    c.declare("LbiSupFin", K::Label, "PnlSupVoir");
    slider(c, "TbrSupFin", "PnlSupVoir", 0, 10, 0);
    c.declare("LblSupFin", K::Label, "PnlSupVoir", "0");
    // A lime bar whose red marks show the share deleted at each end.
    ControlState& bar = c.declare("PnlVoisSup", K::Panel, "PnlSupVoir");
    bar.width = extrasBarWidth;
    bar.height = extrasBarHeight;
    for (const char* mark : {"ShpSupDeb", "ShpSupFin"}) {
        ControlState& shape = c.declare(mark, K::Shape, "PnlVoisSup");
        shape.visible = false;
        shape.height = extrasBarHeight;
        shape.colour = colours::red;
    }
    c.declare("LbliResteKP", K::Label, "PnlSupVoir");
    c.declare("LblResteKP", K::Label, "PnlSupVoir", "");
    c.declare("LbliTemps1erPoint", K::Label, "PnlSupVoir");
    c.declare("LblTemps1erPoint", K::Label, "PnlSupVoir", "");
    c.declare("LbliTempsDerPoint", K::Label, "PnlSupVoir");
    c.declare("LblTempsDerPoint", K::Label, "PnlSupVoir", "");
    c.declare("ChBxRecalerTemps", K::CheckBox, "PnlSupVoir").visible = false;
    c.declare("LblExtrasAppliquer", K::Label, w);
    c.declare("BtnExtrasAnnuler", K::Label, w);
}

void describeDialogs(ControlLooks& looks) {
    looks.buttons.unite({"BtnOKAide", "BtnOKTraitePhoto", "LblExtrasAppliquer"});
    looks.swatches.unite({"PnlChoixCouleur", "PnlSliver"});
    // The second window: the groups of the main window's column, those of its
    // band, and the parameter and cursor groups.
    looks.arrangements[secondWindowName] = {Arrangement::Columns, 3, {5, 2, 4}};
    // The deletion bar of the Extras dialog: a lime bar whose red marks sit where the model puts them.
    looks.arrangements["PnlVoisSup"] = {Arrangement::Placed, 1};
    looks.faces["PnlVoisSup"] = colours::lime;
    looks.faces["ShpSupDeb"] = colours::red;
    looks.faces["ShpSupFin"] = colours::red;
}

} // namespace trajecta::inventory
