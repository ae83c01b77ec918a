#pragma once

#include <QPointF>
#include <QStringView>
#include <optional>

namespace trajecta::svg {

// An affine map as SVG writes it, matrix(a b c d e f):
//   x' = a x + c y + e,   y' = b x + d y + f.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    QPointF map(QPointF p) const { return {a * p.x() + c * p.y() + e, b * p.x() + d * p.y() + f}; }
    // The map that applies `inner` first, then this one.
    Affine operator*(const Affine& inner) const {
        return {a * inner.a + c * inner.b, b * inner.a + d * inner.b,     a * inner.c + c * inner.d,
                b * inner.c + d * inner.d, a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
    }
    // How far the map stretches a vector at most: the largest singular value
    // of its linear part.
    double stretch() const;
};

// A transform attribute: a list of matrix, translate, scale, rotate, skewX
// and skewY (angles in degrees), the first outermost. An empty list or "none"
// is the identity; anything that does not read is nothing.
std::optional<Affine> parseTransform(QStringView text);

} // namespace trajecta::svg
