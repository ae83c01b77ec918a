#pragma once

#include "preview/Motion.h"

#include <QImage>

namespace trajecta {

// One picture of the preview: `frame` becomes a copy of `work` with the marker
// of the object drawn over it. `work` is only read, so the work area is never
// touched by the preview; `frame` keeps its memory from one picture to the
// next when the size and format stay the same.
void drawPreviewFrame(const QImage& work, const ObjectState& state, QImage& frame);

} // namespace trajecta
