#pragma once

#include "core/Context.h"
#include "preview/Motion.h"

#include <QImage>
#include <QRect>
#include <optional>
#include <vector>

namespace trajecta {

// The preview of the motion: "Lecture" (LblLecture) plays the object over the
// work area at real speed and the slider TbLecture shows it at any time of the
// slide, from the time step to the end. What plays is the keypoint list in
// force with its committed times: what the host will receive.
//
// The marker is drawn over a copy of the work area; the work area itself is
// never drawn on, so ending the preview gives back exactly what was there.
// Any user input but those of the preview's own controls (and mouse moves
// without a button, and keys that nothing takes) ends it first: the preview
// hears of every input as the controls' input listener.
class Preview : public UserInputListener {
  public:
    explicit Preview(Context& ctx);

    void registerHandlers();
    // The controls follow the document: shown from the time step on, the
    // slider's range up to the last keypoint's time, the captions in the
    // language in use. Runs after every user input.
    void refresh();

    // The work area with the marker is what shows.
    bool showing() const { return showing_; }
    // The marker moves with the display's clock (tick).
    bool playing() const { return playing_; }
    const QImage& picture() const { return picture_; }
    const ObjectState& state() const { return state_; }
    // The loaded object's name, written in the marker by the window.
    const QString& name() const { return name_; }

    // A tick of the display's clock, in ms from any fixed origin: while
    // playing, the slider moves on by the time gone since the tick before,
    // and playing ends at the last keypoint's time.
    void tick(qint64 clock);
    // The work area shows as it is again; the slider stays where it was.
    void stop();

    void LblLectureClick();
    void TbLectureChange();

    void beforeUserInput(const QString& name, UserInput input) override;
    void afterUserInput(const QString& name, UserInput input) override;

  private:
    void start();
    void draw();
    bool ownControl(const QString& name) const;
    void showCaption();

    Context& ctx_;
    std::vector<PathKeypoint> path_;
    ReferenceFrame frame_;
    QImage picture_;
    QRect stale_; // the part of picture_ that differs from the work area
    ObjectState state_;
    QString name_;
    bool showing_ = false;
    bool playing_ = false;
    std::optional<qint64> lastClock_;
};

} // namespace trajecta
