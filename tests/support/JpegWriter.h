#pragma once

#include <QByteArray>
#include <QImage>

namespace trajecta {

// Encodes a picture as a baseline JPEG through libjpeg, for test pictures,
// benchmarks and the built-in photo. An orientation of 1..8 adds an Exif block
// carrying it; 0 writes none.
QByteArray encodeJpeg(const QImage& picture, int quality, int exifOrientation = 0);

} // namespace trajecta
