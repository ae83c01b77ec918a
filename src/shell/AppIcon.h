#pragma once

#include <QImage>
#include <QString>

namespace trajecta {

// The program's icon: an S-shaped Bezier path with its keypoints, on a slide.
// The same geometry is drawn as a picture of any size and written as SVG, so
// the installed icons and the windows' icon are one drawing.
namespace AppIcon {

// The icon drawn at `size` × `size` pixels, transparent around the slide.
QImage picture(int size);
// The icon as an SVG document (a 64 × 64 view box).
QString svg();

} // namespace AppIcon

} // namespace trajecta
