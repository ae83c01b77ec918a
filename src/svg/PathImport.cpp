#include "svg/PathImport.h"

#include "svg/Cubics.h"

#include <algorithm>
#include <cmath>

namespace trajecta::svg {

namespace {

// A join is smooth when the two handles point opposite ways, within about
// half a degree; a handle of no length makes a corner.
constexpr double minHandle = 1e-6;
constexpr double maxSine = 0.01;

// Keeps the first subpath that draws something, as cubics in pixels, and
// counts the rest.
class FirstSubpath : public PathSink {
  public:
    FirstSubpath(const Affine& map, int keep) : map_(map), keep_(keep) {}

    void moveTo(QPointF) override { drawing_ = false; }

    void segment(const Segment& s) override {
        if (!drawing_) {
            drawing_ = true;
            ++subpaths;
        }
        if (subpaths != 1) return;
        const int pieces = cubicCount(s, map_, arcTolerance);
        if (parts + pieces <= keep_) appendCubics(s, map_, arcTolerance, cubics);
        parts = std::min(parts + pieces, maxCount);
        closingLine = s.closing;
    }

    void closePath() override {
        if (subpaths == 1 && drawing_) closed = true;
    }

    // Counts saturate far beyond any curve, so that no count overflows.
    static constexpr qint64 maxCount = 1'000'000'000;

    std::vector<Cubic> cubics;
    qint64 parts = 0;
    int subpaths = 0;
    bool closed = false;
    bool closingLine = false; // the first subpath's last part is the line of its Z

  private:
    const Affine& map_;
    const int keep_;
    bool drawing_ = false;
};

bool smoothJoin(const Cubic& in, const Cubic& out) {
    const QPointF a = in.p3 - in.p2, b = out.p1 - out.p0;
    const double la = std::hypot(a.x(), a.y()), lb = std::hypot(b.x(), b.y());
    if (!(la > minHandle && lb > minHandle)) return false;
    const double cross = a.x() * b.y() - a.y() * b.x();
    return QPointF::dotProduct(a, b) > 0 && std::abs(cross) <= maxSine * la * lb;
}

// A closed path ends exactly on its start. A Z whose line is shorter than
// half a pixel ends it there instead.
void endOnStart(FirstSubpath& found) {
    std::vector<Cubic>& c = found.cubics;
    if (!found.closed || c.empty() || qint64(c.size()) != found.parts) return;
    const QPointF d = c.back().p3 - c.back().p0;
    if (found.closingLine && c.size() > 1 && std::hypot(d.x(), d.y()) < 0.5) {
        c.pop_back();
        --found.parts;
    }
    c.back().p3 = c.front().p0;
}

} // namespace

ImportedPath importPath(const SvgPath& path, const Viewport& viewport, QSizeF area, int maxParts) {
    ImportedPath imported;
    if (!path.transform) {
        imported.error = ImportedPath::Error::BadTransform;
        return imported;
    }
    const Affine map = viewportTransform(viewport, area) * *path.transform;
    // One part more than a curve holds may still be a Z's tiny line.
    FirstSubpath found(map, maxParts + 1);
    imported.errorAt = readPathData(path.data, found);
    if (imported.errorAt >= 0) {
        imported.error = ImportedPath::Error::BadData;
        return imported;
    }
    endOnStart(found);
    imported.subpathCount = found.subpaths;
    imported.partCount = int(found.parts);
    imported.closed = found.closed;
    if (found.parts == 0) imported.error = ImportedPath::Error::NoSegment;
    if (found.parts > maxParts) imported.error = ImportedPath::Error::TooManyParts;
    if (imported.error != ImportedPath::Error::None) return imported;

    const std::vector<Cubic>& c = found.cubics;
    imported.points.push_back(c.front().p0);
    for (const Cubic& part : c)
        imported.points.insert(imported.points.end(), {part.p1, part.p2, part.p3});
    const bool closedJoin = found.closed && smoothJoin(c.back(), c.front());
    imported.smooth.push_back(closedJoin);
    for (size_t k = 1; k < c.size(); ++k)
        imported.smooth.push_back(smoothJoin(c[k - 1], c[k]));
    imported.smooth.push_back(closedJoin);
    return imported;
}

} // namespace trajecta::svg
