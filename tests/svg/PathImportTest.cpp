#include "svg/PathImport.h"
#include "svg/Cubics.h"
#include "svg/SvgWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace trajecta;
using namespace trajecta::svg;

namespace {

constexpr int maxParts = 16;
const QSizeF area(1000, 600);

// The path alone, user units being work-area pixels.
ImportedPath imported(const QString& data, const QString& transform = {}) {
    return importPath({QString(), data, parseTransform(transform)}, Viewport{}, area, maxParts);
}

void expectPoints(const ImportedPath& path, const std::vector<QPointF>& expected, const QString& what) {
    ASSERT_EQ(path.error, ImportedPath::Error::None) << what.toStdString();
    ASSERT_EQ(path.points.size(), expected.size()) << what.toStdString();
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(path.points[i].x(), expected[i].x(), 1e-9) << what.toStdString() << " point " << i;
        EXPECT_NEAR(path.points[i].y(), expected[i].y(), 1e-9) << what.toStdString() << " point " << i;
    }
}

} // namespace

// Every command, absolute and relative, with its shorthand and implicit forms:
// the control points of the cubic parts it becomes, worked out by hand.
TEST(PathImport, EachCommandBecomesItsCubicParts) {
    const double k = 10 * 4.0 / 3.0 * std::tan(std::numbers::pi / 8); // a quarter circle's handle, radius 10
    struct Case {
        const char* data;
        std::vector<QPointF> points;
    };
    const Case cases[] = {
        {"M 10 20 L 40 50", {{10, 20}, {20, 30}, {30, 40}, {40, 50}}},
        {"m10,20l30,30", {{10, 20}, {20, 30}, {30, 40}, {40, 50}}},
        {"M 0 0 30 0 30 30", {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}, {30, 30}}},
        {"M0 0H30v30", {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}, {30, 30}}},
        {"M0 0h30V30", {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}, {30, 30}}},
        {"M0 0 C 10 20 30 40 50 60", {{0, 0}, {10, 20}, {30, 40}, {50, 60}}},
        {"M5 5c10 20 30 40 50 60", {{5, 5}, {15, 25}, {35, 45}, {55, 65}}},
        {"M0 0 C 0 10 20 10 20 0 S 40 -10 40 0",
         {{0, 0}, {0, 10}, {20, 10}, {20, 0}, {20, -10}, {40, -10}, {40, 0}}},
        {"M0 0 L 20 0 s 20 -10 20 0",
         {{0, 0}, {20.0 / 3, 0}, {40.0 / 3, 0}, {20, 0}, {20, 0}, {40, -10}, {40, 0}}},
        {"M0 0 Q 30 30 60 0", {{0, 0}, {20, 20}, {40, 20}, {60, 0}}},
        {"M0 0 q30 30 60 0t60 0", {{0, 0}, {20, 20}, {40, 20}, {60, 0}, {80, -20}, {100, -20}, {120, 0}}},
        {"M0 0 L 60 0 T 120 0", {{0, 0}, {20, 0}, {40, 0}, {60, 0}, {60, 0}, {80, 0}, {120, 0}}},
        {"M 0 0 A 10 10 0 0 1 20 0",
         {{0, 0}, {0, -k}, {10 - k, -10}, {10, -10}, {10 + k, -10}, {20, -k}, {20, 0}}},
        {"M 0 0 a 10 10 0 0 0 20 0",
         {{0, 0}, {0, k}, {10 - k, 10}, {10, 10}, {10 + k, 10}, {20, k}, {20, 0}}},
        {"M0 0A0 5 0 0110 0", {{0, 0}, {10.0 / 3, 0}, {20.0 / 3, 0}, {10, 0}}},
        {"M0 0 L 30 0 L 30 30 Z",
         {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}, {30, 30}, {20, 20}, {10, 10}, {0, 0}}},
        {"M0 0 L 30 0 L 0 0.2 z", {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {20, 2.0 / 30}, {10, 0.4 / 3}, {0, 0}}},
        {"M.5-1.5e1L+1E1,2.",
         {{0.5, -15}, {0.5 + 9.5 / 3, -15 + 17.0 / 3}, {0.5 + 19.0 / 3, -15 + 34.0 / 3}, {10, 2}}},
    };
    for (const Case& c : cases)
        expectPoints(imported(QString::fromLatin1(c.data)), c.points, QString::fromLatin1(c.data));
    EXPECT_TRUE(imported("M0 0 L 30 0 L 30 30 Z").closed);
    EXPECT_TRUE(imported("M0 0 L 30 0 L 0 0.2 z").closed) << "the tiny line of its Z is dropped";
    EXPECT_FALSE(imported("M0 0 L 30 0 L 0 0").closed);
}

