#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace trajecta::svg {

// A curve as the work area shows it, in its pixels.
struct CurvePicture {
    QSize area;
    std::vector<QPoint> points; // 3 * parts + 1 control points
    bool closed = false;        // the last point is the first: the path ends with a Z
    std::optional<QRect> frame;
    std::vector<QPoint> samples;
};

// The curve as an SVG drawing of the work area (its viewBox): one <path> of
// cubic segments with the id "curve", the frame as a <rect>, and the samples
// as small circles in a group of their own. Every number is an integer, so
// the path reads back to the very same points.
QByteArray writeSvg(const CurvePicture& picture);

} // namespace trajecta::svg
