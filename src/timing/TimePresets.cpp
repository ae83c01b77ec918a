#include "timing/TimePresets.h"

#include "core/Messages.h"
#include "platform/Colours.h"
#include "timing/KeypointTimes.h"
#include "timing/PresetMath.h"
#include "timing/RangeCancel.h"
#include "timing/TimeTable.h"

#include <algorithm>
#include <array>

namespace trajecta {

namespace {
const QString coarse = QStringLiteral("TbrVitGros");
const QString fine = QStringLiteral("TbrVitFin");
const QString extent = QStringLiteral("TbEtendueRalenti");
const QString side = QStringLiteral("RdgChoixRalenti");
const QString cursor = QStringLiteral("TbMontrePoint");
const QString applyButton = QStringLiteral("LblAppliquer");
const QString startButton = QStringLiteral("LblVarDep");
const QString cancelButton = QStringLiteral("LblVarAnnule");
const QString saveButton = QStringLiteral("LblVarSave");

const std::array<TextPair, 3> titles{{
    {QStringLiteral("Réglage du temps global pour durée constante entre les points"),
     QStringLiteral("Setting  the overall time with constant duration between points")},
    {QStringLiteral("Réglage du temps global pour déplacement à vitesse constante"),
     QStringLiteral("Setting the overall time to move at constant speed")},
    {QStringLiteral("Augmenter ou diminuer le temps de l'animation (proportionnel)"),
     QStringLiteral("Increase or decrease the duration of the animation (proportional)")},
}};
const TextPair slowDownTitle{QStringLiteral("Choisir un ralenti, l'appliquer et terminer par enregistrer"),
                             QStringLiteral("Choose a slow down, apply and finish with save")};
const std::array<TextPair, 2> slowDownSides{{
    {QStringLiteral("le ralenti commence au premier point"),
     QStringLiteral("the slow down start at the first point")},
    {QStringLiteral("le ralenti se termine au dernier point"),
     QStringLiteral("the slow down ends at the last point")},
}};
const std::array<TextPair, 2> slowDownChoices{{
    {QStringLiteral("choisissez où il doit se terminer"), QStringLiteral("choose where it should end")},
    {QStringLiteral("choisissez où il commence"), QStringLiteral("choose where to begin to do")},
}};
const TextPair applyLabel{QStringLiteral("Appliquer"), QStringLiteral("Apply")};
const TextPair strengthTitle{QStringLiteral(" Intensité du ralenti "),
                             QStringLiteral(" intensity of slow down ")};
constexpr std::array<int, 3> intensities{3, 6, 9};
} // namespace

TimePresets::TimePresets(Context& ctx, KeypointTimes& times) : ctx_(ctx), times_(times) {}

void TimePresets::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onClick(QStringLiteral("LblChoixTemps"), [this] { openOptions(); });
    c.onClick(QStringLiteral("LblTempsConstant"), [this] { chooseConstantTime(); });
    c.onClick(QStringLiteral("LblVitConstante"), [this] { chooseConstantSpeed(); });
    c.onClick(QStringLiteral("LblAllerAAuRalenti"), [this] { chooseSlowDown(); });
    c.onClick(QStringLiteral("LblChoixProportionnel"), [this] { chooseProportional(); });
    c.onClick(QStringLiteral("LblTempsPerso"), [this] { cancel(); });
    c.onChange(coarse, [this] { slidersChanged(); });
    c.onChange(fine, [this] { slidersChanged(); });
    c.onClick(side, [this] { slowDownSideChosen(); });
    c.onChange(extent, [this] { slowDownExtentChanged(); });
    c.onClick(QStringLiteral("RdgbxRalForce"), [this] { slowDownIntensityChosen(); });
    c.onClick(applyButton, [this] { applyChosenSlowDown(); });
}

// The cancel runs before the list is shown: cancelling an open preset closes
// the list, which would otherwise stay closed.
void TimePresets::openOptions() {
    Controls& c = ctx_.controls;
    if (c.enabled(cancelButton) && chooser_ != nullptr) chooser_->cancelRange();
    c.hide(QStringLiteral("PnlVitConst"));
    c.hide(QStringLiteral("PnlFaireRalenti"));
    c.show(QStringLiteral("PnlTempsConstant"));
    c.show(QStringLiteral("PnlTempsPerso"));
    c.show(QStringLiteral("PnlOptionsTemps"));
    c.setEnabled(cancelButton, true);
    setSaving(false);
    c.setEnabled(startButton, false);
    measureDistances(ctx_.doc.curve, ctx_.doc.presets);
    ctx_.doc.timeEdit.timeMode = TimeMode::Options;
}