// Transforms of the path and of its groups, then the viewport fitted into the
// work area, proportions kept and centred.
TEST(PathImport, TransformsAndTheViewportPlaceThePath) {
    struct Case {
        const char* transform;
        QPointF at; // where (1, 2) lands
    };
    const Case cases[] = {
        {"", {1, 2}},
        {"translate(10 20)", {11, 22}},
        {"translate(10)", {11, 2}},
        {"scale(2 3)", {2, 6}},
        {"scale(2)", {2, 4}},
        {"rotate(90)", {-2, 1}},
        {"rotate(90 10 10)", {18, 1}},
        {"skewX(45)", {3, 2}},
        {"skewY(45)", {1, 3}},
        {"matrix(1 2 3 4 5 6)", {12, 16}},
        {" translate(10,20) ,scale(2) ", {12, 24}},
    };
    for (const Case& c : cases) {
        const ImportedPath path = imported("M 1 2 L 4 2", QString::fromLatin1(c.transform));
        ASSERT_EQ(path.error, ImportedPath::Error::None) << c.transform;
        EXPECT_NEAR(path.points[0].x(), c.at.x(), 1e-9) << c.transform;
        EXPECT_NEAR(path.points[0].y(), c.at.y(), 1e-9) << c.transform;
    }

    const SvgDrawing drawing = readSvg(R"svg(<?xml version="1.0"?>
<svg xmlns="http://www.w3.org/2000/svg" width="10cm" height="5cm" viewBox="-10 0 100 50">
  <defs><path id="hidden" d="M 0 0 L 1 1"/></defs>
  <g transform="translate(10 0)"><a><path id="p" transform="scale(2)" d="M 1 1 L 2 2"/></a></g>
</svg>)svg");
    ASSERT_EQ(drawing.error, SvgDrawing::Error::None);
    ASSERT_EQ(drawing.paths.size(), 1u) << "a path among the definitions is not drawn";
    EXPECT_EQ(drawing.paths[0].id, "p");
    // 100 x 50 on 1000 x 600: ten times, 50 pixels above and below.
    const ImportedPath path = importPath(drawing.paths[0], drawing.viewport, area, maxParts);
    ASSERT_EQ(path.error, ImportedPath::Error::None);
    EXPECT_EQ(path.points[0], QPointF(220, 70));
    Viewport sized;
    sized.size = QSizeF(250, 150); // no viewBox: the size from the origin
    EXPECT_EQ(viewportTransform(sized, area).map(QPointF(250, 150)), QPointF(1000, 600));
}

