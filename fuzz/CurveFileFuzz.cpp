// libFuzzer target for the curve file reader: any bytes are either refused on
// a line that exists (or just past the last one) or give a curve the replay
// can rely on, never a crash, a leak or undefined behaviour.

#include "curvefile/CurveFileCheck.h"
#include "curvefile/CurveFileText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trajecta;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = decodeCurveFile(bytes);
    const CheckedCurveFile checked = checkCurveFile(lines, size > 0 ? data[0] % 20 : 0);
    if (checked.error) {
        if (checked.error->line < 0 || checked.error->line > lines.size()) __builtin_trap();
        return 0;
    }
    const CurveFileContent& c = checked.content;
    const int points = int(c.curve.points.size());
    if (points < 4 || points > maxMarkedPoints || (points - 1) % 3 != 0) __builtin_trap();
    if (c.sampleCount < 2 || c.sampleCount > maxSamplePoints) __builtin_trap();
    for (const TimeRecord& r : c.times)
        if (r.kind == TimeRecord::Kind::Range &&
            (r.first < 1 || r.last <= r.first || r.last >= c.sampleCount))
            __builtin_trap();
    for (const LoggedRecord& r : c.parameters.records)
        if (r.start < 0 || r.end <= r.start || r.end >= c.sampleCount) __builtin_trap();
    return 0;
}
