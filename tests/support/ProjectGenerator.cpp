#include "support/ProjectGenerator.h"

#include "parameters/ParameterRecord.h"
#include "support/ScriptHarness.h"

#include <numeric>

namespace trajecta {

namespace {

const std::array<QSize, 4> windows{QSize(1264, 680), QSize(1366, 768), QSize(1920, 1050), QSize(1366, 787)};

} // namespace

ProjectGenerator::ProjectGenerator(unsigned seed, UserSession& user) : u_(user), random_(seed) {}

QSize ProjectGenerator::windowFor(unsigned seed) {
    return windows[seed % windows.size()];
}

std::vector<unsigned> ProjectGenerator::seeds(const char* firstName, const char* countName, unsigned count) {
    const unsigned first = unsigned(qEnvironmentVariableIntValue(firstName));
    const unsigned wanted = unsigned(qEnvironmentVariableIntValue(countName));
    std::vector<unsigned> all(wanted > 0 ? wanted : count);
    std::iota(all.begin(), all.end(), first);
    return all;
}

QString ProjectGenerator::objectFor(unsigned seed) {
    QString text = testData(QStringLiteral("host_object_in.txt"));
    if (seed % 3 == 0) {
        // Equal zooms and centres: the "Egaux" boxes come ticked with the object.
        text.replace(QLatin1String("ScaleY=120"), QLatin1String("ScaleY=150"));
        text.replace(QLatin1String("CenterPos=5,-5"), QLatin1String("CenterPos=5,5"));
    }
    return text;
}

void ProjectGenerator::build(const std::function<void()>& recorded) {
    drawCurve();
    for (int r = pick(1, 4); r > 0; --r) {
        const int kind = pick(1, 10);
        if (kind <= 2)
            firstTime();
        else if (kind <= 6)
            timeRange();
        else
            preset();
        recorded();
    }
    // A first time left typed keeps "Terminé" off until it is recorded.
    if (!u_.c().enabled(QStringLiteral("LblParaFini"))) u_.click(QStringLiteral("LblVarSave"));
    u_.click(QStringLiteral("LblParaFini"));
    for (int r = pick(1, 4); r > 0; --r) {
        parameterRecord();
        recorded();
    }
}

ProjectGenerator::ExtrasChoices ProjectGenerator::extras() {
    ExtrasChoices x;
    x.reverse = chance(50);
    x.turn = pick(0, 1);
    x.remove = chance(60);
    const int count = u_.doc().curve.sampleCount;
    x.atStart = pick(0, count / 3);
    x.atEnd = pick(x.atStart == 0 ? 1 : 0, count / 3);
    x.retime = chance(50);
    return x;
}

void ProjectGenerator::ExtrasChoices::apply(UserSession& u) const {
    u.click(QStringLiteral("LblExtras"));
    u.set(QStringLiteral("ChbxInverserCourbe"), reverse ? 1 : 0);
    if (reverse) u.set(QStringLiteral("Rdg_inverse180_OuPas"), turn);
    u.set(QStringLiteral("ChBxSupKP"), remove ? 1 : 0);
    if (remove) {
        u.set(QStringLiteral("TbrSupDeb"), atStart);
        u.set(QStringLiteral("TbrSupFin"), atEnd);
        // Re-timing moves the first keypoint left: it is offered once one is deleted at the start.
        if (atStart > 0) u.set(QStringLiteral("ChBxRecalerTemps"), retime ? 1 : 0);
    }
    u.click(QStringLiteral("LblExtrasAppliquer"));
}

// A format, one to four parts, their sample counts, maybe closed, a handle
// dragged, maybe a frame, then "OK, courbe terminée".
void ProjectGenerator::drawCurve() {
    u_.set(QStringLiteral("RdgChoixEcran"), pick(0, 4));
    u_.click(QStringLiteral("LbCreation"));
    const int w = u_.doc().workflow.workWidth;
    const int h = u_.doc().workflow.workHeight;
    const int parts = pick(1, 4);
    for (int i = 0; i < 3 * parts + 1; ++i)
        u_.clickAt({pick(10, w - 10), pick(10, h - 10)});
    u_.click(QStringLiteral("LblStopMarquage"));
    for (int k = 1; k <= parts; ++k) {
        if (chance(50)) continue;
        const QString box = QStringLiteral("ChBx%1").arg(k);
        u_.set(box, 1);
        u_.set(QStringLiteral("TbrQPoints"), pick(2, 30));
        u_.set(box, 0);
    }
    if (chance(25)) u_.set(QStringLiteral("ChBxFermerCourbe"), 1);
    const QPoint handle = u_.doc().curve.controlPoints[size_t(pick(1, 2))];
    u_.drag(handle, handle + QPoint(pick(-30, 30), pick(-30, 30)));
    if (chance(50)) {
        u_.click(QStringLiteral("LblCadre"));
        u_.drag({pick(5, w / 3), pick(5, h / 3)}, {pick(w / 2, w - 5), pick(h / 2, h - 5)});
    }
    u_.click(QStringLiteral("LblOKcourbe"));
}

// A first keypoint time typed (now and then one the field refuses), recorded
// alone or left for the next record to take.
void ProjectGenerator::firstTime() {
    const QString text =
        chance(15) ? QStringLiteral("300001") : QString::number(pick(0, chance(30) ? 300000 : 5000));
    u_.type(QStringLiteral("EdtTemps1st"), text);
    // Recorded alone now and then; the same time as before has nothing to record.
    if (chance(50) && u_.c().enabled(QStringLiteral("LblVarSave"))) u_.click(QStringLiteral("LblVarSave"));
}

void ProjectGenerator::chooseRange(int first, int last) {
    u_.set(QStringLiteral("TbMontrePoint"), first);
    u_.click(QStringLiteral("LblVarDep"));
    u_.set(QStringLiteral("TbMontrePoint"), last);
    u_.click(QStringLiteral("LblVarFin"));
}

// A range of keypoints whose end texts are typed or left as "Fin" loaded them.
void ProjectGenerator::timeRange() {
    const int last = u_.doc().curve.sampleCount - 1;
    const int a = pick(1, last - 1);
    chooseRange(a, pick(a + 1, last));
    if (chance(70))
        u_.type(QStringLiteral("EdtTempsDeb"), QString::number(pick(1, chance(10) ? 45000 : 3000)));
    if (chance(70))
        u_.type(QStringLiteral("EdtTempsFin"), QString::number(pick(1, chance(10) ? 45000 : 3000)));
    u_.set(QStringLiteral("ChBxSpeedUp"), pick(0, 1));
    u_.click(QStringLiteral("LblVarSave"));
    if (u_.doc().range.rangeStart >= 0) u_.click(QStringLiteral("LblVarAnnule"));
}

void ProjectGenerator::slide(const QString& name) {
    const ControlState& s = u_.c().get(name);
    u_.set(name, pick(s.min, std::max(s.min, s.max)));
}

// One of the four presets with random settings, recorded.
void ProjectGenerator::preset() {
    u_.click(QStringLiteral("LblChoixTemps"));
    switch (pick(0, 3)) {
    case 0:
        u_.click(QStringLiteral("LblTempsConstant"));
        slide(QStringLiteral("TbrVitGros"));
        slide(QStringLiteral("TbrVitFin"));
        break;
    case 1:
        u_.click(QStringLiteral("LblVitConstante"));
        if (chance(70)) slide(QStringLiteral("TbrVitGros"));
        if (chance(50)) slide(QStringLiteral("TbrVitFin"));
        break;
    case 2:
        u_.click(QStringLiteral("LblChoixProportionnel"));
        slide(QStringLiteral("TbrVitGros"));
        slide(QStringLiteral("TbrVitFin"));
        break;
    default:
        u_.click(QStringLiteral("LblAllerAAuRalenti"));
        // One side, or both one after the other.
        const int first = pick(1, 2);
        const int sides = chance(50) ? 2 : 1;
        for (int i = 0; i < sides; ++i) {
            const int side = i == 0 ? first : 3 - first;
            u_.set(QStringLiteral("RdgChoixRalenti"), side);
            u_.set(QStringLiteral("RdgbxRalForce"), pick(0, 2));
            slide(QStringLiteral("TbEtendueRalenti"));
            u_.click(QStringLiteral("LblAppliquer"));
        }
        break;
    }
    u_.click(QStringLiteral("LblVarSave"));
    if (u_.doc().timeEdit.timeMode != TimeMode::Personal) u_.click(QStringLiteral("LblVarAnnule"));
}

// A number as a person types it: whole or with one or two decimals after a
// comma, negative now and then where the edit takes a minus.
QString ProjectGenerator::number(bool negative, bool positive, int hi) {
    QString text = QString::number(pick(positive ? 1 : 0, hi));
    if (chance(40)) text += QLatin1Char(',') + QString::number(pick(1, 99));
    if (negative && chance(30)) text.prepend(QLatin1Char('-'));
    return text;
}

// The box of parameter `index` ticked; its texts are typed afterwards.
void ProjectGenerator::tick(int index) {
    u_.set(parameterInfo(index).box.str(), 1);
}

// Zoom or centre: X, Y or both, tied by "Egaux" or not.
void ProjectGenerator::tickPair(int xIndex, const QString& tie) {
    const bool tied = chance(50);
    u_.set(tie, tied ? 1 : 0);
    const int which = pick(0, 2);
    if (tied || which != 1) tick(xIndex);
    if (!tied && which != 0) tick(xIndex + 1);
}

// A range of step 5 with some of the nine parameters: their boxes ticked
// first (the tangent option reloads the edits on every tick), then the texts
// typed or left as loaded from the keypoints, then "Enregistrer".
void ProjectGenerator::parameterRecord() {
    const int last = u_.doc().curve.sampleCount - 1;
    const int a = pick(0, last - 1);
    chooseRange(a, pick(a + 1, last));
    if (chance(40)) tick(0);
    if (chance(40)) tickPair(1, QStringLiteral("ChBxEgal"));
    if (chance(40)) {
        tick(3);
        if (chance(50)) {
            u_.set(QStringLiteral("ChBxAngleRotation"), 1);
            u_.set(QStringLiteral("RdgDecalage"), pick(0, 1));
        }
    }
    if (chance(40)) tickPair(4, QStringLiteral("ChBxCentreEgal"));
    if (chance(30)) {
        u_.set(QStringLiteral("ChBx3D"), 1);
        for (int d = 6; d <= 8; ++d)
            if (chance(60)) tick(d);
    }
    const auto ticked = [&](int p) { return u_.c().get(parameterInfo(p).box.str()).checked; };
    bool any = false;
    for (int p = 0; p < parameterCount; ++p)
        any = any || ticked(p);
    if (!any) tick(0);
    struct Span {
        int hi;
        bool minus;
    };
    // Opacity, zoom X and Y, rotation, centre X and Y, 3D X, Y and Z.
    static const std::array<Span, parameterCount> spans{{{100, false},
                                                         {500, false},
                                                         {500, false},
                                                         {720, true},
                                                         {100, true},
                                                         {100, true},
                                                         {180, true},
                                                         {180, true},
                                                         {1000, true}}};
    for (int p = 0; p < parameterCount; ++p) {
        const ParameterInfo& info = parameterInfo(p);
        if (!ticked(p)) continue;
        for (EditId edit : {info.startEdit, info.endEdit}) {
            if (!chance(75)) continue;
            const Span span = spans[size_t(p)];
            u_.type(edit.str(), p == 0 ? QString::number(pick(0, span.hi))
                                       : number(span.minus, p == 1 || p == 2, span.hi));
        }
    }
    u_.click(QStringLiteral("LblVarSave"));
    if (u_.doc().range.rangeStart >= 0) u_.click(QStringLiteral("LblVarAnnule"));
}

} // namespace trajecta
