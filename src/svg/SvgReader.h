#pragma once

#include "svg/Affine.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace trajecta::svg {

// Larger files are refused before they are read.
constexpr qint64 maxSvgBytes = 16 * 1024 * 1024;
// At most this many paths are listed; a drawing with more offers the first ones.
constexpr int maxListedPaths = 1000;

// The region of user space the drawing shows: its viewBox, else its width and
// height (in pixels, from px, mm, cm, in, pt or pc) from the origin.
struct Viewport {
    std::optional<QRectF> viewBox;
    std::optional<QSizeF> size;
};

// A drawn <path>: its id, its path data and the transforms of its groups and
// its own, composed; nothing when one of them does not read.
struct SvgPath {
    QString id;
    QString data;
    std::optional<Affine> transform;
};

struct SvgDrawing {
    enum class Error { None, Unreadable, TooLarge, Entities, NotSvg };
    Error error = Error::None;
    QString reason; // why an unreadable file could not be read
    Viewport viewport;
    // In document order, without those of definitions, symbols, clip paths,
    // masks, patterns and markers, which are not drawn where they stand.
    std::vector<SvgPath> paths;
};

// An SVG file as XML. A file larger than maxSvgBytes, one whose entities would
// expand to more than that, and one whose root is not <svg> or that is not
// well-formed XML is refused whole.
SvgDrawing readSvgFile(const QString& path);
SvgDrawing readSvg(const QByteArray& bytes);

// The map from the drawing's user space onto a work area of `area` pixels:
// the viewport scaled to fit, its proportions kept, centred; the identity
// when the drawing gives neither a viewBox nor a size.
Affine viewportTransform(const Viewport& viewport, QSizeF area);

} // namespace trajecta::svg