void TimePresets::choosePanel(TimeMode mode, int titleIndex) {
    Controls& c = ctx_.controls;
    ctx_.doc.timeEdit.timeMode = mode;
    ctx_.doc.presets.titleIndex = titleIndex;
    showTitle();
    for (const char* panel : {"PnlTempsDebFin", "PnlTempsConstant", "PnlTempsPerso", "PnlFaireRalenti"})
        c.hide(QString::fromLatin1(panel));
    c.show(QStringLiteral("PnlVitConst"));
    c.setEnabled(cancelButton, true);
}

// Each slider preset applies the setting its sliders show when it opens, also
// when setting the sliders moved nothing: the times then always match the
// sliders and the line that "Enregistrer" writes.
void TimePresets::chooseConstantTime() {
    choosePanel(TimeMode::ConstantTime, 0);
    setCoarseMax(constantTimeCoarseMax(ctx_.doc.curve.sampleCount));
    ctx_.controls.setPosition(coarse, ctx_.controls.get(coarse).max / 10);
    slidersChanged();
    setSaving(true);
}

void TimePresets::chooseConstantSpeed() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    choosePanel(TimeMode::ConstantSpeed, 1);
    if (doc.workflow.replayingFile) {
        applySpeedCoefficient(doc.timing.keypointTimes, p.sampleDistances, p.distanceMin, p.speedCoefficient);
        refreshLabels();
    } else {
        p.speedCoefficient = defaultSpeedCoefficient(p.sampleDistances, p.distanceMin, doc.curve.sampleCount);
        setCoarseMax(p.speedCoefficient / 20);
        ctx_.controls.setPosition(coarse, ctx_.controls.get(coarse).max / 10);
        slidersChanged();
    }
    setSaving(true);
}

void TimePresets::chooseSlowDown() {
    Controls& c = ctx_.controls;
    TimePresetState& p = ctx_.doc.presets;
    p.slowDownApplied = false;
    p.slowDownRecordMark = static_cast<int>(ctx_.doc.lists.LbxColTemps.size());
    c.setEnabled(cancelButton, true);
    c.setItemIndex(side, 0);
    c.hide(QStringLiteral("PnlEtendueRalenti"));
    c.setEnabled(QStringLiteral("LblParaFini"), false);
    c.setEnabled(QStringLiteral("LblEtapeApres"), false);
    c.setCaption(QStringLiteral("LbliTitreRalenti"), slowDownTitle.in(ctx_.language()));
    c.show(QStringLiteral("PnlFaireRalenti"));
    ctx_.doc.timeEdit.timeMode = TimeMode::SlowDown;
}

void TimePresets::chooseProportional() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    Controls& c = ctx_.controls;
    choosePanel(TimeMode::Proportional, 2);
    p.proportionalSnapshot.clear();
    for (const KeypointTime& row : doc.timing.keypointTimes)
        p.proportionalSnapshot.push_back(row.inUse);
    const ProportionalSetup s = setupProportional(p.proportionalSnapshot);
    p.proportionalOffset = s.offset;
    p.proportionalMax = s.max;
    p.proportionalStep = s.step;
    c.setMin(coarse, 1);
    c.setMax(coarse, 100);
    c.setPosition(coarse, 3);
    c.setMin(fine, 0);
    c.setMax(fine, 30);
    c.setPosition(fine, 15);
    c.setPosition(coarse, 100 / 10);
    setSaving(true);
}

void TimePresets::slidersChanged() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const int gross = ctx_.controls.position(coarse);
    const int detail = ctx_.controls.position(fine);
    switch (doc.timeEdit.timeMode) {
    case TimeMode::ConstantTime:
        // A gap of 0 would put two keypoints at the same time.
        p.constantGap = std::max(1, gross * 20 + detail);
        applyConstantGap(times, p.constantGap);
        break;
    case TimeMode::ConstantSpeed:
        p.speedCoefficient = gross * 20 + detail;
        applySpeedCoefficient(times, p.sampleDistances, p.distanceMin, p.speedCoefficient);
        break;
    case TimeMode::Proportional:
        p.proportionalFactor = proportionalFactor(gross, detail, p.proportionalStep);
        applyProportional(times, p.proportionalSnapshot, p.proportionalFactor, p.proportionalOffset);
        break;
    default:
        return;
    }
    refreshLabels();
}

