#pragma once

#include <QPointF>
#include <QStringView>

namespace trajecta::svg {

enum class SegmentKind { Line, Quadratic, Cubic, Arc };

// One segment of a path in absolute user coordinates, with the shorthand forms
// already resolved: a quadratic segment uses `c1` only, a line neither, an arc
// its radii (both above zero), its x-axis rotation in degrees and its flags.
struct Segment {
    SegmentKind kind = SegmentKind::Line;
    QPointF from, c1, c2, to;
    double rx = 0, ry = 0, rotation = 0;
    bool largeArc = false, sweep = false;
    bool closing = false; // the line a Z draws back to the start of its subpath
};

// What the reader finds, in the order of the path.
class PathSink {
  public:
    virtual ~PathSink() = default;
    // A subpath starts at `point`: an M, or a segment after a Z.
    virtual void moveTo(QPointF point) = 0;
    virtual void segment(const Segment& segment) = 0;
    // The subpath ends with a Z, after its closing line if it needed one.
    virtual void closePath() = 0;
};

// Reads SVG path data (a path's `d` attribute): M, L, H, V, C, S, Q, T, A and
// Z, absolute and relative, with repeated argument groups. An arc whose ends
// coincide draws nothing and one with a zero radius is a line, as SVG renders
// them. Returns -1 when the whole text was read, else the index of the
// character where reading stopped; what came before it has been handed over.
qsizetype readPathData(QStringView data, PathSink& sink);

} // namespace trajecta::svg
