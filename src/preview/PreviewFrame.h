#pragma once

#include "preview/Motion.h"

#include <QImage>
#include <QRect>

namespace trajecta {

// One picture of the preview: `frame` becomes the work area with the marker of
// the object drawn over it. `work` is only read, so the work area is never
// touched by the preview.
//
// `stale` is the part of `frame` that differs from `work`: only it is copied
// again before the marker is drawn, and it becomes the part the new marker
// covers. A frame of another size or format than `work` is copied whole; so is
// any frame when `stale` is the whole picture, as it must be for the first
// picture over a work area that may have changed since the last one.
void drawPreviewFrame(const QImage& work, const ObjectState& state, QImage& frame, QRect& stale);

} // namespace trajecta
