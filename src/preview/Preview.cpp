#include "preview/Preview.h"

#include "core/Messages.h"

#include "document/ControlIds.h"
#include "preview/PreviewFrame.h"
#include "timing/TimeTable.h"

#include <algorithm>
#include <limits>

namespace trajecta {

Preview::Preview(Context& ctx) : ctx_(ctx) {}

void Preview::registerHandlers() {
    ctx_.controls.onClick(ids::LblLecture, [this] { LblLectureClick(); });
    ctx_.controls.onChange(ids::TbLecture, [this] { TbLectureChange(); });
}

void Preview::refresh() {
    Controls& c = ctx_.controls;
    const CurveDocument& doc = ctx_.doc;
    showCaption();
    const Step step = doc.workflow.currentStep;
    const bool on = (step == Step::Times || step == Step::Parameters || step == Step::Finished) &&
                    doc.curve.sampleCount > 0 && !doc.pictures.work.isNull();
    if (!on) stop();
    c.setVisible(ids::PnlLecture, on);
    if (!on) return;
    const qint64 duration = pathDuration(keypointsInForce(doc, ctx_.services.system.decimalSeparator()));
    c.setMin(ids::TbLecture, 0);
    c.setMax(ids::TbLecture, static_cast<int>(std::min<qint64>(duration, std::numeric_limits<int>::max())));
    c.setCaption(ids::LblTempsLecture, formatDuration(c.position(ids::TbLecture)));
}

void Preview::showCaption() {
    static const TextPair play{QStringLiteral("Lecture"), QStringLiteral("Play")};
    static const TextPair pause{QStringLiteral("Pause"), QStringLiteral("Pause")};
    const TextPair& caption = playing_ ? pause : play;
    ctx_.controls.setCaption(ids::LblLecture, caption.in(ctx_.language()));
}

void Preview::start() {
    const CurveDocument& doc = ctx_.doc;
    path_ = readPath(keypointsInForce(doc, ctx_.services.system.decimalSeparator()));
    frame_ = referenceFrame(doc);
    name_ = objectName(doc.lists.LbxAcquiClipboard);
    // The work area may have changed since the last preview: copied whole.
    stale_ = ctx_.canvas.image().rect();
    showing_ = true;
    draw();
}

void Preview::draw() {
    state_ = objectState(valuesAt(path_, ctx_.controls.position(ids::TbLecture)), frame_);
    drawPreviewFrame(ctx_.canvas.image(), state_, picture_, stale_);
}

void Preview::stop() {
    const bool wasPlaying = playing_;
    showing_ = playing_ = false;
    lastClock_.reset();
    if (wasPlaying) showCaption();
}

void Preview::LblLectureClick() {
    if (playing_) return stop();
    Controls& c = ctx_.controls;
    if (!showing_) start();
    // From the beginning again once the end was reached.
    if (c.position(ids::TbLecture) >= c.get(ids::TbLecture).max)
        c.setPosition(ids::TbLecture, c.get(ids::TbLecture).min);
    playing_ = true;
    lastClock_.reset();
    showCaption();
}

void Preview::TbLectureChange() {
    ctx_.controls.setCaption(ids::LblTempsLecture, formatDuration(ctx_.controls.position(ids::TbLecture)));
    if (showing_) draw();
}

void Preview::tick(qint64 clock) {
    if (!playing_) return;
    const qint64 before = lastClock_.value_or(clock);
    lastClock_ = clock;
    const ControlState& s = ctx_.controls.get(ids::TbLecture, ControlKind::Slider);
    qint64 next = s.position + std::max<qint64>(0, clock - before);
    if (next >= s.max) {
        next = s.max;
        playing_ = false;
        lastClock_.reset();
        showCaption();
    }
    ctx_.controls.setPosition(ids::TbLecture, static_cast<int>(next));
}

bool Preview::ownControl(const QString& name) const {
    return name == ids::PnlLecture || ctx_.controls.get(name).parent == ids::PnlLecture;
}

void Preview::beforeUserInput(const QString& name, UserInput input) {
    if (input == UserInput::Hover) return;
    if (ownControl(name)) {
        // The slider shows the object even where it already stands.
        if (name == ids::TbLecture && input == UserInput::Position && !showing_) start();
        return;
    }
    if (input == UserInput::Key && !ctx_.controls.handlesKeys(name)) return;
    stop();
}

void Preview::afterUserInput(const QString&, UserInput input) {
    if (input != UserInput::Hover) refresh();
}

} // namespace trajecta
