#pragma once

#include <QByteArray>
#include <QImage>

namespace trajecta {

// A picture kept small: its bytes XORed with a reference picture of the same
// size and format, then compressed. Two work-area pictures a step apart
// differ by a few curve strokes, so the XOR is almost all zeros. A picture
// that cannot be compared with its reference is compressed on its own.
struct PackedPicture {
    QByteArray bytes;
    int width = 0;
    int height = 0;
    QImage::Format format = QImage::Format_Invalid;
    bool againstReference = false;
    bool sameAsReference = false; // nothing stored: the reference itself

    qsizetype size() const { return bytes.size(); }
};

PackedPicture packPicture(const QImage& picture, const QImage& reference);
// The picture packPicture was given, from the same reference.
QImage unpackPicture(const PackedPicture& packed, const QImage& reference);

} // namespace trajecta