void TimePresets::slowDownSideChosen() {
    Controls& c = ctx_.controls;
    const int item = c.itemIndex(side);
    c.setEnabled(applyButton, true);
    if (item != 1 && item != 2) {
        c.hide(QStringLiteral("PnlEtendueRalenti"));
        c.hide(QStringLiteral("PnlAppliquer"));
        enableCursor(true);
        return;
    }
    const bool atEnd = item == 2;
    c.setCaption(QStringLiteral("LbliRalDebOuFin"), slowDownSides[atEnd ? 1 : 0].in(ctx_.language()));
    c.setCaption(QStringLiteral("LbliChoixDebutOuFin"), slowDownChoices[atEnd ? 1 : 0].in(ctx_.language()));
    enableCursor(false);
    c.show(QStringLiteral("PnlEtendueRalenti"));
    c.show(QStringLiteral("PnlAppliquer"));

    // The extent keeps at least one keypoint to spread over; a curve too
    // short for the usual range gets the keypoints it has, and one with none
    // cannot be slowed down.
    const int count = ctx_.doc.curve.sampleCount;
    const int lowest = atEnd ? 1 : 2;
    const int highest = atEnd ? count - 2 : count - 1;
    if (highest < lowest) {
        c.setEnabled(applyButton, false);
        return;
    }
    int lo = atEnd ? count / 3 : 3;
    int hi = atEnd ? count - 4 : count / 2;
    hi = std::clamp(std::max(hi, lo), lowest, highest);
    lo = std::clamp(lo, lowest, hi);
    if (atEnd) {
        c.setMax(extent, hi);
        c.setMin(extent, lo);
    } else {
        c.setMin(extent, lo);
        c.setMax(extent, hi);
    }
    c.setPosition(extent, lo + (hi - lo) / 2);
    c.setPosition(cursor, c.position(extent));
}

void TimePresets::slowDownExtentChanged() {
    if (ctx_.doc.timeEdit.timeMode == TimeMode::SlowDown)
        ctx_.controls.setPosition(cursor, ctx_.controls.position(extent));
}

void TimePresets::slowDownIntensityChosen() {
    const int item = ctx_.controls.itemIndex(QStringLiteral("RdgbxRalForce"));
    if (item >= 0 && item < static_cast<int>(intensities.size()))
        ctx_.doc.presets.slowDownIntensity = intensities[static_cast<size_t>(item)];
}

void TimePresets::applyChosenSlowDown() {
    Controls& c = ctx_.controls;
    slowDownIntensityChosen();
    const int item = c.itemIndex(side);
    if (item == 1 || item == 2)
        applySlowDown(item == 2, c.position(extent), ctx_.doc.presets.slowDownIntensity);
    c.setEnabled(applyButton, false);
}

bool TimePresets::applySlowDown(bool atEnd, int k, int intensity) {
    CurveDocument& doc = ctx_.doc;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const std::vector<int>& distances = doc.presets.sampleDistances;
    const bool applied = atEnd ? slowDownAtEnd(times, distances, k, intensity)
                               : slowDownAtStart(times, distances, k, intensity);
    if (!applied) return false;
    doc.presets.slowDownIntensity = intensity;
    ctx_.controls.setEnabled(saveButton, true);
    doc.lists.LbxColTemps << slowDownRecordLine(atEnd, k, intensity);
    doc.presets.slowDownApplied = true;
    refreshLabels();
    return true;
}

void TimePresets::setConstantGap(int gap) {
    ctx_.doc.presets.constantGap = gap;
    applyConstantGap(ctx_.doc.timing.keypointTimes, gap);
    refreshLabels();
}

void TimePresets::supplySpeedCoefficient(int coefficient) {
    ctx_.doc.presets.speedCoefficient = coefficient;
}

void TimePresets::replayProportional(Extended factor, Extended offset, Extended max) {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    p.proportionalSnapshot.clear();
    for (const KeypointTime& row : doc.timing.keypointTimes)
        p.proportionalSnapshot.push_back(row.inUse);
    p.proportionalFactor = factor;
    p.proportionalOffset = offset;
    p.proportionalMax = max;
    applyProportional(doc.timing.keypointTimes, p.proportionalSnapshot, factor, offset);
    doc.timeEdit.timeMode = TimeMode::Proportional;
    refreshLabels();
}

void TimePresets::record() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    TimeEditState& t = doc.timeEdit;
    const TimePresetState& p = doc.presets;
    QStringList& lines = doc.lists.LbxColTemps;
    const TimeMode mode = t.timeMode;
    if (mode == TimeMode::Options || mode == TimeMode::Personal) return;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    for (KeypointTime& row : times)
        row.committed = row.inUse;
    times_.recordFirstTime();
    if (mode == TimeMode::ConstantTime || mode == TimeMode::ConstantSpeed) {
        t.timeRecordCount = 1;
        if (lines.size() > 2) lines.erase(lines.begin() + 2, lines.end());
        lines << rangeRecordLine(1, static_cast<int>(times.size()) - 1, mode);
        if (mode == TimeMode::ConstantTime) {
            lines << constantTimeRecordLine(times.size() > 1 ? times[1].committed : p.constantGap);
            c.setColour(QStringLiteral("ShpTemoin"), colours::green);
        } else {
            lines << speedRecordLine(p.speedCoefficient, p.distanceSum, p.distanceMin, p.distanceMax);
            c.setColour(QStringLiteral("ShpTemoin"), colours::lime);
        }
    } else if (mode == TimeMode::SlowDown) {
        enableCursor(true);
        c.setColour(QStringLiteral("ShpTemoin"), colours::blue);
    } else {
        lines << proportionalRecordLine(p.proportionalFactor, p.proportionalOffset, p.proportionalMax,
                                        ctx_.services.system.decimalSeparator());
    }
    c.setCaption(QStringLiteral("LblQpara"), QString::number(t.timeRecordCount));
    c.hide(QStringLiteral("PnlVitConst"));
    closeOptions();
    doc.workflow.timesDirty = true;
}