// What cannot be a curve says why; a second subpath is counted and left out.
TEST(PathImport, RefusesWhatCannotBeACurve) {
    using E = ImportedPath::Error;
    struct Case {
        QString data;
        E error;
        int partCount;
        qsizetype errorAt;
    };
    QString seventeen = QStringLiteral("M0 0");
    for (int i = 1; i <= 17; ++i)
        seventeen += QStringLiteral(" L %1 0").arg(i);
    const Case cases[] = {
        {"", E::NoSegment, 0, -1},
        {"M 10 10 m 5 5 z", E::NoSegment, 0, -1},
        {"L 10 10", E::BadData, 0, 0},
        {"M 0 0 L 10", E::BadData, 0, 10},
        {"M 0 0 L 10 10,", E::BadData, 0, 14},
        {"M 0 0 X 1 1", E::BadData, 0, 6},
        {"M 0 0 A 5 5 0 2 0 10 0", E::BadData, 0, 14},
        {"M 0 0 L 1e999 0", E::BadData, 0, 8},
        {seventeen, E::TooManyParts, 17, -1},
        {"M 0 0 A 100000000 100000000 0 1 1 1 0", E::TooManyParts, 25, -1},
    };
    for (const Case& c : cases) {
        const ImportedPath path = imported(c.data);
        EXPECT_EQ(path.error, c.error) << c.data.toStdString();
        EXPECT_EQ(path.partCount, c.partCount) << c.data.toStdString();
        EXPECT_EQ(path.errorAt, c.errorAt) << c.data.toStdString();
    }
    EXPECT_EQ(imported("M 0 0 L 1 0", "rotate(1 2)").error, E::BadTransform);

    const ImportedPath two = imported("M 0 0 L 10 0 M 5 5 L 6 6 Z L 7 7");
    EXPECT_EQ(two.error, E::None);
    EXPECT_EQ(two.subpathCount, 3);
    EXPECT_EQ(two.points.back(), QPointF(10, 0));
    EXPECT_FALSE(two.closed);

    // Smooth joins and corners.
    const ImportedPath joins =
        imported("M0 0 C 0 10 10 10 10 0 S 20 -10 20 0 L 30 5 L 40 10 C 40 10 50 0 50 0");
    EXPECT_EQ(joins.smooth, (std::vector<bool>{false, true, false, true, false, false}));

    using R = SvgDrawing::Error;
    EXPECT_EQ(readSvg("not xml").error, R::NotSvg);
    EXPECT_EQ(readSvg("<html><path d='M0 0 L1 1'/></html>").error, R::NotSvg);
    EXPECT_EQ(readSvg("<svg><path d='M0 0 L1 1'/>").error, R::NotSvg) << "cut short";
    EXPECT_EQ(readSvg(QByteArray(maxSvgBytes + 1, ' ')).error, R::TooLarge);
    // A small entity referenced often enough to pass the limit, and nested ones.
    QByteArray wide = "<!DOCTYPE svg [<!ENTITY a \"" + QByteArray(4000, 'b') + "\">]><svg>";
    for (int i = 0; i < 5000; ++i)
        wide += "&a;";
    EXPECT_EQ(readSvg(wide + "</svg>").error, R::Entities);
    QByteArray nested = "<!DOCTYPE svg [<!ENTITY a0 \"aaaaaaaaaa\">";
    for (int i = 1; i < 8; ++i)
        nested += QByteArray("<!ENTITY a") + QByteArray::number(i) + " \"" +
                  QByteArray("&a").append(QByteArray::number(i - 1)).append(";").repeated(10) + "\">";
    EXPECT_EQ(readSvg(nested + "]><svg>&a7;</svg>").error, R::Entities);
    const SvgDrawing small = readSvg("<!DOCTYPE svg [<!ENTITY ns \"http://www.w3.org/2000/svg\">]>"
                                     "<svg xmlns=\"&ns;\"><path id=\"x\" d=\"M0 0 L1 1\"/></svg>");
    EXPECT_EQ(small.error, R::None) << "entities of a bounded size are read";
    EXPECT_EQ(small.paths.size(), 1u);
}

