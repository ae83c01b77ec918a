#pragma once

#include "app/Session.h"
#include "parameters/ObjectTextWriter.h"
#include "parameters/ParameterPanel.h"
#include "parameters/ParameterRecord.h"
#include "parameters/ParameterStep.h"
#include "parameters/RangeChooser.h"
#include "timing/KeypointTimes.h"

namespace trajecta {

// The controls of the time and parameter steps that the control inventory
// does not declare yet, each declared only when missing, in the panels where
// the windows place them.
inline void declareParameterControls(Controls& c) {
    const auto declare = [&c](const QString& name, ControlKind kind, const QString& parent) -> ControlState* {
        return c.has(name) ? nullptr : &c.declare(name, kind, parent);
    };
    using K = ControlKind;
    for (const char* name : {"EdtTemps1st", "EdtTempsDeb", "EdtTempsFin"})
        declare(name, K::Edit, "GbxTemps");
    declare("ChBxSpeedUp", K::CheckBox, "GbxTemps");
    for (const char* name : {"PnlOptionsTemps", "PnlTempsDebFin"})
        declare(name, K::Panel, "GbxTemps");
    declare("ShpTemoin", K::Shape, "GbxTemps");
    for (const char* name : {"LbliDebAbsolu", "LbliFinAbsolu"})
        declare(name, K::Label, "GbxTemps");

    for (const char* name : {"PnAnnulePara", "PnOKPara", "PnFinPara", "PnAnnulerTout"})
        declare(name, K::Panel, "PnlLePoint");
    for (const char* name : {"LblVarDep", "LblVarFin", "LblPointSelect", "LblChoixDep", "LblChoixFin",
                             "LblDeplaceCurseur", "LbliTempsCePoint", "LblTempsPointActuel", "LbliQpara"})
        declare(name, K::Label, "PnlLePoint");
    declare("LblVarAnnule", K::Label, "PnAnnulePara");
    declare("LblVarSave", K::Label, "PnOKPara");
    declare("LblParaAnnuleTout", K::Label, "PnAnnulerTout");
    declare("ChBxTangenteAuPoint", K::CheckBox, "PnlLePoint");
    declare("ImgCentreHaut", K::Image, "PnlGroupeFleches");
    for (const char* image :
         {"ImgVarDep", "ImgVarFin", "ImgVarAnnule", "ImgVarOK", "ImgAnnuleTout", "ImgParaFini"})
        for (const char* look : {"Haut", "Bas"})
            declare(QString::fromLatin1(image) + look, K::Image, "PnlLePoint");

    for (const char* name : {"PnParaDeb", "PnParaFin", "Pn3D"})
        declare(name, K::Panel, "GbxParaSurQuoi");
    for (const char* name : {"PnCoche3D", "Pn3Ddeb", "Pn3Dfin"})
        declare(name, K::Panel, "Pn3D");
    for (int i = 0; i < parameterCount; ++i) {
        const ParameterInfo& info = parameterInfo(i);
        const bool threeD = i >= static_cast<int>(Parameter::ThreeDX);
        declare(info.box, K::CheckBox, threeD ? "PnCoche3D" : "GbxParaSurQuoi");
        for (const char* edit : {info.startEdit, info.endEdit}) {
            const bool start = edit == info.startEdit;
            if (ControlState* s =
                    declare(edit, K::Edit,
                            threeD ? (start ? "Pn3Ddeb" : "Pn3Dfin") : (start ? "PnParaDeb" : "PnParaFin")))
                s->text = info.initialText;
        }
    }
    declare("ChBx3D", K::CheckBox, "Pn3D");
    for (const char* name : {"ChBxEgal", "ChBxCentreEgal"})
        if (ControlState* s = declare(name, K::CheckBox, "GbxParaSurQuoi")) s->checked = true;
    declare("ChBxAngleRotation", K::CheckBox, "GbxParaSurQuoi");
    if (ControlState* s = declare("RdgDecalage", K::RadioGroup, "GbxParaSurQuoi")) {
        s->items = QStringList{"angle tangente", "objet à l'origine"};
        s->itemIndex = 0;
        s->visible = false;
    }
    for (const char* name :
         {"LblVOpacity", "LblVZoomX", "LblVZoomY", "LblVRotation", "LblVCentreX", "LblVCentreY", "LblV3DX",
          "LblV3DY", "LblV3DZ", "LblAngleRelTang", "LblXY", "LbliValeursEnreg"})
        declare(name, K::Label, "GbxInfoParaPoint");
    declare("ShpPointActuel", K::Shape, "GbxInfoParaPoint");
    declare("LblRetour", K::Label, "TFparametres");
}

// The time step, the parameter step and the range chooser over a session,
// wired as the session will wire them: the host exchange writes the keypoint
// list and the object, the curve core reaches the steps through its hooks.
struct ParameterRig {
    struct Host : TimeLinesRefresh, KeypointListWriter, ObjectTextWriter {
        HostExchange& host;
        explicit Host(HostExchange& h) : host(h) {}
        void refreshTimes() override { host.refreshTimes(); }
        void rebuildKeyPointList() override { host.rebuildKeyPointList(); }
        void refreshPositions() override { host.refreshPositions(); }
        bool writeObjectText(const QStringList& source, int mode) override {
            return host.writeObjectText(source, mode);
        }
    };

    explicit ParameterRig(Session& s) : session(s) {
        declareParameterControls(s.controls());
        times.registerHandlers();
        panel.registerHandlers();
        chooser.registerHandlers();
        CurveHooks& h = s.hooks();
        CurveDocument& doc = s.document();
        h.initialiseTimes = [this] { times.initialiseTimes(); };
        h.keepTimes = [this] { times.keepTimes(); };
        h.buildTangentTable = [this] { step.buildTangentTable(); };
        h.updateAngleOffsets = [this] { step.updateAngleOffsets(); };
        h.showTimeControls = [this] {
            times.prepareTimeControls();
            chooser.cursorMoved();
        };
        h.totalTimeText = [this] { return times.totalText(); };
        h.parametersDone = [this] { chooser.finish(); };
        h.parametersDoneEnabled = [&s] { return s.controls().enabled("LblParaFini"); };
        h.cancelParameterEdit = [this] { chooser.leaveParameterStep(); };
        h.restoreParameterStep = [this] { chooser.restoreParameterStep(); };
        h.redrawKeypointMarkers = [this] { chooser.redrawMarks(); };
        h.tangentDisplayOn = [&doc] { return doc.parameters.tangentShown; };
        h.currentKeypoint = [&doc] { return doc.range.shownKeypoint; };
        h.setCurrentTangentAngle = [&doc](double a) { doc.parameters.angles.currentTangentAngle = a; };
    }

    Session& session;
    Context ctx{session.document(), session.controls(), session.services(), session.canvas()};
    Host host{session.host()};
    KeypointTimes times{ctx, session.workflow(), host};
    ParameterStep step{ctx, session.curveView(), host};
    ParameterPanel panel{ctx, step};
    RangeChooser chooser{ctx, session.curveView(), times, step, panel, host};
};

} // namespace trajecta
