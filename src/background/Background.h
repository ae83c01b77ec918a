#pragma once

#include "core/BackgroundPictures.h"
#include "core/Context.h"

namespace trajecta {

class Workflow;

// The picture under the curve (grid, plain, photo, processed photo), the
// choice of the photo and the photo processing dialog TFtraitePhoto. Built
// after the curve core; the step machine reaches it as its BackgroundPictures.
class Background final : public BackgroundPictures {
  public:
    Background(Context& ctx, Workflow& workflow);

    // The rainbow strip and the swatch; then the handlers
    // of the background panel and of the dialog.
    void start();

    void workAreaResized() override;
    void resetPhotoOptions() override;

    // RdgFond (also the dialog's "OK"): the chosen picture under the curve.
    void onBackgroundChosen();
    // LblChoisirPhoto: a picture file becomes the photo. A file that cannot
    // be read is reported, naming it, and the photo and background stay.
    void choosePhoto();
    // LblTraiter: the dialog opens with a preview in the proportions of the
    // work area, at most 600 × 400.
    void openPhotoProcessing();
    // The processed photo rebuilt from the photo with the current options,
    // and shown in the preview.
    void processPhoto();

  private:
    void registerHandlers();
    void loadBuiltInPhoto();
    void stretchPhoto();
    void showPreview(const QImage& picture);
    void setOption(bool PhotoOptions::*option, CheckBoxId box);
    void pickRainbowColour(int x, int y);
    void colourizeWithSwatch(PanelId swatch);
    void closeDialog();
    void cancelDialog();

    Context& ctx_;
    Workflow& workflow_;
    // The photo's state when the dialog opened, which "Annuler" brings back.
    BackgroundState beforeDialog_;
    QImage processedBeforeDialog_;
};

} // namespace trajecta
