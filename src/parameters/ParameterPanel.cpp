#include "parameters/ParameterPanel.h"

#include "document/ControlIds.h"
#include "parameters/ParameterRecord.h"
#include "parameters/ParameterRecorder.h"
#include "platform/Numbers.h"
#include "timing/TimeTable.h"

#include <algorithm>

namespace trajecta {

namespace {
constexpr std::uint32_t relativeRotationColour = 12048127;
constexpr std::uint32_t plainRotationColour = 12058623;

CheckBoxId box(int p) {
    return parameterInfo(p).box;
}
EditId edit(int p, int column) {
    const ParameterInfo& info = parameterInfo(p);
    return column == 0 ? info.startEdit : info.endEdit;
}
constexpr int zoomX = static_cast<int>(Parameter::ZoomX);
constexpr int rotation = static_cast<int>(Parameter::Rotation);
constexpr int centreX = static_cast<int>(Parameter::CentreX);
constexpr int firstThreeD = static_cast<int>(Parameter::ThreeDX);

// The "Egaux" box that ties parameter p to its partner, if any.
std::optional<CheckBoxId> tieBox(int p) {
    if (p == zoomX || p == zoomX + 1) return ids::ChBxEgal;
    if (p == centreX || p == centreX + 1) return ids::ChBxCentreEgal;
    return std::nullopt;
}
int partner(int p) {
    return p == zoomX || p == centreX ? p + 1 : p - 1;
}

// Counts nested program changes for as long as it lives.
struct Nested {
    int& depth;
    explicit Nested(int& d) : depth(d) { ++depth; }
    ~Nested() { --depth; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;
};
} // namespace

ParameterPanel::ParameterPanel(Context& ctx, ParameterRecorder& step) : ctx_(ctx), step_(step) {}

void ParameterPanel::registerHandlers() {
    Controls& c = ctx_.controls;
    for (int p = 0; p < parameterCount; ++p) {
        c.onClick(box(p), [this, p] { boxClicked(p); });
        for (int column : {0, 1}) {
            const EditId name = edit(p, column);
            c.onChange(name, [this, name, p, column] { editChanged(name, p, column); });
            c.onKey(name, [this, name, p](const QString& keys) { clipboardKey(name, keys, p == 0); });
            if (p == 0) {
                c.setKeyFilter(name, opacityKeyAccepted);
                continue;
            }
            // Where a separator or a minus sign may go depends on the text
            // around the caret.
            const bool minus = tieBox(p) != ids::ChBxEgal;
            c.setKeyFilter(name, [this, minus](QChar ch, const QString& text, int caret) {
                return realKeyAccepted(ch, text, caret, minus, ctx_.services.system.decimalSeparator());
            });
        }
    }
    c.onClick(ids::ChBx3D, [this] { applyVisibility(); });
    c.onClick(ids::ChBxEgal, [this] { equalClicked(zoomX); });
    c.onClick(ids::ChBxCentreEgal, [this] { equalClicked(centreX); });
    c.onClick(ids::ChBxAngleRotation, [this] { tangentOption(); });
    c.onClick(ids::RdgDecalage, [this] { zeroChoice(); });
    for (EditId name : {ids::EdtTemps1st, ids::EdtTempsDeb, ids::EdtTempsFin})
        c.onKey(name, [this, name](const QString& keys) { clipboardKey(name, keys, true); });
}

bool ParameterPanel::active() const {
    return ctx_.doc.workflow.currentStep == Step::Parameters && !ctx_.doc.timeEdit.timeStepActive;
}

void ParameterPanel::boxClicked(int p) {
    Controls& c = ctx_.controls;
    const std::optional<CheckBoxId> tie = tieBox(p);
    if (tie && c.checked(*tie)) c.setChecked(box(partner(p)), c.checked(box(p)));
    applyVisibility();
}

// Ticking an "Egaux" box makes the pair equal, from X when X is ticked, else
// from Y when Y is.
void ParameterPanel::equalClicked(int x) {
    Controls& c = ctx_.controls;
    if (!c.checked(*tieBox(x))) return;
    int from = -1;
    if (c.checked(box(x)))
        from = x;
    else if (c.checked(box(x + 1)))
        from = x + 1;
    if (from < 0) return;
    const int to = partner(from);
    for (int column : {0, 1})
        setEditText(edit(to, column), c.text(edit(from, column)));
    c.setChecked(box(to), true);
}

void ParameterPanel::editChanged(EditId name, int p, int column) {
    Controls& c = ctx_.controls;
    ParameterState& state = ctx_.doc.parameters;
    if (p == 0) {
        opacityChanged(name, column == 0 ? state.lastOpacityStart : state.lastOpacityEnd);
    } else if (programChange_ == 0) {
        const std::optional<CheckBoxId> tie = tieBox(p);
        if (tie && c.checked(*tie)) setEditText(edit(partner(p), column), c.text(name));
    }
    validate();
}

void ParameterPanel::opacityChanged(EditId name, QString& lastText) {
    Controls& c = ctx_.controls;
    const QString text = c.text(name);
    if (opacityTextKept(text)) {
        lastText = text;
        return;
    }
    c.setText(name, lastText);
    c.setCaret(name, static_cast<int>(lastText.size()));
}

// Copying and cutting take the selection (an empty one copies nothing); a cut
// then empties the whole edit. A paste replaces the selection.
void ParameterPanel::clipboardKey(EditId name, const QString& keys, bool integer) {
    Controls& c = ctx_.controls;
    ClipboardService& clipboard = ctx_.services.clipboard;
    const ControlState& state = c.get(name);
    const QString text = state.text;
    const int from = std::min(state.anchor, state.caret);
    const int to = std::max(state.anchor, state.caret);
    const QString selected = text.mid(from, to - from);
    if (keys == QStringLiteral("Ctrl+C")) {
        if (!selected.isEmpty()) clipboard.setText(selected);
    } else if (keys == QStringLiteral("Ctrl+X")) {
        if (!selected.isEmpty()) clipboard.setText(selected);
        c.setText(name, QString());
    } else if (keys == QStringLiteral("Ctrl+V")) {
        const std::optional<QString> pasted = clipboard.text();
        if (!pasted) return;
        QString result = text.left(from) + *pasted + text.mid(to);
        // A paste that leaves no number is undone: text and caret stay.
        if (integer) {
            if (!wholeNumber(result)) return;
        } else {
            const std::optional<QString> real =
                pastedRealText(result, ctx_.services.system.decimalSeparator());
            if (!real) return;
            result = *real;
        }
        c.setText(name, result);
        c.setCaret(name, from + static_cast<int>(pasted->size()));
    }
}

void ParameterPanel::applyVisibility() {
    if (!active()) return;
    Controls& c = ctx_.controls;
    const KeypointRange& range = ctx_.doc.range;
    c.hide(ids::PnCoche3D);
    if (range.rangeStart >= 0) {
        showColumn(0);
    } else {
        c.hide(ids::PnParaDeb);
        c.hide(ids::Pn3Ddeb);
    }
    if (range.rangeEnd >= 0) {
        showColumn(1);
    } else {
        c.hide(ids::PnParaFin);
        c.hide(ids::Pn3Dfin);
    }
    validate();
}

void ParameterPanel::showColumn(int column) {
    Controls& c = ctx_.controls;
    for (int p = 0; p < firstThreeD; ++p)
        c.setVisible(edit(p, column), c.checked(box(p)));
    if (c.checked(ids::ChBxAngleRotation)) tangentOption();
    c.show(column == 0 ? ids::PnParaDeb : ids::PnParaFin);
    const PanelId threeD = column == 0 ? ids::Pn3Ddeb : ids::Pn3Dfin;
    if (c.checked(ids::ChBx3D)) {
        c.show(ids::PnCoche3D);
        for (int p = firstThreeD; p < parameterCount; ++p)
            c.setVisible(edit(p, column), c.checked(box(p)));
        c.show(threeD);
    } else {
        c.hide(threeD);
    }
}

void ParameterPanel::validate() {
    if (!active()) return;
    Controls& c = ctx_.controls;
    int ticked = 0;
    bool readable = true;
    // In the order of the parameters, stopping at the first unreadable one.
    for (int p = 0; p < parameterCount && readable; ++p) {
        if (!c.checked(box(p))) continue;
        ++ticked;
        const Parameter parameter = static_cast<Parameter>(p);
        readable = panelTextReadable(parameter, c.text(edit(p, 0))) &&
                   panelTextReadable(parameter, c.text(edit(p, 1)));
    }
    const bool valid = c.visible(ids::PnParaFin) && ticked > 0 && readable;
    c.setEnabled(ids::LblVarSave, valid);
    c.setEnabled(ids::LblParaFini, !valid);
    c.setEnabled(ids::LblEtapeApres, !valid);
    c.setCaption(ids::LblRetour, QStringLiteral("Valide=%1 Qcoches=%2").arg(valid ? -1 : 0).arg(ticked));
}

void ParameterPanel::tangentOption() {
    if (!active()) return;
    Controls& c = ctx_.controls;
    const CurveDocument& doc = ctx_.doc;
    const KeypointRange& range = doc.range;
    const bool on = c.checked(ids::ChBxAngleRotation);
    if (on) c.setChecked(box(rotation), true);
    if (!replaying_) {
        if (range.rangeStart >= 0) loadValues(range.rangeStart, 0);
        if (range.rangeEnd >= 0) loadValues(range.rangeEnd, 1);
        const int shown = range.rangeEnd >= 0 ? range.rangeEnd : range.rangeStart;
        if (shown >= 0) loadValues(shown, 2);
    }
    if (!on) {
        c.hide(ids::RdgDecalage);
        for (int column : {0, 1})
            c.setColour(edit(rotation, column), plainRotationColour);
        return;
    }
    c.show(ids::RdgDecalage);
    const AngleState& angles = doc.parameters.angles;
    for (int column : {0, 1}) {
        const int k = column == 0 ? range.rangeStart : range.rangeEnd;
        if (k < 0) continue;
        const EditId name = edit(rotation, column);
        c.setColour(name, relativeRotationColour);
        if (replaying_ || k >= static_cast<int>(angles.tangentAngles.size()) || k >= doc.keypoints.size())
            continue;
        const Extended stored = parseNumber(doc.keypoints.at(k).angle).value_or(0.0);
        const Extended relative = relativeRotation(angles, k, stored);
        setEditText(name,
                    formatFixed(static_cast<double>(relative), 2, ctx_.services.system.decimalSeparator()));
    }
}

void ParameterPanel::zeroChoice() {
    AngleState& angles = ctx_.doc.parameters.angles;
    angles.rotationShift = ctx_.controls.itemIndex(ids::RdgDecalage) == 1 ? angles.initialAngleOffset : 0;
    tangentOption();
}

void ParameterPanel::loadValues(int k, int target) {
    const Nested program(programChange_);
    step_.loadKeypointValues(k, target);
}

void ParameterPanel::setEditText(EditId name, const QString& text) {
    const Nested program(programChange_);
    ctx_.controls.setText(name, text);
}

} // namespace trajecta
