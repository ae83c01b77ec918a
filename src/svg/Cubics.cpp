#include "svg/Cubics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trajecta::svg {

namespace {

constexpr double pi = std::numbers::pi;

// An elliptical arc in centre form: the unit circle from `start` through
// `sweep` radians, carried by `ellipse` (the radii, the rotation and the centre).
struct CentreArc {
    Affine ellipse;
    double start = 0, sweep = 0;
};

double angleBetween(QPointF u, QPointF v) {
    return std::atan2(u.x() * v.y() - u.y() * v.x(), u.x() * v.x() + u.y() * v.y());
}

// The conversion from endpoint to centre form that SVG renderers use, radii
// too small to reach both ends being scaled up until they do.
CentreArc centreArc(const Segment& s) {
    const double phi = s.rotation * pi / 180;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const QPointF half = (s.from - s.to) / 2;
    const double x1 = cosPhi * half.x() + sinPhi * half.y();
    const double y1 = -sinPhi * half.x() + cosPhi * half.y();
    double rx = s.rx, ry = s.ry;
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double coef = den > 0 ? std::sqrt(std::max(0.0, num / den)) : 0;
    if (s.largeArc == s.sweep) coef = -coef;
    const double cx1 = coef * rx * y1 / ry;
    const double cy1 = -coef * ry * x1 / rx;
    const QPointF mid = (s.from + s.to) / 2;
    CentreArc arc;
    arc.ellipse = Affine{rx * cosPhi,
                         rx * sinPhi,
                         -ry * sinPhi,
                         ry * cosPhi,
                         cosPhi * cx1 - sinPhi * cy1 + mid.x(),
                         sinPhi * cx1 + cosPhi * cy1 + mid.y()};
    const QPointF u((x1 - cx1) / rx, (y1 - cy1) / ry);
    const QPointF v((-x1 - cx1) / rx, (-y1 - cy1) / ry);
    arc.start = angleBetween(QPointF(1, 0), u);
    double sweep = angleBetween(u, v);
    if (!s.sweep && sweep > 0) sweep -= 2 * pi;
    if (s.sweep && sweep < 0) sweep += 2 * pi;
    arc.sweep = sweep;
    return arc;
}

// The largest distance between a unit-circle arc of `angle` radians and its
// cubic with handles 4/3 tan(angle / 4) long: the error is radial.
double unitArcError(double angle) {
    const double s = std::sin(angle / 4), c = std::cos(angle / 4);
    return 2.0 / 27.0 * std::pow(s, 6) / (c * c);
}

int arcPieces(const CentreArc& arc, const Affine& map, double tolerance) {
    const double sweep = std::abs(arc.sweep);
    const double stretch = (map * arc.ellipse).stretch();
    if (!std::isfinite(sweep) || !std::isfinite(stretch) || tolerance <= 0) return 1;
    const auto fits = [&](double pieces) { return unitArcError(sweep / pieces) * stretch <= tolerance; };
    // The error grows as the sixth power of the angle: start from that
    // estimate, then step to the first count that fits.
    const double estimate = sweep / (4 * std::pow(13.5 * tolerance / stretch, 1.0 / 6));
    double pieces = std::max({1.0, std::ceil(sweep / (pi / 2)), std::ceil(estimate) - 1});
    while (pieces < maxArcPieces && !fits(pieces))
        ++pieces;
    return int(std::min(pieces, double(maxArcPieces)));
}

void appendArc(const Segment& s, const Affine& map, double tolerance, std::vector<Cubic>& out) {
    const CentreArc arc = centreArc(s);
    const int pieces = arcPieces(arc, map, tolerance);
    const double step = arc.sweep / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    const Affine toOut = map * arc.ellipse;
    for (int i = 0; i < pieces; ++i) {
        const double a = arc.start + step * i, b = a + step;
        const QPointF p0(std::cos(a), std::sin(a)), p3(std::cos(b), std::sin(b));
        Cubic c{toOut.map(p0), toOut.map(p0 + k * QPointF(-p0.y(), p0.x())),
                toOut.map(p3 - k * QPointF(-p3.y(), p3.x())), toOut.map(p3)};
        if (i == 0) c.p0 = map.map(s.from);
        if (i == pieces - 1) c.p3 = map.map(s.to);
        out.push_back(c);
    }
}

} // namespace

int cubicCount(const Segment& segment, const Affine& map, double tolerance) {
    if (segment.kind != SegmentKind::Arc) return 1;
    return arcPieces(centreArc(segment), map, tolerance);
}

void appendCubics(const Segment& s, const Affine& map, double tolerance, std::vector<Cubic>& out) {
    switch (s.kind) {
    case SegmentKind::Line:
        out.push_back({map.map(s.from), map.map(s.from + (s.to - s.from) / 3),
                       map.map(s.to + (s.from - s.to) / 3), map.map(s.to)});
        break;
    case SegmentKind::Quadratic:
        out.push_back({map.map(s.from), map.map(s.from + 2 * (s.c1 - s.from) / 3),
                       map.map(s.to + 2 * (s.c1 - s.to) / 3), map.map(s.to)});
        break;
    case SegmentKind::Cubic:
        out.push_back({map.map(s.from), map.map(s.c1), map.map(s.c2), map.map(s.to)});
        break;
    case SegmentKind::Arc:
        appendArc(s, map, tolerance, out);
        break;
    }
}

} // namespace trajecta::svg
