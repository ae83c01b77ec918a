// libFuzzer target for the path data and transform readers: the first line is
// a transform attribute, the rest the path data. Any text is either refused at
// a character that exists (or just past the last one) or becomes a chain of
// at most 16 cubic parts with a join for every anchor, never a crash, a leak
// or undefined behaviour.

#include "svg/PathImport.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trajecta::svg;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    SvgPath path;
    path.transform = parseTransform(lineEnd < 0 ? QStringView() : QStringView(text).left(lineEnd));
    path.data = lineEnd < 0 ? text : text.mid(lineEnd + 1);
    Viewport viewport;
    viewport.viewBox = QRectF(-50, -50, 400, 300);
    const ImportedPath imported = importPath(path, viewport, QSizeF(949, 534), 16);
    using Error = ImportedPath::Error;
    if (imported.error == Error::BadData) {
        if (imported.errorAt < 0 || imported.errorAt > path.data.size()) __builtin_trap();
        return 0;
    }
    if (imported.error == Error::TooManyParts && imported.partCount <= 16) __builtin_trap();
    if (imported.error != Error::None) return 0;
    const auto parts = std::size_t(imported.partCount);
    if (parts < 1 || parts > 16 || imported.points.size() != 3 * parts + 1 ||
        imported.smooth.size() != parts + 1 || imported.subpathCount < 1)
        __builtin_trap();
    const QPointF first = imported.points.front(), last = imported.points.back();
    if (imported.closed && std::isfinite(first.x()) && std::isfinite(first.y()) &&
        (first.x() != last.x() || first.y() != last.y()))
        __builtin_trap();
    return 0;
}
