#include "app/ControlInventory.h"
#include "app/LookInventory.h"

#include "document/CurveDocument.h"
#include "platform/Colours.h"

namespace trajecta::inventory {

void declareDialogs(Controls& c) {
    // Help: one picture a step and language, the one of the current step shown.
    c.declare(ids::TFAide).visible = false;
    for (ImageId name : {ids::ImgAideT1Fr, ids::ImgAideT1Eng, ids::ImgT2fr, ids::ImgT2eng, ids::ImgT3fr,
                         ids::ImgT3eng, ids::ImgT3frbis, ids::ImgT3engbis, ids::ImgT4fr, ids::ImgT4eng,
                         ids::ImgT5Fr, ids::ImgT5Eng, ids::ImgT6Fr, ids::ImgT6Eng})
        c.declare(name, ids::TFAide).visible = false;
    c.declare(ids::BtnOKAide, ids::TFAide);

    c.declare(ids::TFApropos).visible = false;
    c.declare(ids::ImgAproposFr, ids::TFApropos);
    c.declare(ids::ImgAproposEng, ids::TFApropos).visible = false;

    // Photo processing: the colour choices show only for a monochrome photo.
    const DialogId photo = ids::TFtraitePhoto;
    c.declare(ids::TFtraitePhoto).visible = false;
    c.declare(ids::ImgTraiter, photo);
    c.declare(ids::ChbxMonochrome, photo);
    c.declare(ids::ImgArcEnCiel, photo).visible = false;
    c.declare(ids::LblCliquerCouleur, photo).visible = false;
    c.declare(ids::PnlChoixCouleur, photo).visible = false;
    ControlState& sliver = c.declare(ids::PnlSliver, photo);
    sliver.visible = false;
    sliver.colour = 0xC0C0C0; // silver: a grey photo
    c.declare(ids::ChbxAttenuation, photo).checked = true;
    c.declare(ids::ChbxTrait, photo);
    c.declare(ids::BtnOKTraitePhoto, photo);
    c.declare(ids::BtnAnnulerTraitePhoto, photo);
}

void declareSecondWindow(Controls& c) {
    const WindowId w = ids::TFparametres;
    // Its size with the groups of the parameter step; the window keeps the
    // size it really has here.
    ControlState& window = c.declare(ids::TFparametres);
    window.visible = false;
    window.width = 820;
    window.height = 460;
    // The hosts of the eight groups that can move here from the main window:
    // those of the main window's column, then those of its bottom band.
    c.declare(ids::PnlDockDestEtapes, w);
    c.declare(ids::PnlDockOKtoutDest, w);
    c.declare(ids::PnlDockPointsSurCourbeDest, w);
    c.declare(ids::PnlDockAideDest, w);
    c.declare(ids::PnlDockDestExtras, w);
    c.declare(ids::PnlDockFondDest, w);
    c.declare(ids::PnlDockAffichageDest, w);
    c.declare(ids::PnlDockParasDest, w);
    c.declare(ids::PnlDockTemps, ids::PnlDockParasDest);
    c.declare(ids::PnlDockLePoint, ids::PnlDockParasDest);
    c.declare(ids::LblNombrePoints, w, "");

    // An inspection view of the named lists, which the program never turns on.
    c.declare(ids::PnlLbxSauve, w).visible = false;
    for (const QString& list : NamedLists::names())
        c.declare(list, ControlKind::List, ids::PnlLbxSauve.str()).visible = false;
    radio(c, ids::RdgVoir, w, NamedLists::names(), -1);
    c.hide(ids::RdgVoir);
}

void declareExtrasDialog(Controls& c) {
    const DialogId w = ids::TFExtras;
    c.declare(ids::TFExtras).visible = false;
    c.declare(ids::GbxActionsCourbeIntacte, w);
    c.declare(ids::ChbxInverserCourbe, ids::GbxActionsCourbeIntacte);
    radio(c, ids::Rdg_inverse180_OuPas, ids::GbxActionsCourbeIntacte, 2, 0).visible = false;

    c.declare(ids::ChBxSupKP, w);
    c.declare(ids::PnlSupVoir, w).visible = false;
    c.declare(ids::LbliSupDeb, ids::PnlSupVoir);
    slider(c, ids::TbrSupDeb, ids::PnlSupVoir, 0, 10, 0);
    c.declare(ids::LblSupDeb, ids::PnlSupVoir, "0");
    c.declare(ids::LbiSupFin, ids::PnlSupVoir);
    slider(c, ids::TbrSupFin, ids::PnlSupVoir, 0, 10, 0);
    c.declare(ids::LblSupFin, ids::PnlSupVoir, "0");
    // A lime bar whose red marks show the share deleted at each end.
    ControlState& bar = c.declare(ids::PnlVoisSup, ids::PnlSupVoir);
    bar.width = extrasBarWidth;
    bar.height = extrasBarHeight;
    for (ShapeId mark : {ids::ShpSupDeb, ids::ShpSupFin}) {
        ControlState& shape = c.declare(mark, ids::PnlVoisSup);
        shape.visible = false;
        shape.height = extrasBarHeight;
        shape.colour = colours::red;
    }
    c.declare(ids::LbliResteKP, ids::PnlSupVoir);
    c.declare(ids::LblResteKP, ids::PnlSupVoir, "");
    c.declare(ids::LbliTemps1erPoint, ids::PnlSupVoir);
    c.declare(ids::LblTemps1erPoint, ids::PnlSupVoir, "");
    c.declare(ids::LbliTempsDerPoint, ids::PnlSupVoir);
    c.declare(ids::LblTempsDerPoint, ids::PnlSupVoir, "");
    c.declare(ids::ChBxRecalerTemps, ids::PnlSupVoir).visible = false;
    c.declare(ids::LblExtrasAppliquer, w);
    c.declare(ids::BtnExtrasAnnuler, w);
}

void describeDialogs(ControlLooks& looks) {
    looks.buttons.unite(nameSet(
        {ids::BtnOKAide, ids::BtnOKTraitePhoto, ids::BtnAnnulerTraitePhoto, ids::LblExtrasAppliquer}));
    looks.swatches.unite(nameSet({ids::PnlChoixCouleur, ids::PnlSliver}));
    // The second window: the groups of the main window's column, those of its
    // band, and the parameter and cursor groups.
    looks.arrangements[secondWindowName] = {Arrangement::Columns, 3, {5, 2, 4}};
    // The deletion bar of the Extras dialog: a lime bar whose red marks sit where the model puts them.
    looks.arrangements[ids::PnlVoisSup.str()] = {Arrangement::Placed, 1};
    looks.faces[ids::PnlVoisSup.str()] = colours::lime;
    looks.faces[ids::ShpSupDeb.str()] = colours::red;
    looks.faces[ids::ShpSupFin.str()] = colours::red;
}

} // namespace trajecta::inventory
