#pragma once

#include "document/BackgroundState.h"

#include <QImage>
#include <cstdint>

namespace trajecta {

struct Hsv {
    int h = 0;
    int s = 0;
    int v = 0;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// Integer colour conversions over channels 0..255. A chromatic colour has a hue
// of 1..360 (pure red 360); hue 0 means grey. Saturation and value are 0..255.
Hsv rgbToHsv(int r, int g, int b);
// Hue 0, saturation 0 or value 0 give grey; hue 360 counts as 0; a hue outside
// 0..360 gives black. Expects saturation and value in 0..255.
Rgb hsvToRgb(int h, int s, int v);

int photoOptionCount(const PhotoOptions& options);

// The filters read one picture and write another of the same size, always in
// Format_RGB32 (each row blue, green, red, 0xFF); the target is reallocated when
// its size or format differs. The target may be the source itself.
//
// Every pixel takes the hue of the colour (0x00BBGGRR), keeping its saturation
// and value; a grey colour turns every pixel into the grey of its brightest channel.
void colourize(std::uint32_t colour, const QImage& source, QImage& target);
// Every channel is darkened to 70 % and then moved 70 % of the way to 255:
// black gives 178, white 232.
void attenuate(const QImage& source, QImage& target);
// Edges drawn dark on white: a 3 × 3 Laplacian per channel, clamped and inverted.
// Neighbours in the first row or column, or outside the picture, count as the
// centre pixel itself.
void drawLines(const QImage& source, QImage& target);

// Rebuilds processed from photo with the chosen options, in the order lines,
// colourize, attenuate, except attenuate before colourize without lines; work
// receives the edge picture where lines combine with another option.
void processPhoto(const PhotoOptions& options, std::uint32_t chosenColour, const QImage& photo, QImage& work,
                  QImage& processed);

// Draws the hues 1..height−1 on the rows of the same index; row 0 keeps its colour.
void drawRainbow(QImage& strip);

} // namespace trajecta
