// libFuzzer target for the JPEG decoder: any bytes give either an upright
// picture or a refusal, never a crash, a leak or undefined behaviour.

#include "background/PictureLoader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trajecta;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LoadedPicture reduced = decodeJpeg(bytes, {});
    if (reduced.ok() == reduced.picture.isNull()) __builtin_trap();
    // Small pictures are decoded again at full size, through the other scales' paths.
    if (reduced.ok() && qint64(reduced.fullSize.width()) * reduced.fullSize.height() <= 1 << 20) {
        const LoadedPicture full = decodeJpeg(bytes, reduced.fullSize);
        if (!full.ok() || full.picture.size() != reduced.fullSize) __builtin_trap();
    }
    return 0;
}
