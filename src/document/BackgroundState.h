#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

namespace trajecta {

// The processing applied to a photo so that the curve stays readable over it.
struct PhotoOptions {
    bool monochrome = false;
    bool attenuation = true;
    bool lines = false;

    bool operator==(const PhotoOptions&) const = default;
};

// The background under the curve and the photo behind it. The work-area-sized
// pictures themselves (photo, processed) are with the other pictures.
struct BackgroundState {
    int backgroundKind = 0; // 0 grid, 1 plain, 2 photo, 3 processed photo
    QImage photoSource;     // the photo as loaded, upright
    // The file the photo came from (empty for the built-in one) and its own
    // size: a photo decoded at a reduced scale for a small work area is read
    // again when a larger one needs more of it.
    QString photoSourcePath;
    QSize photoFullSize;
    float photoRatio = 0.0f; // width / height of the photo last chosen
    PhotoOptions options;
    int photoOptionCount = 1;
    // The colour of the swatch PnlChoixCouleur (0x00BBGGRR): at first a
    // button face grey, the platform having no such colour for the core.
    std::uint32_t chosenColour = 0xF0F0F0;
    QImage processing; // intermediate picture of the combined options
    QImage preview;    // ImgTraiter: the processed photo at the dialog's size
    QImage rainbow;    // ImgArcEnCiel: the hues a monochrome photo can take

    bool operator==(const BackgroundState&) const = default;
};

} // namespace trajecta
