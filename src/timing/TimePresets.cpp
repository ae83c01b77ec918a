#include "timing/TimePresets.h"

#include "core/Messages.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"
#include "platform/Numbers.h"
#include "timing/KeypointTimes.h"
#include "timing/PresetMath.h"
#include "timing/RangeTarget.h"
#include "timing/TimeTable.h"

#include <algorithm>
#include <array>
#include <limits>

namespace trajecta {

namespace {

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
    c.onClick(ids::LblChoixTemps, [this] { openOptions(); });
    c.onClick(ids::LblTempsConstant, [this] { chooseConstantTime(); });
    c.onClick(ids::LblVitConstante, [this] { chooseConstantSpeed(); });
    c.onClick(ids::LblAllerAAuRalenti, [this] { chooseSlowDown(); });
    c.onClick(ids::LblChoixProportionnel, [this] { chooseProportional(); });
    c.onClick(ids::LblTempsPerso, [this] { cancel(); });
    c.onChange(ids::TbrVitGros, [this] { slidersChanged(); });
    c.onChange(ids::TbrVitFin, [this] { slidersChanged(); });
    c.onChange(ids::EdtDureeTotale, [this] { totalTyped(); });
    c.setKeyFilter(ids::EdtDureeTotale, rangeKeyAccepted);
    c.onClick(ids::RdgChoixRalenti, [this] { slowDownSideChosen(); });
    c.onChange(ids::TbEtendueRalenti, [this] { slowDownExtentChanged(); });
    c.onClick(ids::RdgbxRalForce, [this] { slowDownIntensityChosen(); });
    c.onClick(ids::LblAppliquer, [this] { applyChosenSlowDown(); });
}

// The cancel runs before the list is shown: cancelling an open preset closes
// the list, which would otherwise stay closed.
void TimePresets::openOptions() {
    Controls& c = ctx_.controls;
    if (c.enabled(ids::LblVarAnnule)) cursor_->cancelRange();
    c.hide(ids::PnlVitConst);
    c.hide(ids::PnlFaireRalenti);
    c.show(ids::PnlTempsConstant);
    c.show(ids::PnlTempsPerso);
    c.show(ids::PnlOptionsTemps);
    c.setEnabled(ids::LblVarAnnule, true);
    setSaving(false);
    c.setEnabled(ids::LblVarDep, false);
    measureDistances(ctx_.doc.curve, ctx_.doc.presets);
    ctx_.doc.timeEdit.timeMode = TimeMode::Options;
}

void TimePresets::choosePanel(TimeMode mode, int titleIndex) {
    Controls& c = ctx_.controls;
    ctx_.doc.timeEdit.timeMode = mode;
    ctx_.doc.presets.titleIndex = titleIndex;
    showTitle();
    for (AnyControlId panel :
         AnyControlIds{ids::PnlTempsDebFin, ids::PnlTempsConstant, ids::PnlTempsPerso, ids::PnlFaireRalenti})
        c.hide(panel);
    c.show(ids::PnlVitConst);
    c.setEnabled(ids::LblVarAnnule, true);
}

// Each slider preset applies the setting its sliders show when it opens, also
// when setting the sliders moved nothing: the times then always match the
// sliders and the line that "Enregistrer" writes.
void TimePresets::chooseConstantTime() {
    choosePanel(TimeMode::ConstantTime, 0);
    showTotalField(true);
    setCoarseMax(constantTimeCoarseMax(ctx_.doc.curve.sampleCount));
    ctx_.controls.setPosition(ids::TbrVitGros, ctx_.controls.get(ids::TbrVitGros).max / 10);
    slidersChanged();
    setSaving(true);
}

void TimePresets::chooseConstantSpeed() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    choosePanel(TimeMode::ConstantSpeed, 1);
    showTotalField(true);
    if (doc.workflow.replayingFile) {
        applySpeedCoefficient(doc.timing.keypointTimes, p.sampleDistances, p.distanceMin, p.speedCoefficient);
        refreshLabels();
    } else {
        p.speedCoefficient = defaultSpeedCoefficient(p.sampleDistances, p.distanceMin, doc.curve.sampleCount);
        setCoarseMax(p.speedCoefficient / 20);
        ctx_.controls.setPosition(ids::TbrVitGros, ctx_.controls.get(ids::TbrVitGros).max / 10);
        slidersChanged();
    }
    setSaving(true);
}

