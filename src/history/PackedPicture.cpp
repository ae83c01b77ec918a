#include "history/PackedPicture.h"

#include <cstring>

namespace trajecta {

namespace {

bool comparable(const QImage& a, const QImage& b) {
    return !a.isNull() && a.size() == b.size() && a.format() == b.format() &&
           a.bytesPerLine() == b.bytesPerLine();
}

void xorInto(uchar* target, const uchar* other, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i)
        target[i] ^= other[i];
}

} // namespace

PackedPicture packPicture(const QImage& picture, const QImage& reference) {
    PackedPicture packed;
    if (picture.isNull()) return packed;
    packed.width = picture.width();
    packed.height = picture.height();
    packed.format = picture.format();
    if (picture.cacheKey() == reference.cacheKey()) {
        packed.sameAsReference = true;
        return packed;
    }
    QByteArray raw(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    if (comparable(picture, reference)) {
        packed.againstReference = true;
        xorInto(reinterpret_cast<uchar*>(raw.data()), reference.constBits(), raw.size());
    }
    // The fastest level: a step is taken after every operation, and the XOR
    // of two neighbouring pictures compresses well at any level.
    packed.bytes = qCompress(raw, 1);
    return packed;
}

QImage unpackPicture(const PackedPicture& packed, const QImage& reference) {
    if (packed.sameAsReference) return reference;
    if (packed.format == QImage::Format_Invalid) return {};
    QImage picture(packed.width, packed.height, packed.format);
    const QByteArray raw = qUncompress(packed.bytes);
    if (raw.size() != picture.sizeInBytes()) return {};
    std::memcpy(picture.bits(), raw.constData(), size_t(raw.size()));
    if (packed.againstReference) xorInto(picture.bits(), reference.constBits(), picture.sizeInBytes());
    return picture;
}

} // namespace trajecta
