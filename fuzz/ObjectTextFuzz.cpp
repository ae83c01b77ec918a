// libFuzzer target for the host object reader: any clipboard text is either
// refused or read, and an accepted object takes a keypoint list back, never
// with a crash, a leak or undefined behaviour.

#include "host/ObjectText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trajecta;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = splitClipboardText(text);
    const ObjectRead read = readObject(lines, true);
    readTransferTarget(lines);
    if (read.status != ObjectRead::Status::Accepted) return 0;
    if (read.panSpeedLine < 0 || read.panSpeedLine >= lines.size() || read.keyPointLine < 0 ||
        read.keyPointLine >= lines.size())
        __builtin_trap();
    const QStringList keyPoints =
        keyPointBlock(1, read.firstKeypointTime, positionLine(0, 0), read.defaults) +
        keyPointBlock(2, read.firstKeypointTime + 100, positionLine(-50, 12.5), read.defaults);
    const std::vector<QString> times{QString::number(read.firstKeypointTime)};
    if (!mergeKeyPointList(lines, keyPoints, speedValue(times))) __builtin_trap();
    return 0;
}