void TimePresets::chooseSlowDown() {
    Controls& c = ctx_.controls;
    TimePresetState& p = ctx_.doc.presets;
    p.slowDownApplied = false;
    p.slowDownRecordMark = static_cast<int>(ctx_.doc.lists.LbxColTemps.size());
    c.setEnabled(ids::LblVarAnnule, true);
    c.setItemIndex(ids::RdgChoixRalenti, 0);
    c.hide(ids::PnlEtendueRalenti);
    c.setEnabled(ids::LblParaFini, false);
    c.setEnabled(ids::LblEtapeApres, false);
    c.setCaption(ids::LbliTitreRalenti, slowDownTitle.in(ctx_.language()));
    c.show(ids::PnlFaireRalenti);
    ctx_.doc.timeEdit.timeMode = TimeMode::SlowDown;
}

void TimePresets::chooseProportional() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    Controls& c = ctx_.controls;
    choosePanel(TimeMode::Proportional, 2);
    showTotalField(false);
    p.proportionalSnapshot.clear();
    for (const KeypointTime& row : doc.timing.keypointTimes)
        p.proportionalSnapshot.push_back(row.inUse);
    const ProportionalSetup s = setupProportional(p.proportionalSnapshot);
    p.proportionalOffset = s.offset;
    p.proportionalMax = s.max;
    p.proportionalStep = s.step;
    c.setMin(ids::TbrVitGros, 1);
    c.setMax(ids::TbrVitGros, 100);
    c.setPosition(ids::TbrVitGros, 3);
    c.setMin(ids::TbrVitFin, 0);
    c.setMax(ids::TbrVitFin, 30);
    c.setPosition(ids::TbrVitFin, 15);
    c.setPosition(ids::TbrVitGros, 100 / 10);
    setSaving(true);
}

void TimePresets::slidersChanged() {
    CurveDocument& doc = ctx_.doc;
    TimePresetState& p = doc.presets;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const int gross = ctx_.controls.position(ids::TbrVitGros);
    const int detail = ctx_.controls.position(ids::TbrVitFin);
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
    const int item = c.itemIndex(ids::RdgChoixRalenti);
    c.setEnabled(ids::LblAppliquer, true);
    if (item != 1 && item != 2) {
        c.hide(ids::PnlEtendueRalenti);
        c.hide(ids::PnlAppliquer);
        enableCursor(true);
        return;
    }
    const bool atEnd = item == 2;
    c.setCaption(ids::LbliRalDebOuFin, slowDownSides[atEnd ? 1 : 0].in(ctx_.language()));
    c.setCaption(ids::LbliChoixDebutOuFin, slowDownChoices[atEnd ? 1 : 0].in(ctx_.language()));
    enableCursor(false);
    c.show(ids::PnlEtendueRalenti);
    c.show(ids::PnlAppliquer);

    // The extent keeps at least one keypoint to spread over; a curve too
    // short for the usual range gets the keypoints it has, and one with none
    // cannot be slowed down.
    const int count = ctx_.doc.curve.sampleCount;
    const int lowest = atEnd ? 1 : 2;
    const int highest = atEnd ? count - 2 : count - 1;
    if (highest < lowest) {
        c.setEnabled(ids::LblAppliquer, false);
        return;
    }
    int lo = atEnd ? count / 3 : 3;
    int hi = atEnd ? count - 4 : count / 2;
    hi = std::clamp(std::max(hi, lo), lowest, highest);
    lo = std::clamp(lo, lowest, hi);
    if (atEnd) {
        c.setMax(ids::TbEtendueRalenti, hi);
        c.setMin(ids::TbEtendueRalenti, lo);
    } else {
        c.setMin(ids::TbEtendueRalenti, lo);
        c.setMax(ids::TbEtendueRalenti, hi);
    }
    c.setPosition(ids::TbEtendueRalenti, lo + (hi - lo) / 2);
    cursor_->moveCursor(c.position(ids::TbEtendueRalenti));
}

