#include "history/PackedPicture.h"

#include <cstring>

namespace trajecta {

namespace {

bool comparable(const QImage& a, const QImage& b) {
    return !a.isNull() && a.size() == b.size() && a.format() == b.format() &&
           a.bytesPerLine() == b.bytesPerLine();
}

// Zero words between two changes that still go into one run of changes: a
// shorter gap costs less as words than as a new run.
constexpr qsizetype shortGap = 4;

void append(QByteArray& out, quint32 word) {
    out.append(reinterpret_cast<const char*>(&word), sizeof word);
}

// The words of picture XOR reference (or of the picture alone) as runs: a
// count of zero words, a count of changed words, the changed words. Scanning
// for the few changed words costs far less than compressing every byte.
QByteArray encodeRuns(const quint32* words, const quint32* reference, qsizetype count) {
    const auto at = [&](qsizetype i) { return reference ? words[i] ^ reference[i] : words[i]; };
    QByteArray out;
    qsizetype i = 0;
    while (i < count) {
        const qsizetype zeroStart = i;
        while (i < count && at(i) == 0)
            ++i;
        const qsizetype changeStart = i;
        qsizetype changeEnd = i;
        while (i < count) {
            if (at(i) != 0) {
                changeEnd = ++i;
                continue;
            }
            qsizetype gapEnd = i;
            while (gapEnd < count && gapEnd - i < shortGap && at(gapEnd) == 0)
                ++gapEnd;
            if (gapEnd == count || at(gapEnd) == 0) break;
            i = gapEnd;
        }
        i = changeEnd;
        append(out, quint32(changeStart - zeroStart));
        append(out, quint32(changeEnd - changeStart));
        for (qsizetype k = changeStart; k < changeEnd; ++k)
            append(out, at(k));
    }
    return out;
}

bool decodeRuns(const QByteArray& runs, quint32* words, qsizetype count) {
    std::memset(words, 0, size_t(count) * sizeof(quint32));
    const auto* in = reinterpret_cast<const quint32*>(runs.constData());
    const qsizetype inCount = runs.size() / qsizetype(sizeof(quint32));
    qsizetype r = 0, w = 0;
    while (r + 2 <= inCount) {
        const qsizetype zeros = in[r], changed = in[r + 1];
        r += 2;
        if (changed > inCount - r || zeros + changed > count - w) return false;
        w += zeros;
        std::memcpy(words + w, in + r, size_t(changed) * sizeof(quint32));
        w += changed;
        r += changed;
    }
    return r == inCount;
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
    packed.againstReference = comparable(picture, reference);
    const auto* words = reinterpret_cast<const quint32*>(picture.constBits());
    const auto* base =
        packed.againstReference ? reinterpret_cast<const quint32*>(reference.constBits()) : nullptr;
    // Scanlines are 32-bit aligned, so a picture is a whole number of words.
    const QByteArray runs = encodeRuns(words, base, picture.sizeInBytes() / qsizetype(sizeof(quint32)));
    packed.bytes = qCompress(runs, 1);
    return packed;
}

QImage unpackPicture(const PackedPicture& packed, const QImage& reference) {
    if (packed.sameAsReference) return reference;
    if (packed.format == QImage::Format_Invalid) return {};
    QImage picture(packed.width, packed.height, packed.format);
    auto* words = reinterpret_cast<quint32*>(picture.bits());
    const qsizetype count = picture.sizeInBytes() / qsizetype(sizeof(quint32));
    if (!decodeRuns(qUncompress(packed.bytes), words, count)) return {};
    if (packed.againstReference) {
        const auto* base = reinterpret_cast<const quint32*>(reference.constBits());
        for (qsizetype i = 0; i < count; ++i)
            words[i] ^= base[i];
    }
    return picture;
}

} // namespace trajecta
