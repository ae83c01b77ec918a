#pragma once

namespace trajecta {

// What the step machine asks of the background: the photo pictures follow the
// work area, and a new project starts with the default photo processing. The
// background is built after the curve core and implements this; the session
// connects it.
class BackgroundPictures {
  public:
    virtual ~BackgroundPictures() = default;

    // The work area has its new size: the photo is stretched over it again
    // and processed with the current options.
    virtual void workAreaResized() = 0;
    // Step 1 is shown: attenuation on, monochrome and lines off.
    virtual void resetPhotoOptions() = 0;
};

} // namespace trajecta