void TimePresets::slowDownExtentChanged() {
    if (ctx_.doc.timeEdit.timeMode == TimeMode::SlowDown)
        cursor_->moveCursor(ctx_.controls.position(ids::TbEtendueRalenti));
}

void TimePresets::slowDownIntensityChosen() {
    const int item = ctx_.controls.itemIndex(ids::RdgbxRalForce);
    if (item >= 0 && item < static_cast<int>(intensities.size()))
        ctx_.doc.presets.slowDownIntensity = intensities[static_cast<size_t>(item)];
}

void TimePresets::applyChosenSlowDown() {
    Controls& c = ctx_.controls;
    slowDownIntensityChosen();
    const int item = c.itemIndex(ids::RdgChoixRalenti);
    if (item == 1 || item == 2)
        applySlowDown(item == 2, c.position(ids::TbEtendueRalenti), ctx_.doc.presets.slowDownIntensity);
    c.setEnabled(ids::LblAppliquer, false);
}

bool TimePresets::applySlowDown(bool atEnd, int k, int intensity) {
    CurveDocument& doc = ctx_.doc;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const std::vector<int>& distances = doc.presets.sampleDistances;
    const bool applied = atEnd ? slowDownAtEnd(times, distances, k, intensity)
                               : slowDownAtStart(times, distances, k, intensity);
    if (!applied) return false;
    doc.presets.slowDownIntensity = intensity;
    ctx_.controls.setEnabled(ids::LblVarSave, true);
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
            c.setColour(ids::ShpTemoin, colours::green);
        } else {
            lines << speedRecordLine(p.speedCoefficient, p.distanceSum, p.distanceMin, p.distanceMax);
            c.setColour(ids::ShpTemoin, colours::lime);
        }
    } else if (mode == TimeMode::SlowDown) {
        enableCursor(true);
        c.setColour(ids::ShpTemoin, colours::blue);
    } else {
        lines << proportionalRecordLine(p.proportionalFactor, p.proportionalOffset, p.proportionalMax,
                                        ctx_.services.system.decimalSeparator());
    }
    c.setCaption(ids::LblQpara, QString::number(t.timeRecordCount));
    c.hide(ids::PnlVitConst);
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
        ctx_.controls.hide(ids::PnlVitConst);
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
    const int item = c.itemIndex(ids::RdgChoixRalenti);
    // The side texts belong to a chosen side; "rien" leaves them as they are.
    if (item == 1 || item == 2) {
        c.setCaption(ids::LbliRalDebOuFin, slowDownSides[item == 2 ? 1 : 0].in(language));
        c.setCaption(ids::LbliChoixDebutOuFin, slowDownChoices[item == 2 ? 1 : 0].in(language));
    }
    c.setCaption(ids::LblAppliquer, applyLabel.in(language));
    c.setCaption(ids::LbliTitreRalenti, slowDownTitle.in(language));
    c.setCaption(ids::RdgbxRalForce, strengthTitle.in(language));
}

void TimePresets::showTitle() {
    const int index = std::clamp(ctx_.doc.presets.titleIndex, 0, static_cast<int>(titles.size()) - 1);
    ctx_.controls.setCaption(ids::LblindicReglage, titles[static_cast<size_t>(index)].in(ctx_.language()));
}

