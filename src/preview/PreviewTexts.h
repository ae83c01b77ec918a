#pragma once

#include "core/Messages.h"

namespace trajecta::PreviewTexts {

// Captions and tool tips of the preview and of the timing chart.
extern const TextPair play;  // LblLecture at rest
extern const TextPair pause; // LblLecture while playing
extern const TextPair playHint;
extern const TextPair sliderHint;
extern const TextPair chartHint;

} // namespace trajecta::PreviewTexts
