#pragma once

#include <QtGlobal>

namespace trajecta {

class Binder;
struct CurveDocument;

// The photo processing dialog as the window shows it: the preview on the left,
// the options, the rainbow strip and the swatches on the right, "OK" below.
// The preview and the strip are the document's pictures, shown 1:1 so that a
// position in the strip is a pixel of it.
class PhotoDialogView {
  public:
    PhotoDialogView(Binder& binder, const CurveDocument& doc);

    // Shows the pictures again where their content changed (all of them when
    // `always`, e.g. after the binder replaced every image's picture).
    void refresh(bool always = false);

  private:
    void arrange();

    Binder& binder_;
    const CurveDocument& doc_;
    qint64 previewKey_ = 0;
    qint64 rainbowKey_ = 0;
};

} // namespace trajecta