// The option list closes and the range buttons are back in use.
void TimePresets::closeOptions() {
    Controls& c = ctx_.controls;
    c.hide(ids::PnlOptionsTemps);
    c.setEnabled(ids::LblVarDep, true);
    c.setEnabled(ids::LblVarSave, false);
    c.setEnabled(ids::LblVarAnnule, false);
    c.setEnabled(ids::LblParaFini, true);
    c.setEnabled(ids::LblEtapeApres, true);
    ctx_.doc.timeEdit.timeMode = TimeMode::Personal;
}

void TimePresets::enableCursor(bool enabled) {
    for (AnyControlId name :
         AnyControlIds{ids::TbMontrePoint, ids::ImgFG_haut, ids::ImgCentreHaut, ids::ImgFD_haut})
        ctx_.controls.setEnabled(name, enabled);
}

void TimePresets::setSaving(bool saving) {
    Controls& c = ctx_.controls;
    c.setEnabled(ids::LblVarSave, saving);
    c.setEnabled(ids::LblParaFini, !saving);
    c.setEnabled(ids::LblEtapeApres, !saving);
}

// The coarse slider never gets a maximum below its minimum.
void TimePresets::setCoarseMax(int max) {
    ctx_.controls.setMax(ids::TbrVitGros, std::max(max, ctx_.controls.get(ids::TbrVitGros).min));
}

void TimePresets::showTotalField(bool shown) {
    ctx_.controls.setVisible(ids::PnlDureeTotale, shown);
}

// The total of the times the open preset makes with `setting` (gap or
// coefficient), the first time included.
int TimePresets::totalFor(int setting) const {
    const CurveDocument& doc = ctx_.doc;
    const TimePresetState& p = doc.presets;
    std::vector<KeypointTime> times = doc.timing.keypointTimes;
    if (doc.timeEdit.timeMode == TimeMode::ConstantTime)
        applyConstantGap(times, std::max(1, setting));
    else
        applySpeedCoefficient(times, p.sampleDistances, p.distanceMin, setting);
    return int(std::min<long long>(totalWorking(times), std::numeric_limits<int>::max()));
}

void TimePresets::totalTyped() {
    const TimeMode mode = ctx_.doc.timeEdit.timeMode;
    const std::optional<int> wanted = parseInteger(ctx_.controls.text(ids::EdtDureeTotale));
    if (!wanted || (mode != TimeMode::ConstantTime && mode != TimeMode::ConstantSpeed)) return;
    Controls& c = ctx_.controls;
    const ControlState& gross = c.get(ids::TbrVitGros);
    const ControlState& fine = c.get(ids::TbrVitFin);
    // The totals rise with the setting gross · 20 + fine: the nearest is found
    // by halving, then set through the sliders as the user would.
    int lo = gross.min * 20 + fine.min, hi = gross.max * 20 + fine.max;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (totalFor(mid) < *wanted)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo > gross.min * 20 + fine.min && *wanted - totalFor(lo - 1) <= totalFor(lo) - *wanted) --lo;
    const int g = std::clamp((lo - fine.min) / 20, gross.min, gross.max);
    typingTotal_ = true;
    c.setPosition(ids::TbrVitGros, g);
    c.setPosition(ids::TbrVitFin, std::clamp(lo - g * 20, fine.min, fine.max));
    typingTotal_ = false;
}

void TimePresets::refreshLabels() {
    ctx_.controls.setCaption(ids::LblTempsTotalVue, times_.totalText());
    // The field follows the sliders, but not while the user types in it.
    if (!typingTotal_ && ctx_.controls.visible(ids::PnlDureeTotale))
        ctx_.controls.setCaption(ids::EdtDureeTotale,
                                 QString::number(totalWorking(ctx_.doc.timing.keypointTimes)));
    const int shown = ctx_.doc.range.shownKeypoint;
    if (shown >= 0) times_.showKeypointTime(shown);
}

} // namespace trajecta