void TimePresets::cancel() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const TimeMode mode = doc.timeEdit.timeMode;
    if (mode == TimeMode::Personal) return;
    if (mode == TimeMode::ConstantTime || mode == TimeMode::ConstantSpeed || mode == TimeMode::SlowDown) {
        ctx_.controls.hide(QStringLiteral("PnlVitConst"));
        closeOptions();
        for (KeypointTime& row : times)
            row.inUse = row.committed;
        if (p.slowDownApplied) {
            QStringList& lines = doc.lists.LbxColTemps;
            const qsizetype mark = std::clamp<qsizetype>(p.slowDownRecordMark, 0, lines.size());
            lines.erase(lines.begin() + mark, lines.end());
            p.slowDownApplied = false;
        }
        enableCursor(true);
    } else if (mode == TimeMode::Proportional) {
        const size_t rows = std::min(times.size(), p.proportionalSnapshot.size());
        for (size_t i = 0; i < rows; ++i)
            times[i].inUse = p.proportionalSnapshot[i];
        closeOptions();
    } else {
        closeOptions();
    }
    times_.dropFirstTime();
    refreshLabels();
}

void TimePresets::showTexts() {
    Controls& c = ctx_.controls;
    const int language = ctx_.language();
    showTitle();
    const int item = c.itemIndex(side);
    // The side texts belong to a chosen side; "rien" leaves them as they are.
    if (item == 1 || item == 2) {
        c.setCaption(QStringLiteral("LbliRalDebOuFin"), slowDownSides[item == 2 ? 1 : 0].in(language));
        c.setCaption(QStringLiteral("LbliChoixDebutOuFin"), slowDownChoices[item == 2 ? 1 : 0].in(language));
    }
    c.setCaption(applyButton, applyLabel.in(language));
    c.setCaption(QStringLiteral("LbliTitreRalenti"), slowDownTitle.in(language));
    c.setCaption(QStringLiteral("RdgbxRalForce"), strengthTitle.in(language));
}

void TimePresets::showTitle() {
    const int index = std::clamp(ctx_.doc.presets.titleIndex, 0, static_cast<int>(titles.size()) - 1);
    ctx_.controls.setCaption(QStringLiteral("LblindicReglage"),
                             titles[static_cast<size_t>(index)].in(ctx_.language()));
}

// The option list closes and the range buttons are back in use.
void TimePresets::closeOptions() {
    Controls& c = ctx_.controls;
    c.hide(QStringLiteral("PnlOptionsTemps"));
    c.setEnabled(startButton, true);
    c.setEnabled(saveButton, false);
    c.setEnabled(cancelButton, false);
    c.setEnabled(QStringLiteral("LblParaFini"), true);
    c.setEnabled(QStringLiteral("LblEtapeApres"), true);
    ctx_.doc.timeEdit.timeMode = TimeMode::Personal;
}

void TimePresets::enableCursor(bool enabled) {
    for (const char* name : {"TbMontrePoint", "ImgFG_haut", "ImgCentreHaut", "ImgFD_haut"})
        ctx_.controls.setEnabled(QString::fromLatin1(name), enabled);
}

void TimePresets::setSaving(bool saving) {
    Controls& c = ctx_.controls;
    c.setEnabled(saveButton, saving);
    c.setEnabled(QStringLiteral("LblParaFini"), !saving);
    c.setEnabled(QStringLiteral("LblEtapeApres"), !saving);
}

// The coarse slider never gets a maximum below its minimum.
void TimePresets::setCoarseMax(int max) {
    ctx_.controls.setMax(coarse, std::max(max, ctx_.controls.get(coarse).min));
}

void TimePresets::refreshLabels() {
    ctx_.controls.setCaption(QStringLiteral("LblTempsTotalVue"), times_.totalText());
    const int shown = ctx_.doc.range.shownKeypoint;
    if (shown >= 0) times_.showKeypointTime(shown);
}

} // namespace trajecta