// An arc of an ellipse larger than the work area, turned and sheared by its
// group: each cubic piece stays within half a pixel of the true arc, and the
// pieces follow one another from one end of the arc to the other.
TEST(PathImport, ArcPiecesStayWithinHalfAPixel) {
    // The ellipse of radii 1500 and 600 turned by 30 degrees about the origin,
    // from its parameter 0.3 to 4.0: more than half of it, counterclockwise.
    const double phi = 30 * std::numbers::pi / 180;
    const auto onEllipse = [&](double t) {
        const QPointF local(1500 * std::cos(t), 600 * std::sin(t));
        return QPointF(local.x() * std::cos(phi) - local.y() * std::sin(phi),
                       local.x() * std::sin(phi) + local.y() * std::cos(phi));
    };
    Segment arc;
    arc.kind = SegmentKind::Arc;
    arc.from = onEllipse(0.3);
    arc.to = onEllipse(4.0);
    arc.rx = 1500;
    arc.ry = 600;
    arc.rotation = 30;
    arc.largeArc = true;
    arc.sweep = true;
    const Affine map = *parseTransform(u"translate(500 300) skewX(20) scale(8 5)");
    std::vector<Cubic> pieces;
    appendCubics(arc, map, arcTolerance, pieces);
    ASSERT_EQ(int(pieces.size()), cubicCount(arc, map, arcTolerance));
    ASSERT_LE(pieces.size(), 32u);
    EXPECT_EQ(pieces.front().p0, map.map(arc.from));
    EXPECT_EQ(pieces.back().p3, map.map(arc.to));

    // The distance to the true arc: the nearest of coarse samples of its
    // parameter, then of fine ones around it.
    const auto distance = [&](QPointF p) {
        const auto nearest = [&](double from, double to, int steps) {
            double best = 1e300, at = from;
            for (int i = 0; i <= steps; ++i) {
                const double t = from + (to - from) * i / steps;
                const QPointF e = map.map(onEllipse(t));
                const double d = std::hypot(e.x() - p.x(), e.y() - p.y());
                if (d < best) {
                    best = d;
                    at = t;
                }
            }
            return std::pair(best, at);
        };
        const double coarse = 3.7 / 20000;
        const double at = nearest(0.3, 4.0, 20000).second;
        return nearest(std::max(0.3, at - 2 * coarse), std::min(4.0, at + 2 * coarse), 4000).first;
    };
    double worst = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(pieces[i].p0, pieces[i - 1].p3);
        }
        const Cubic& c = pieces[i];
        for (int s = 1; s < 8; ++s) {
            const double t = s / 8.0, u = 1 - t;
            const QPointF p =
                u * u * u * c.p0 + 3 * u * u * t * c.p1 + 3 * u * t * t * c.p2 + t * t * t * c.p3;
            worst = std::max(worst, distance(p));
        }
    }
    EXPECT_LE(worst, arcTolerance);
    EXPECT_GT(worst, arcTolerance / 20) << "no more pieces than the bound asks for";
}

// 200 seeded curves written and read back: the same control points exactly.
TEST(PathImport, ExportedCurvesReadBackExactly) {
    std::mt19937 rng(20261208);
    for (int run = 0; run < 200; ++run) {
        const QSize size(std::uniform_int_distribution<int>(200, 1900)(rng),
                         std::uniform_int_distribution<int>(150, 1000)(rng));
        std::uniform_int_distribution<int> x(-400, size.width() + 400), y(-400, size.height() + 400);
        CurvePicture picture;
        picture.area = size;
        const int parts = std::uniform_int_distribution<int>(1, maxParts)(rng);
        for (int i = 0; i <= 3 * parts; ++i)
            picture.points.emplace_back(x(rng), y(rng));
        picture.closed = run % 3 == 0;
        if (picture.closed) picture.points.back() = picture.points.front();
        if (run % 2) picture.frame = QRect(10, 20, 300, 200);
        picture.samples = {QPoint(1, 2), QPoint(3, 4)};

        const SvgDrawing drawing = readSvg(writeSvg(picture));
        ASSERT_EQ(drawing.error, SvgDrawing::Error::None);
        ASSERT_EQ(drawing.paths.size(), 1u);
        const ImportedPath back = importPath(drawing.paths[0], drawing.viewport, QSizeF(size), maxParts);
        ASSERT_EQ(back.error, ImportedPath::Error::None) << "curve " << run;
        EXPECT_EQ(back.closed, picture.closed);
        ASSERT_EQ(back.points.size(), picture.points.size()) << "curve " << run;
        for (size_t i = 0; i < back.points.size(); ++i)
            ASSERT_EQ(back.points[i], QPointF(picture.points[i])) << "curve " << run << " point " << i;
    }
}
